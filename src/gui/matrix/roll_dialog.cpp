#include "gui/matrix/roll_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/app/numeric_field.h"
#include "gui/app/qt_text.h"

namespace wall {

namespace {

constexpr int kGridRows = 31;  // the item grid shows 31 items
constexpr int kTickMs = 1000;

}  // namespace

RollDialog::RollDialog(SettingsFile& file, bool onOff, Sender send, FlagsSource flags, OnOffChanged onOffChanged,
                       QWidget* parent)
    : QDialog(parent),
      file_(file),
      send_(std::move(send)),
      flags_(std::move(flags)),
      onOffChanged_(std::move(onOffChanged)) {
  setObjectName("Form35");
  timer_ = new QTimer(this);
  timer_->setObjectName("rollTimer");
  timer_->setInterval(kTickMs);
  connect(timer_, &QTimer::timeout, this, &RollDialog::tick);

  groupCountLabel_ = new QLabel(this);
  groupCount_ = numericEdit("groupCountEdit", kRollGroups, &model_.groupCountField);
  groupCountOk_ = new QPushButton(this);
  groupCountOk_->setObjectName("groupCountOk");
  connect(groupCountOk_, &QPushButton::clicked, this, [this] {
    model_.confirmGroupCount();
    showGroups();
  });
  intervalLabel_ = new QLabel(this);
  interval_ = numericEdit("intervalEdit", kRollMaxInterval, &model_.intervalField);

  groups_ = new QListWidget(this);
  groups_->setObjectName("groupList");
  connect(groups_, &QListWidget::currentRowChanged, this, [this](int row) {
    model_.selectGroup(row);
    showItems();
  });
  connect(groups_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    model_.setGroupEnabled(groups_->row(item), item->checkState() == Qt::Checked);
  });

  items_ = new QTableWidget(kGridRows, 6, this);
  items_->setObjectName("itemGrid");
  items_->setHorizontalHeaderLabels({"NO.", "Name", "Type", "Addr", "IN", "OUT"});
  items_->verticalHeader()->hide();
  items_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  items_->setSelectionBehavior(QAbstractItemView::SelectRows);

  custom_ = new QGroupBox(this);
  custom_->setObjectName("customGroup");
  brand_ = new QComboBox(custom_);
  brand_->setObjectName("brandList");
  for (const char* b : kRollBrands) brand_->addItem(QString::fromLatin1(b));
  type_ = new QComboBox(custom_);
  type_->setObjectName("typeList");
  for (const char* t : kRollTypes) type_->addItem(QString::fromLatin1(t));
  address_ = new QComboBox(custom_);
  address_->setObjectName("addressList");
  for (int a = 0; a <= 255; ++a) address_->addItem(QString::number(a));
  connect(brand_, &QComboBox::activated, this, [this](int i) { model_.brandField = i; });
  connect(type_, &QComboBox::activated, this, [this](int i) { model_.typeField = i; });
  connect(address_, &QComboBox::activated, this, [this](int i) { model_.addressField = i; });
  input_ = numericEdit("inputEdit", kRollMaxPort, &model_.inputField);
  output_ = numericEdit("outputEdit", kRollMaxPort, &model_.outputField);
  add_ = new QPushButton("+", custom_);
  add_->setObjectName("addButton");
  remove_ = new QPushButton("-", custom_);
  remove_->setObjectName("removeButton");
  connect(add_, &QPushButton::clicked, this, [this] {
    if (const auto notice = model_.addItem()) {
      QMessageBox::information(this, tr("信息提示框"), qs(notice->in(language_)));
      return;
    }
    showGroups();
    showItems();
  });
  connect(remove_, &QPushButton::clicked, this, [this] {
    const auto rows = items_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    if (model_.removeItem(rows.front().row())) showItems();
  });
  auto* fields = new QGridLayout(custom_);
  QWidget* editors[] = {brand_, type_, address_, input_, output_};
  for (int i = 0; i < 5; ++i) {
    fieldLabels_[i] = new QLabel(custom_);
    fields->addWidget(fieldLabels_[i], 0, i);
    fields->addWidget(editors[i], 1, i);
  }
  fields->addWidget(add_, 1, 5);
  fields->addWidget(remove_, 1, 6);

  start_ = new QCheckBox(this);
  start_->setObjectName("startBox");
  connect(start_, &QCheckBox::clicked, this, [this](bool on) { setRunning(on); });

  auto* top = new QHBoxLayout;
  top->addWidget(groupCountLabel_);
  top->addWidget(groupCount_);
  top->addWidget(groupCountOk_);
  top->addWidget(intervalLabel_);
  top->addWidget(interval_);
  top->addWidget(start_);
  auto* middle = new QHBoxLayout;
  middle->addWidget(groups_);
  middle->addWidget(items_, 1);
  auto* box = new QVBoxLayout(this);
  box->addLayout(top);
  box->addLayout(middle, 1);
  box->addWidget(custom_);
  retranslate();

  model_.readConfig(file_);
  groupCount_->setText(QString::number(model_.groupCountField));
  interval_->setText(QString::number(model_.intervalField));
  input_->setText(QString::number(model_.inputField));
  output_->setText(QString::number(model_.outputField));
  showGroups();
  groups_->setCurrentRow(0);
  if (onOff) setRunning(true);
}

QLineEdit* RollDialog::numericEdit(const char* name, int maximum, int* field) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  connect(edit, &QLineEdit::textChanged, this, [this, edit, maximum, field](const QString& text) {
    const NumericFieldResult r = rollFieldChanged(ss(text), maximum);
    if (r.beep) {
      ++beeps_;
      QApplication::beep();
    }
    if (r.value) *field = *r.value;
    if (qs(r.text) != text) {
      const QSignalBlocker block(edit);
      edit->setText(qs(r.text));
    }
  });
  return edit;
}

void RollDialog::showGroups() {
  const QSignalBlocker block(groups_);
  const int current = groups_->currentRow();
  while (groups_->count() < model_.listedGroups()) groups_->addItem(QString());
  for (int g = 0; g < groups_->count(); ++g) {
    QListWidgetItem* item = groups_->item(g);
    item->setText(qs(rollGroupName(g)));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(model_.group(g).enabled ? Qt::Checked : Qt::Unchecked);
  }
  groups_->setCurrentRow(current);
}

void RollDialog::showItems() {
  items_->clearContents();
  const RollGroup& g = model_.group(std::max(model_.selectedGroup(), 0));
  const int shown = std::min(static_cast<int>(g.items.size()), kGridRows);
  for (int j = 0; j < shown; ++j) {
    const RollItem& it = g.items[static_cast<std::size_t>(j)];
    const int values[] = {j, it.brand, it.type, it.address, it.input, it.output};
    for (int c = 0; c < 6; ++c) items_->setItem(j, c, new QTableWidgetItem(QString::number(values[c])));
  }
}

bool RollDialog::setRunning(bool on) {
  if (on) {
    if (model_.start()) {
      timer_->start();
    } else {
      model_.stop();
    }
  } else {
    timer_->stop();
    model_.stop();
  }
  const bool running = model_.running();
  {
    const QSignalBlocker block(start_);
    start_->setChecked(running);
  }
  custom_->setEnabled(!running);
  groups_->setEnabled(!running);
  onOffChanged_(running);
  return running;
}

void RollDialog::tick() {
  const Script script = model_.tick(flags_());
  if (!script.empty()) send_(script);
}

void RollDialog::openDialog(int language) {
  language_ = language;
  show();
  raise();
}

void RollDialog::hideEvent(QHideEvent* event) {
  // Closing the dialog saves the configuration; polling goes on.
  model_.writeConfig(file_);
  QDialog::hideEvent(event);
}

void RollDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void RollDialog::retranslate() {
  setWindowTitle(tr("矩阵轮询设置"));
  groupCountLabel_->setText(tr("轮询总组数"));
  groupCountOk_->setText(tr("确定"));
  intervalLabel_->setText(tr("组间间隔(秒)"));
  custom_->setTitle(tr("自定义设置"));
  fieldLabels_[0]->setText(tr("矩阵品牌"));
  fieldLabels_[1]->setText(tr("切换类型"));
  fieldLabels_[2]->setText(tr("矩阵地址"));
  fieldLabels_[3]->setText(tr("输入"));
  fieldLabels_[4]->setText(tr("输出"));
  start_->setText(tr("勾选            启用轮询"));
}

}  // namespace wall
