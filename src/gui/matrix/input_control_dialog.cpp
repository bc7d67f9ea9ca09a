#include "gui/matrix/input_control_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/app/combo_lists.h"
#include "gui/app/qt_text.h"

namespace wall {

namespace {

// The source list's two widths on Kestrel: full, and narrowed for "QUAD" so
// that "子信号" shows beside it.
constexpr int kSourceWidth = 265;
constexpr int kNarrowSourceWidth = 105;

// The Unit14 names of the input lists, by kind (AV, VGA, DVI, YPbPr).
constexpr const char* kInputListNames[] = {"ComboBox2", "ComboBox1", "ComboBox3", "ComboBox4"};

}  // namespace

InputControlDialog::InputControlDialog(InputControlModel& model, ContextSource context, Runner run, QWidget* parent)
    : QDialog(parent), model_(model), context_(std::move(context)), run_(std::move(run)) {
  setObjectName("Form14");
  sourceLabel_ = new QLabel(this);
  sources_ = new QComboBox(this);
  sources_->setObjectName("ComboBox18");
  sources_->setFixedWidth(kSourceWidth);
  subSignal_ = new QComboBox(this);
  subSignal_->setObjectName("subSignalList");
  for (const char* s : kSubSignals) subSignal_->addItem(QString::fromLatin1(s));
  subSignal_->hide();
  connect(sources_, &QComboBox::activated, this, [this](int i) {
    model_.pickSource(i);
    sync();
  });
  connect(subSignal_, &QComboBox::activated, this, [this](int i) {
    model_.pickSubSignal(i);
    sync();
  });

  inputLabel_ = new QLabel(this);
  inputLabel_->setObjectName("matrixInputLabel");
  auto* inputRow = new QHBoxLayout;
  inputRow->addWidget(inputLabel_);
  for (MatrixKind kind : kMatrixKinds) {
    auto* list = new QComboBox(this);
    list->setObjectName(kInputListNames[kindIndex(kind)]);
    connect(list, &QComboBox::activated, this, [this, kind](int i) { model_.pickInput(kind, i); });
    inputs_[static_cast<std::size_t>(kindIndex(kind))] = list;
    inputRow->addWidget(list, 1);
  }

  matrixUse_ = new QCheckBox(this);
  matrixUse_->setObjectName("matrixUseBox");
  connect(matrixUse_, &QCheckBox::clicked, this, [this](bool on) {
    model_.setMatrixUse(on);
    sync();
    emit matrixUseChanged(on);
  });
  singleScreen_ = new QCheckBox(this);
  singleScreen_->setObjectName("noWallModeBox");
  connect(singleScreen_, &QCheckBox::clicked, this, [this](bool on) { model_.setSingleScreen(on); });

  switchTypeGroup_ = new QGroupBox(this);
  switchTypeGroup_->setObjectName("suiRadioGroup1");
  switchTypeButtons_ = new QButtonGroup(this);
  auto* types = new QHBoxLayout(switchTypeGroup_);
  for (int t = 0; t < 3; ++t) {
    auto* b = new QRadioButton(switchTypeGroup_);
    b->setObjectName(QString("switchType%1").arg(t));
    switchTypeButtons_->addButton(b, t);
    switchTypes_[static_cast<std::size_t>(t)] = b;
    types->addWidget(b);
  }
  connect(switchTypeButtons_, &QButtonGroup::idClicked, this, [this](int t) { model_.setSwitchType(t); });

  ok_ = new QPushButton(this);
  ok_->setObjectName("Button1");
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("Button2");
  connect(ok_, &QPushButton::clicked, this, &InputControlDialog::confirm);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::hide);

  auto* sourceRow = new QHBoxLayout;
  sourceRow->addWidget(sourceLabel_);
  sourceRow->addWidget(sources_);
  sourceRow->addWidget(subSignal_);
  sourceRow->addStretch();
  auto* checks = new QHBoxLayout;
  checks->addWidget(matrixUse_);
  checks->addWidget(singleScreen_);
  checks->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* box = new QVBoxLayout(this);
  box->addLayout(sourceRow);
  box->addLayout(inputRow);
  box->addLayout(checks);
  box->addWidget(switchTypeGroup_);
  box->addLayout(buttons);
  retranslate();
}

void InputControlDialog::openDialog(int productType, const MatrixState& matrices, int language) {
  model_.open(productType, matrices, language);
  std::vector<std::string> names = model_.sourceNames();
  fillQuietly(sources_, names, model_.sourceIndex());
  for (MatrixKind kind : kMatrixKinds) fillQuietly(inputList(kind), model_.inputNames(kind), model_.inputIndex(kind));
  sync();
  show();
  raise();
}

void InputControlDialog::sync() {
  {
    const QSignalBlocker block(sources_);
    sources_->setCurrentIndex(model_.sourceIndex());
  }
  const bool narrow = model_.kestrel() && model_.sourceListNarrow();
  sources_->setFixedWidth(narrow ? kNarrowSourceWidth : kSourceWidth);
  subSignal_->setVisible(narrow);
  subSignal_->setCurrentIndex(model_.subSignal());
  matrixUse_->setChecked(model_.matrixUse());
  singleScreen_->setChecked(model_.singleScreen());
  if (auto* b = switchTypeButtons_->button(model_.switchType())) b->setChecked(true);
  // SetMatrixDisplay.
  const InputControlModel::Display d = model_.display();
  for (MatrixKind kind : kMatrixKinds) {
    const bool shown = d.kind == kind;
    inputList(kind)->setVisible(shown);
    inputList(kind)->setEnabled(shown && d.enabled);
  }
  inputLabel_->setVisible(d.kind.has_value());
  inputLabel_->setEnabled(d.enabled);
  switchTypeGroup_->setVisible(d.kind.has_value());
  switchTypeGroup_->setEnabled(d.enabled);
}

void InputControlDialog::confirm() {
  if (const auto plan = model_.confirm(context_())) run_(*plan);
  hide();
}

void InputControlDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void InputControlDialog::retranslate() {
  setWindowTitle(tr("输入控制"));
  sourceLabel_->setText(tr("信号源"));
  inputLabel_->setText(tr("矩阵输入"));
  matrixUse_->setText(tr("使用矩阵"));
  singleScreen_->setText(tr("单屏模式"));
  switchTypeGroup_->setTitle(tr("矩阵切换类型"));
  switchTypes_[0]->setText(tr("视频+音频"));
  switchTypes_[1]->setText(tr("视频"));
  switchTypes_[2]->setText(tr("音频"));
  ok_->setText(tr("确 定"));
  cancel_->setText(tr("取 消"));
}

}  // namespace wall
