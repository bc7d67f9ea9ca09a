#pragma once
// The part of a serial port that lives on the port's own thread: it owns the
// QSerialPort, cuts received bytes into packages by the quiet interval, hands
// queued packages to the line, and reopens a device that went away.
// Every member runs on that thread; SerialPort is the face the rest of the
// program talks to.

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>
#include <optional>

#include "core/link/port_open_failure.h"
#include "io/port_channel.h"
#include "io/serial_line.h"

namespace wall {

class PortWorker : public QObject {
  Q_OBJECT

 public:
  PortWorker(int device, PortChannel& channel);

  // Closes the port and opens it with `settings`; the failure when it does
  // not open (the port is then closed).
  std::optional<PortOpenFailure> open(const PortSettings& settings);
  // Takes new settings. A new path closes the port; new line values apply to
  // an open port at once; values outside their tables close it.
  std::optional<PortOpenFailure> apply(const PortSettings& settings);
  void close();
  // Hands queued packages to the line (posted by writers).
  void sendQueued();

 signals:
  void stateChanged(wall::PortState state, const QString& message);
  void packageReceived();

 private:
  std::optional<PortOpenFailure> openLine();
  void onReadyRead();
  void onBytesWritten();
  void endPackage();
  void onError(QSerialPort::SerialPortError error);
  void loseDevice(const QString& why);
  void tryReopen();
  void setState(PortState state, const QString& message);
  PortState state() const { return channel_.state.load(); }

  const int device_;
  PortChannel& channel_;
  PortSettings settings_;
  QSerialPort* port_;
  QTimer* quiet_;
  QTimer* reopen_;
  Bytes current_;
  bool losing_ = false;
};

}  // namespace wall
