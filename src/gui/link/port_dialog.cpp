#include "gui/link/port_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/app/session.h"
#include "core/settings/settings_file.h"
#include "gui/link/port_ui.h"
#include "io/port_bank.h"

namespace wall {

namespace {
constexpr const char* kBoxNames[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"};
constexpr const char* kButtonNames[] = {"BitBtn2", "BitBtn3", "BitBtn4", "BitBtn7", "BitBtn8"};

std::array<int, 6> portNumbersOf(PortBank& ports) {
  std::array<int, 6> n{};
  for (int d = 1; d <= 5; ++d) n[static_cast<std::size_t>(d)] = ports.port(d).settings().portNo;
  return n;
}
}  // namespace

PortDialog::PortDialog(PortBank& ports, Session& session, QWidget* parent)
    : QDialog(parent), ports_(ports), session_(session), model_(portNumbersOf(ports)) {
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
  for (int d = 2; d <= 5; ++d) model_.setPortNumber(d, ports_.port(d).settings().portNo);
  model_.show(readPortFlags(session_.file()));
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
    if (ports_.port(d).settings().portNo != model_.portNumber(d)) setPortNumber(d, model_.portNumber(d));
  }
}

void PortDialog::setPortNumber(int device, int portNo) {
  PortSettings s = ports_.port(device).settings();
  s.portNo = portNo;
  ports_.port(device).close();  // a new port number closes the port
  ports_.port(device).setSettings(s);
}

void PortDialog::configure(int device) {
  if (configurePort(this, ports_.port(device), session_.file(), session_.language())) {
    model_.setPortNumber(device, ports_.port(device).settings().portNo);
  }
}

void PortDialog::save() {
  SettingsFile& file = session_.file();
  {
    SettingsFile::Batch batch(file);
    for (int d = 2; d <= 5; ++d) file.writeInt(portSection(d), "PortNo", ports_.port(d).settings().portNo);
    writePortFlags(file, model_.flags());
  }
  const PortOpeningUi ui = portOpeningUi(this);
  openPort(ports_.port(kWallDevice), file, session_.language(), ui);
  for (int d = 2; d <= 5; ++d) {
    if (ports_.port(d).settings().portNo != 0) openPort(ports_.port(d), file, session_.language(), ui);
  }
  emit saved();
  hide();
}

}  // namespace wall
