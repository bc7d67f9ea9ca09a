#include "gui/link/port_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/settings/settings_file.h"
#include "gui/link/port_bank.h"
#include "gui/link/port_opening.h"

namespace wall {

namespace {
constexpr const char* kBoxNames[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"};
constexpr const char* kButtonNames[] = {"BitBtn2", "BitBtn3", "BitBtn4", "BitBtn7", "BitBtn8"};

std::array<int, 6> portNumbersOf(const PortBank& ports) {
  std::array<int, 6> n{};
  for (int d = 1; d <= 5; ++d) n[static_cast<std::size_t>(d)] = ports.settings(d).portNo;
  return n;
}
}  // namespace

PortDialog::PortDialog(PortBank& ports, SettingsFile& file, QWidget* parent)
    : QDialog(parent), ports_(ports), file_(file), model_(portNumbersOf(ports)) {
  setObjectName("Form27");
  auto* grid = new QGridLayout;
  wallLabel_ = new QLabel(this);
  wallLabel_->setObjectName("Label1");
  wallButton_ = new QPushButton(this);
  wallButton_->setObjectName("BitBtn1");
  grid->addWidget(wallLabel_, 0, 0);
  grid->addWidget(wallButton_, 0, 1);
  connect(wallButton_, &QPushButton::clicked, this, [this] { configure(1); });
  for (int b = 0; b < PortDialogModel::kBoxes; ++b) {
    auto* box = new QCheckBox(this);
    box->setObjectName(kBoxNames[b]);
    auto* button = new QPushButton(this);
    button->setObjectName(kButtonNames[b]);
    button->setEnabled(false);
    grid->addWidget(box, b + 1, 0);
    grid->addWidget(button, b + 1, 1);
    connect(box, &QCheckBox::clicked, this, [this, b](bool on) { boxClicked(b, on); });
    connect(button, &QPushButton::clicked, this, [this, b] { configure(PortDialogModel::deviceOf(b)); });
    boxes_[static_cast<std::size_t>(b)] = box;
    buttons_[static_cast<std::size_t>(b)] = button;
  }
  save_ = new QPushButton(this);
  save_->setObjectName("BitBtn6");
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("BitBtn5");
  connect(save_, &QPushButton::clicked, this, &PortDialog::save);
  connect(cancel_, &QPushButton::clicked, this, &PortDialog::hide);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(save_);
  row->addWidget(cancel_);
  auto* box = new QVBoxLayout(this);
  box->addLayout(grid);
  box->addLayout(row);
  retranslate();
}

void PortDialog::retranslate() {
  setWindowTitle(tr("串口设置"));
  wallLabel_->setText(tr("大屏幕串口设置"));
  wallButton_->setText(tr("串口设置"));
  const QString boxTexts[] = {tr("矩阵使用独立串口"), tr("AV矩阵使用独立串口"), tr("VGA矩阵使用独立串口"),
                              tr("DVI矩阵使用独立串口"), tr("YPbPr矩阵使用独立串口")};
  for (std::size_t b = 0; b < boxes_.size(); ++b) {
    boxes_[b]->setText(boxTexts[b]);
    buttons_[b]->setText(tr("串口设置"));
  }
  save_->setText(tr("保  存"));
  cancel_->setText(tr("取  消"));
}

void PortDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void PortDialog::showEvent(QShowEvent* event) {
  // The flags come from the file each time; the port numbers stay as the
  // ports hold them.
  for (int d = 2; d <= 5; ++d) model_.setPortNumber(d, ports_.settings(d).portNo);
  model_.show(readPortFlags(file_));
  sync();
  QDialog::showEvent(event);
}

void PortDialog::boxClicked(int box, bool on) {
  model_.setChecked(box, on);
  sync();
}

void PortDialog::sync() {
  for (int b = 0; b < PortDialogModel::kBoxes; ++b) {
    const QSignalBlocker blocker(boxes_[static_cast<std::size_t>(b)]);
    boxes_[static_cast<std::size_t>(b)]->setChecked(model_.checked(b));
    buttons_[static_cast<std::size_t>(b)]->setEnabled(model_.buttonEnabled(b));
  }
  // A port number set to 0 closes that port at once.
  for (int d = 2; d <= 5; ++d) {
    if (ports_.settings(d).portNo != model_.portNumber(d)) ports_.setPortNumber(d, model_.portNumber(d));
  }
}

void PortDialog::configure(int device) {
  if (configurePort(this, ports_, file_, device)) model_.setPortNumber(device, ports_.settings(device).portNo);
}

void PortDialog::save() {
  {
    SettingsFile::Batch batch(file_);
    for (int d = 2; d <= 5; ++d) file_.writeInt(portSection(d), "PortNo", ports_.settings(d).portNo);
    writePortFlags(file_, model_.flags());
  }
  openPortProcedure(this, ports_, file_, 1);
  for (int d = 2; d <= 5; ++d) {
    if (ports_.settings(d).portNo != 0) openPortProcedure(this, ports_, file_, d);
  }
  emit saved();
  hide();
}

}  // namespace wall
