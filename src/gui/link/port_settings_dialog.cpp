#include "gui/link/port_settings_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "io/port_listing.h"

namespace wall {

namespace {
QComboBox* combo(QWidget* parent, const char* name, const QStringList& items) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->addItems(items);
  return c;
}
}  // namespace

PortSettingsDialog::PortSettingsDialog(int device, const PortSettings& current, const QString& error,
                                       QWidget* parent)
    : QDialog(parent), current_(current) {
  setObjectName("PortSettingsDialog");
  setWindowTitle(tr("串口设置") + QString(" %1").arg(device));
  path_ = new QComboBox(this);
  path_->setObjectName("portPath");
  path_->setEditable(true);
  for (const SerialPortEntry& e : listSerialPorts()) {
    path_->addItem(QString::fromStdString(e.path));
    const QString about = QString::fromStdString(e.description + " " + e.manufacturer).trimmed();
    if (!about.isEmpty()) path_->setItemData(path_->count() - 1, about, Qt::ToolTipRole);
  }
  QStringList rates;
  for (auto r : kBaudRates) rates << QString::number(r);
  baud_ = combo(this, "baudRate", rates);
  parity_ = combo(this, "parity", {tr("无"), tr("奇校验"), tr("偶校验"), tr("标记"), tr("空格")});
  dataBits_ = combo(this, "dataBits", {"5", "6", "7", "8"});
  stopBits_ = combo(this, "stopBits", {"1", "1.5", "2"});
  flow_ = combo(this, "flowControl",
                {tr("无"), "RTS/CTS", "XON/XOFF", tr("仅发送 XON/XOFF"), "RTS/CTS + XON/XOFF"});
  error_ = new QLabel(this);
  error_->setObjectName("portError");
  error_->setWordWrap(true);
  error_->setStyleSheet("color: #b00000;");
  error_->setText(error);
  error_->setVisible(!error.isEmpty());

  auto* form = new QFormLayout;
  form->addRow(tr("串口"), path_);
  form->addRow(tr("波特率"), baud_);
  form->addRow(tr("校验"), parity_);
  form->addRow(tr("数据位"), dataBits_);
  form->addRow(tr("停止位"), stopBits_);
  form->addRow(tr("流控制"), flow_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("portOk");
  buttons->button(QDialogButtonBox::Ok)->setText(tr("确  定"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("portCancel");
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("取  消"));
  connect(buttons, &QDialogButtonBox::accepted, this, &PortSettingsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &PortSettingsDialog::reject);
  auto* box = new QVBoxLayout(this);
  box->addLayout(form);
  box->addWidget(error_);
  box->addWidget(buttons);
  fill(current_);
}

void PortSettingsDialog::fill(const PortSettings& s) {
  const QString path = QString::fromStdString(portPath(s));
  if (!path.isEmpty() && path_->findText(path) < 0) path_->addItem(path);
  path_->setCurrentText(path);
  baud_->setCurrentIndex(baudRate(s.baud) ? s.baud : 6);
  parity_->setCurrentIndex(s.parity >= 0 && s.parity <= 4 ? s.parity : 0);
  dataBits_->setCurrentIndex(s.byteSize >= 5 && s.byteSize <= 8 ? s.byteSize - 5 : 3);
  stopBits_->setCurrentIndex(s.stopBits >= 0 && s.stopBits <= 2 ? s.stopBits : 0);
  flow_->setCurrentIndex(s.flowControl >= 0 && s.flowControl <= 4 ? s.flowControl : 0);
}

PortSettings PortSettingsDialog::chosen() const {
  PortSettings s = current_;
  const QString path = path_->currentText().trimmed();
  static const QRegularExpression ttyS("^/dev/ttyS(\\d+)$");
  const auto m = ttyS.match(path);
  if (m.hasMatch()) {
    // The classic numbering: PortNo N is /dev/ttyS(N-1).
    s.portNo = m.captured(1).toInt() + 1;
    s.device.clear();
  } else if (!path.isEmpty()) {
    s.device = path.toStdString();
    if (s.portNo <= 0) s.portNo = 1;  // in use: a port number of 0 means "not used"
  }
  s.baud = baud_->currentIndex();
  s.parity = parity_->currentIndex();
  s.byteSize = dataBits_->currentIndex() + 5;
  s.stopBits = stopBits_->currentIndex();
  s.flowControl = flow_->currentIndex();
  return s;
}

}  // namespace wall
