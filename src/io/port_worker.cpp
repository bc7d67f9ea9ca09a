#include "io/port_worker.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace wall {

namespace {

// While the device is away its path is looked at this often; a device that
// comes back is open again within two of these.
constexpr int kReopenPollMs = 250;
// Bytes given to QSerialPort ahead of the line. The rest wait in the send
// queue, where they count against its limit.
constexpr qint64 kHandOverBytes = 16 * 1024;

bool pathExists(const std::string& path, int& error) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return true;
  error = errno;
  return false;
}

}  // namespace

PortWorker::PortWorker(int device, PortChannel& channel)
    : device_(device),
      channel_(channel),
      settings_(PortSettings::defaultsFor(device)),
      port_(new QSerialPort(this)),
      quiet_(new QTimer(this)),
      reopen_(new QTimer(this)) {
  // A coarse timer could end a package up to 5% late, and could split one
  // early; the quiet interval is part of the line protocol.
  quiet_->setTimerType(Qt::PreciseTimer);
  quiet_->setSingleShot(true);
  quiet_->setInterval(kPackageQuietMs);
  reopen_->setInterval(kReopenPollMs);
  connect(quiet_, &QTimer::timeout, this, &PortWorker::endPackage);
  connect(reopen_, &QTimer::timeout, this, &PortWorker::tryReopen);
  connect(port_, &QSerialPort::readyRead, this, &PortWorker::onReadyRead);
  connect(port_, &QSerialPort::bytesWritten, this, &PortWorker::onBytesWritten);
  connect(port_, &QSerialPort::errorOccurred, this, &PortWorker::onError);
}

std::optional<PortOpenFailure> PortWorker::open(const PortSettings& settings) {
  close();
  settings_ = settings;
  auto failure = openLine();
  if (!failure) setState(PortState::Open, {});
  return failure;
}

std::optional<PortOpenFailure> PortWorker::apply(const PortSettings& settings) {
  const bool samePath = portPath(settings) == portPath(settings_);
  settings_ = settings;
  if (state() == PortState::Closed) return std::nullopt;
  if (!samePath) {
    // Choosing another port closes the one in use, as it always has.
    close();
    return std::nullopt;
  }
  PortOpenFailure failure;
  if (settingFailure(device_, settings_, failure)) {
    close();
    return failure;
  }
  if (state() == PortState::Open) {
    const SerialLine line = *serialLineFor(settings_);
    prepareSerialLine(*port_, line);
    std::string error;
    if (!finishSerialLine(*port_, line, error)) {
      close();
      failure = PortOpenFailure{device_, portPath(settings_), PortOpenProblem::Other, {}, 0, error};
      return failure;
    }
  }
  return std::nullopt;
}

void PortWorker::close() {
  reopen_->stop();
  quiet_->stop();
  // Bytes already received are a package even though the quiet interval
  // was cut short.
  endPackage();
  if (port_->isOpen()) port_->close();
  channel_.toSend.clear();
  channel_.unwritten = 0;
  if (state() != PortState::Closed) setState(PortState::Closed, {});
}

std::optional<PortOpenFailure> PortWorker::openLine() {
  PortOpenFailure failure;
  failure.device = device_;
  failure.path = portPath(settings_);
  if (failure.path.empty()) {
    failure.problem = PortOpenProblem::NotUsed;
    return failure;
  }
  if (settingFailure(device_, settings_, failure)) return failure;

  int error = 0;
  if (!pathExists(failure.path, error)) {
    failure.problem = error == EACCES ? PortOpenProblem::NoPermission : PortOpenProblem::NotFound;
    return failure;
  }
  const SerialLine line = *serialLineFor(settings_);
  port_->setPortName(QString::fromStdString(failure.path));
  prepareSerialLine(*port_, line);
  if (!port_->open(QIODevice::ReadWrite)) {
    switch (port_->error()) {
      case QSerialPort::DeviceNotFoundError:
        failure.problem = PortOpenProblem::NotFound;
        break;
      case QSerialPort::PermissionError:
        // QSerialPort says "permission" also when another program holds the
        // port (its lock file, or the terminal's exclusive mode).
        failure.problem = ::access(failure.path.c_str(), R_OK | W_OK) == 0 ? PortOpenProblem::Busy
                                                                          : PortOpenProblem::NoPermission;
        break;
      default:
        failure.problem = PortOpenProblem::Other;
        failure.detail = port_->errorString().toStdString();
        break;
    }
    return failure;
  }
  std::string detail;
  if (!finishSerialLine(*port_, line, detail)) {
    port_->close();
    failure.problem = PortOpenProblem::Other;
    failure.detail = detail;
    return failure;
  }
  port_->clear();
  current_.clear();
  // Nothing written while the port was closed or away may go out late.
  channel_.toSend.clear();
  channel_.unwritten = 0;
  return std::nullopt;
}

void PortWorker::onReadyRead() {
  const QByteArray data = port_->readAll();
  if (data.isEmpty()) return;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.constData());
  std::size_t left = static_cast<std::size_t>(data.size());
  while (left > 0) {
    const std::size_t room = kPackageBytes - current_.size();
    const std::size_t take = left < room ? left : room;
    current_.insert(current_.end(), bytes, bytes + take);
    bytes += take;
    left -= take;
    // A burst longer than a package goes on in the next one.
    if (current_.size() == kPackageBytes) endPackage();
  }
  quiet_->start();
}

void PortWorker::endPackage() {
  if (current_.empty()) return;
  channel_.received.pushDroppingOldest(std::move(current_));
  current_.clear();
  emit packageReceived();
}

void PortWorker::sendQueued() {
  // `sending` covers the moment when a package has left the queue but is
  // not yet counted as unwritten (SerialPort::waitForWritten looks at both).
  channel_.sending = true;
  channel_.sendRequested = false;
  if (state() != PortState::Open) {
    channel_.toSend.clear();
  } else {
    while (port_->bytesToWrite() < kHandOverBytes) {
      auto package = channel_.toSend.tryPop();
      if (!package) break;
      port_->write(reinterpret_cast<const char*>(package->data()), static_cast<qint64>(package->size()));
    }
    channel_.unwritten = port_->bytesToWrite();
  }
  channel_.sending = false;
}

void PortWorker::onBytesWritten() {
  channel_.unwritten = port_->bytesToWrite();
  if (channel_.toSend.size() > 0) sendQueued();
}

void PortWorker::onError(QSerialPort::SerialPortError error) {
  const bool lineBroke = error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
                         error == QSerialPort::WriteError;
  if (!lineBroke || state() != PortState::Open || losing_) return;
  // A terminal that was hung up (an adapter pulled out, the far end of a
  // pseudo-terminal closed) reads as end-of-file or fails with EIO, and
  // keeps doing so: close it once, outside QSerialPort's own handler.
  losing_ = true;
  const QString why = port_->errorString();
  QMetaObject::invokeMethod(this, [this, why] { loseDevice(why); }, Qt::QueuedConnection);
}

void PortWorker::loseDevice(const QString& why) {
  losing_ = false;
  if (state() != PortState::Open) return;
  quiet_->stop();
  endPackage();
  port_->close();
  channel_.toSend.clear();
  channel_.unwritten = 0;
  setState(PortState::Failed, why);
  reopen_->start();
}

void PortWorker::tryReopen() {
  if (state() != PortState::Failed) {
    reopen_->stop();
    return;
  }
  int error = 0;
  if (!pathExists(portPath(settings_), error)) return;
  if (openLine()) return;  // not yet: a node without its permissions, a busy port ...
  reopen_->stop();
  setState(PortState::Open, {});
}

void PortWorker::setState(PortState s, const QString& message) {
  channel_.state = s;
  emit stateChanged(s, message);
}

}  // namespace wall
