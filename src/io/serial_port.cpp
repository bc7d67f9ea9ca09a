#include "io/serial_port.h"

#include "io/port_device.h"

#include <sys/prctl.h>

#include <thread>

#include "io/port_worker.h"

namespace wall {

namespace {
// How long a waiting writer sleeps between looks at a cancel flag.
constexpr auto kCancelLook = std::chrono::milliseconds(10);
}  // namespace

SerialPort::SerialPort(int device, QObject* parent)
    : QObject(parent), device_(device), settings_(PortSettings::defaultsFor(device)), worker_(new PortWorker(device, channel_)) {
  thread_.setObjectName(QStringLiteral("serial port %1").arg(device));
  worker_->moveToThread(&thread_);
  connect(worker_, &PortWorker::stateChanged, this, &SerialPort::stateChanged, Qt::DirectConnection);
  connect(worker_, &PortWorker::packageReceived, this, &SerialPort::packageReceived, Qt::DirectConnection);
  // The quiet interval that ends a package is timed on this thread: no
  // timer slack on it.
  connect(&thread_, &QThread::started, worker_, [] { ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL); },
          Qt::DirectConnection);
  thread_.start();
}

SerialPort::~SerialPort() {
  // A port being destroyed says nothing more.
  disconnect(worker_, nullptr, this, nullptr);
  onPortThread([this] {
    worker_->close();
    delete worker_;
  });
  thread_.quit();
  thread_.wait();
}

template <typename F>
void SerialPort::onPortThread(F&& f) {
  if (QThread::currentThread() == &thread_) {
    f();
  } else {
    QMetaObject::invokeMethod(worker_, std::forward<F>(f), Qt::BlockingQueuedConnection);
  }
}

PortSettings SerialPort::settings() const {
  std::lock_guard lock(settingsMutex_);
  return settings_;
}

void SerialPort::setSettings(const PortSettings& settings) {
  {
    std::lock_guard lock(settingsMutex_);
    settings_ = settings;
  }
  onPortThread([this, &settings] { worker_->apply(settings); });
}

bool SerialPort::open(PortOpenFailure* failure) {
  if (simulated_) {
    channel_.state = PortState::Open;
    emit stateChanged(PortState::Open, {});
    return true;
  }
  const PortSettings s = settings();
  std::optional<PortOpenFailure> result;
  onPortThread([this, &s, &result] { result = worker_->open(s); });
  if (result && failure) *failure = *result;
  return !result;
}

void SerialPort::close() {
  if (simulated_) {
    channel_.state = PortState::Closed;
    emit stateChanged(PortState::Closed, {});
    return;
  }
  onPortThread([this] { worker_->close(); });
}

void SerialPort::requestSend() {
  if (!channel_.sendRequested.exchange(true)) {
    QMetaObject::invokeMethod(worker_, &PortWorker::sendQueued, Qt::QueuedConnection);
  }
}

std::size_t SerialPort::writePackage(const std::uint8_t* data, std::size_t length) {
  if (length == 0 || length > kPackageBytes || !isOpen()) return 0;
  if (simulated_) {
    simulated_->receive(device_, Bytes(data, data + length));
    return length;
  }
  if (!channel_.toSend.tryPush(Bytes(data, data + length))) return 0;
  requestSend();
  return length;
}

SendOutcome SerialPort::writePackageWaiting(const Bytes& bytes, Clock::time_point deadline,
                                            const std::atomic<bool>* cancel) {
  if (bytes.empty() || bytes.size() > kPackageBytes) return SendOutcome::Dropped;
  if (simulated_ && isOpen()) {
    simulated_->receive(device_, bytes);
    return SendOutcome::Sent;
  }
  while (true) {
    if (!isOpen()) return SendOutcome::Dropped;
    if (channel_.toSend.tryPush(bytes)) {
      requestSend();
      return SendOutcome::Sent;
    }
    if (cancel && cancel->load()) return SendOutcome::Cancelled;
    const auto now = Clock::now();
    if (now >= deadline) return SendOutcome::Dropped;
    channel_.toSend.waitForRoom(std::min(deadline, now + kCancelLook));
  }
}

std::size_t SerialPort::readPackage(std::uint8_t* buffer, std::size_t maximum) {
  auto package = readPackage(maximum);
  if (!package) return 0;
  std::copy(package->begin(), package->end(), buffer);
  return package->size();
}

std::optional<Bytes> SerialPort::readPackage(std::size_t maximum) {
  auto package = channel_.received.tryPop();
  if (package && package->size() > maximum) package->resize(maximum);
  return package;
}

std::optional<Bytes> SerialPort::waitForPackage(std::chrono::milliseconds timeout, std::size_t maximum) {
  auto package = channel_.received.popUntil(Clock::now() + timeout);
  if (package && package->size() > maximum) package->resize(maximum);
  return package;
}

bool SerialPort::waitForWritten(std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (isOpen() && (channel_.toSend.size() > 0 || channel_.sendRequested || channel_.sending ||
                      channel_.unwritten > 0)) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

void SerialPort::attachDevice(std::shared_ptr<PortDevice> device) {
  close();
  simulated_ = std::move(device);
}

void SerialPort::deliver(Bytes package) {
  if (package.empty()) return;
  channel_.received.pushDroppingOldest(std::move(package));
  emit packageReceived();
}

}  // namespace wall
