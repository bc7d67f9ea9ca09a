#include "gui/app/system_settings_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/app/qt_text.h"

namespace wall {

SystemSettingsDialog::SystemSettingsDialog(SystemSettingsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName("Form9");
  auto* fields = new QGridLayout;
  for (int f = 1; f <= 3; ++f) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString("Edit%1").arg(f));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, f](const QString& t) { fieldEdited(f, t); });
    editLabels_[static_cast<std::size_t>(f)] = new QLabel(this);
    unitLabels_[static_cast<std::size_t>(f)] = new QLabel(this);
    edits_[static_cast<std::size_t>(f)] = edit;
    fields->addWidget(editLabels_[static_cast<std::size_t>(f)], f - 1, 0);
    fields->addWidget(edit, f - 1, 1);
    fields->addWidget(unitLabels_[static_cast<std::size_t>(f)], f - 1, 2);
  }
  cmdFormLabel_ = new QLabel(this);
  cmdForm_ = new QComboBox(this);
  cmdForm_->setObjectName("suiComboBox1");
  switchOrderLabel_ = new QLabel(this);
  switchOrder_ = new QComboBox(this);
  switchOrder_->setObjectName("suiComboBox2");
  fields->addWidget(cmdFormLabel_, 3, 0);
  fields->addWidget(cmdForm_, 3, 1, 1, 2);
  fields->addWidget(switchOrderLabel_, 4, 0);
  fields->addWidget(switchOrder_, 4, 1, 1, 2);
  connect(cmdForm_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setCmdFormIndex(i); });
  connect(switchOrder_, &QComboBox::currentIndexChanged, this,
          [this](int i) { model_.setSwitchOrderIndex(i); });

  auto* checks = new QGridLayout;
  for (int b = 1; b <= 6; ++b) {
    auto* box = new QCheckBox(this);
    box->setObjectName(QString("suiCheckBox%1").arg(b));
    connect(box, &QCheckBox::clicked, this, [this, b](bool on) {
      model_.setChecked(b, on);
      sync();
    });
    boxes_[static_cast<std::size_t>(b)] = box;
    checks->addWidget(box, (b - 1) / 2, (b - 1) % 2);
  }
  // Roaming is chosen by the product, not here.
  boxes_[SystemSettingsModel::kRoaming]->setVisible(false);

  ok_ = new QPushButton(this);
  ok_->setObjectName("BitBtn1");
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("BitBtn2");
  connect(ok_, &QPushButton::clicked, this, [this] {
    model_.ok();
    hide();
  });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    model_.cancel();
    hide();
  });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* box = new QVBoxLayout(this);
  box->addLayout(fields);
  box->addLayout(checks);
  box->addLayout(buttons);
  retranslate();
  sync();
}

void SystemSettingsDialog::retranslate() {
  setWindowTitle(tr("系统设置"));
  editLabels_[1]->setText(tr("数据读取延时时间"));
  editLabels_[2]->setText(tr("智能开机间隔时间"));
  editLabels_[3]->setText(tr("矩阵控屏延时时间"));
  for (int f = 1; f <= 3; ++f) unitLabels_[static_cast<std::size_t>(f)]->setText(tr("* 10 (ms)"));
  cmdFormLabel_->setText(tr("控制指令格式"));
  switchOrderLabel_->setText(tr("控制顺序"));
  {
    const QSignalBlocker b1(cmdForm_);
    const QSignalBlocker b2(switchOrder_);
    cmdForm_->clear();
    cmdForm_->addItems({tr("7个字节"), tr("8个字节"), tr("9个字节"), tr("10个字节")});
    switchOrder_->clear();
    switchOrder_->addItems({tr("先切矩阵再切大屏"), tr("先切大屏再切矩阵")});
    cmdForm_->setCurrentIndex(model_.cmdFormIndex());
    switchOrder_->setCurrentIndex(model_.switchOrderIndex());
  }
  boxes_[1]->setText(tr("电脑开机时启动软件"));
  boxes_[2]->setText(tr("软件登录使用密码"));
  boxes_[3]->setText(tr("使用数据回读功能"));
  boxes_[4]->setText(tr("使用漫游功能"));
  boxes_[5]->setText(tr("切信号自动调整"));
  boxes_[6]->setText(tr("启动软件发送开机命令"));
  ok_->setText(tr("确 定"));
  cancel_->setText(tr("取 消"));
}

void SystemSettingsDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void SystemSettingsDialog::openDialog() {
  model_.open();
  sync();
  show();
  raise();
}

void SystemSettingsDialog::showEvent(QShowEvent* event) {
  model_.activate();
  sync();
  QDialog::showEvent(event);
}

void SystemSettingsDialog::sync() {
  for (int b = 1; b <= 6; ++b) {
    QCheckBox* box = boxes_[static_cast<std::size_t>(b)];
    const QSignalBlocker blocker(box);
    box->setChecked(model_.checked(b));
    box->setEnabled(model_.enabled(b));
  }
  for (int f = 1; f <= 3; ++f) {
    QLineEdit* edit = edits_[static_cast<std::size_t>(f)];
    const QString text = qs(model_.fieldText(f));
    if (edit->text() != text) edit->setText(text);
  }
  const QSignalBlocker b1(cmdForm_);
  const QSignalBlocker b2(switchOrder_);
  cmdForm_->setCurrentIndex(model_.cmdFormIndex());
  switchOrder_->setCurrentIndex(model_.switchOrderIndex());
}

bool SystemSettingsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Only typed characters are filtered; cursor and editing keys pass.
    if (!text.isEmpty() && text.at(0).isPrint() && !numericKeyAccepted(text.at(0).unicode())) {
      beep();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void SystemSettingsDialog::fieldEdited(int field, const QString& text) {
  const NumericFieldResult r = model_.fieldChanged(field, ss(text));
  QLineEdit* edit = edits_[static_cast<std::size_t>(field)];
  if (edit->text() != qs(r.text)) edit->setText(qs(r.text));
  if (r.beep) beep();
}

void SystemSettingsDialog::beep() {
  ++beeps_;
  QApplication::beep();
}

}  // namespace wall
