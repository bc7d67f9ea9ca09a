#pragma once
// One of the program's five serial ports (device 1 the wall port, 2 to 5 the
// matrix ports) in package mode: a write goes out on the line as exactly its
// bytes, in order; received bytes form one package until the line has been
// quiet for 50 ms; up to 16 received packages wait to be read.
//
// The port reads and writes on a thread of its own, so nothing the caller's
// thread does delays the line or stretches a quiet interval. Writing and
// reading are safe from any thread; settings, open and close block briefly
// until the port's thread has done them, and must not be called from a slot
// connected directly to this port's signals.
//
// A device that goes away while open (an adapter pulled out) puts the port in
// the Failed state: writes return 0, and the port reopens the same path by
// itself as soon as it is there again (looked at every 250 ms).

#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>

#include "core/link/port_open_failure.h"
#include "core/settings/port_settings.h"
#include "io/port_channel.h"

namespace wall {

class PortDevice;
class PortWorker;

// What became of a package handed to a port by a waiting writer.
enum class SendOutcome {
  Sent,       // queued for the line
  Dropped,    // the port is not open, or its queue stayed full
  Cancelled,  // the writer gave up while the queue was full
};

class SerialPort : public QObject {
  Q_OBJECT

 public:
  using Clock = std::chrono::steady_clock;

  explicit SerialPort(int device, QObject* parent = nullptr);
  ~SerialPort() override;
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  int device() const { return device_; }

  PortSettings settings() const;
  // A new path (port number or Device) closes the port first, as setting the
  // port number always did; new line values apply to an open port at once.
  // Values outside their tables close an open port (see checkPortSettings).
  void setSettings(const PortSettings& settings);

  // Opens the port with the settings in force. True when it is open; else
  // the port is closed and `failure`, when given, says why.
  bool open(PortOpenFailure* failure = nullptr);
  void close();

  PortState state() const { return channel_.state.load(); }
  bool isOpen() const { return state() == PortState::Open; }

  // Queues one package for the line. Returns `length` when queued; 0 when
  // the port is not open, its send queue (256 packages) is full, or the
  // package is empty or longer than 4096 bytes.
  std::size_t writePackage(const std::uint8_t* data, std::size_t length);
  std::size_t writePackage(const Bytes& bytes) { return writePackage(bytes.data(), bytes.size()); }

  // Queues one package, waiting while the send queue is full: until
  // `deadline`, or until `cancel` turns true. For the script runner, whose
  // sends must not be lost to a queue that a slow line is still emptying.
  SendOutcome writePackageWaiting(const Bytes& bytes, Clock::time_point deadline,
                                  const std::atomic<bool>* cancel = nullptr);

  // Takes the oldest received package, cut to `maximum` bytes (the rest of
  // it is discarded). Returns the count copied, 0 when none is waiting.
  std::size_t readPackage(std::uint8_t* buffer, std::size_t maximum);
  std::optional<Bytes> readPackage(std::size_t maximum = kPackageBytes);
  // As readPackage(), waiting up to `timeout` for a package to arrive.
  std::optional<Bytes> waitForPackage(std::chrono::milliseconds timeout, std::size_t maximum = kPackageBytes);
  std::size_t packagesWaiting() const { return channel_.received.size(); }
  // Received packages pushed out of the full queue by newer ones.
  std::uint64_t droppedPackages() const { return channel_.received.dropped(); }

  // Waits until every queued package has been handed to the system, or the
  // port is no longer open. False on timeout.
  bool waitForWritten(std::chrono::milliseconds timeout);

  // Demo mode: `device` stands in for the line (see PortDevice). Attach it
  // before the port is opened; it stays for the port's life.
  void attachDevice(std::shared_ptr<PortDevice> device);
  bool hasDevice() const { return simulated_ != nullptr; }
  // A package arrives as if from the line. Safe from any thread.
  void deliver(Bytes package);

 signals:
  // Emitted from the port's thread; connect with the default connection
  // type to receive it on your own thread. `message` says why a port failed.
  void stateChanged(wall::PortState state, const QString& message);
  void packageReceived();

 private:
  template <typename F>
  void onPortThread(F&& f);
  void requestSend();

  const int device_;
  PortChannel channel_;
  mutable std::mutex settingsMutex_;
  PortSettings settings_;
  QThread thread_;
  PortWorker* worker_;
  std::shared_ptr<PortDevice> simulated_;
};

}  // namespace wall
