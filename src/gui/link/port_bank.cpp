#include "gui/link/port_bank.h"

#include <QSerialPort>
#include <QTimer>

namespace wall {

struct PortBank::Port {
  PortSettings settings;
  QSerialPort* serial = nullptr;
  QTimer* quiet = nullptr;
  QByteArray gathering;
  std::deque<QByteArray> packages;
};

namespace {

QSerialPort::Parity parityOf(int p) {
  switch (p) {
    case 1: return QSerialPort::OddParity;
    case 2: return QSerialPort::EvenParity;
    case 3: return QSerialPort::MarkParity;
    case 4: return QSerialPort::SpaceParity;
    default: return QSerialPort::NoParity;
  }
}

QSerialPort::StopBits stopBitsOf(int s) {
  switch (s) {
    case 1: return QSerialPort::OneAndHalfStop;
    case 2: return QSerialPort::TwoStop;
    default: return QSerialPort::OneStop;
  }
}

QSerialPort::FlowControl flowOf(int f) {
  switch (f) {
    case 1: case 4: return QSerialPort::HardwareControl;
    case 2: case 3: return QSerialPort::SoftwareControl;
    default: return QSerialPort::NoFlowControl;
  }
}

bool validDevice(int device) { return device >= 1 && device <= 5; }

}  // namespace

PortBank::PortBank(QObject* parent) : QObject(parent) {
  for (int d = 1; d <= 5; ++d) {
    auto p = std::make_unique<Port>();
    p->settings = PortSettings::defaultsFor(d);
    p->serial = new QSerialPort(this);
    p->quiet = new QTimer(this);
    p->quiet->setSingleShot(true);
    p->quiet->setInterval(kPackageQuietMs);
    connect(p->serial, &QSerialPort::readyRead, this, [this, d] { onReadyRead(d); });
    connect(p->quiet, &QTimer::timeout, this, [this, d] { endPackage(d); });
    connect(p->serial, &QSerialPort::errorOccurred, this, [this, d](QSerialPort::SerialPortError e) {
      // A device that goes away while open (an adapter pulled out).
      if (e == QSerialPort::ResourceError) close(d);
    });
    ports_[static_cast<std::size_t>(d - 1)] = std::move(p);
  }
}

PortBank::~PortBank() = default;

PortBank::Port& PortBank::port(int device) { return *ports_[static_cast<std::size_t>(device - 1)]; }
const PortBank::Port& PortBank::port(int device) const {
  return *ports_[static_cast<std::size_t>(device - 1)];
}

const PortSettings& PortBank::settings(int device) const {
  static const PortSettings none;
  return validDevice(device) ? port(device).settings : none;
}

void PortBank::setSettings(int device, const PortSettings& settings) {
  if (!validDevice(device)) return;
  close(device);
  port(device).settings = settings;
}

void PortBank::setPortNumber(int device, int portNo) {
  if (!validDevice(device)) return;
  close(device);
  port(device).settings.portNo = portNo;
}

bool PortBank::open(int device, QString* error) {
  if (!validDevice(device)) return false;
  Port& p = port(device);
  if (p.serial->isOpen()) return true;
  const std::string path = portPath(p.settings);
  auto fail = [&](const QString& text) {
    if (error) *error = text;
    emit stateChanged(device);
    return false;
  };
  if (path.empty()) return fail(tr("串口未设置"));
  const auto rate = baudRate(p.settings.baud);
  if (!rate) return fail(tr("无效的波特率: %1").arg(p.settings.baud));
  if (p.settings.byteSize < 5 || p.settings.byteSize > 8) {
    return fail(tr("无效的数据位: %1").arg(p.settings.byteSize));
  }
  p.serial->setPortName(QString::fromStdString(path));
  p.serial->setBaudRate(*rate);
  p.serial->setDataBits(static_cast<QSerialPort::DataBits>(p.settings.byteSize));
  p.serial->setParity(parityOf(p.settings.parity));
  p.serial->setStopBits(stopBitsOf(p.settings.stopBits));
  p.serial->setFlowControl(flowOf(p.settings.flowControl));
  p.serial->setReadBufferSize(p.settings.inBufSize > 0 ? p.settings.inBufSize : 0);
  if (!p.serial->open(QIODevice::ReadWrite)) {
    return fail(QString::fromStdString(path) + ": " + p.serial->errorString());
  }
  p.gathering.clear();
  p.packages.clear();
  emit stateChanged(device);
  return true;
}

void PortBank::close(int device) {
  if (!validDevice(device)) return;
  Port& p = port(device);
  p.quiet->stop();
  const bool wasOpen = p.serial->isOpen();
  if (wasOpen) p.serial->close();
  p.gathering.clear();
  if (wasOpen) emit stateChanged(device);
}

bool PortBank::isOpen(int device) const { return validDevice(device) && port(device).serial->isOpen(); }

qint64 PortBank::writePackage(int device, const QByteArray& bytes) {
  if (!isOpen(device) || bytes.size() > kPackageMaxBytes) return 0;
  return port(device).serial->write(bytes);
}

QByteArray PortBank::readPackage(int device, int maximum) {
  if (!validDevice(device)) return {};
  Port& p = port(device);
  if (p.packages.empty()) return {};
  QByteArray package = p.packages.front().left(maximum);
  p.packages.pop_front();
  return package;
}

void PortBank::onReadyRead(int device) {
  Port& p = port(device);
  p.gathering += p.serial->readAll();
  // A burst longer than a package is cut into packages of the largest size.
  while (p.gathering.size() >= kPackageMaxBytes) {
    p.packages.push_back(p.gathering.left(kPackageMaxBytes));
    p.gathering.remove(0, kPackageMaxBytes);
    if (p.packages.size() > kPackageQueue) p.packages.pop_front();
  }
  p.quiet->start();
}

void PortBank::endPackage(int device) {
  Port& p = port(device);
  if (p.gathering.isEmpty()) return;
  p.packages.push_back(p.gathering);
  p.gathering.clear();
  if (p.packages.size() > kPackageQueue) p.packages.pop_front();
}

}  // namespace wall
