#pragma once
// The five serial ports of the program (device 1 the wall port, 2 to 5 the
// matrix ports) in package mode: a write goes out as exactly its bytes, and
// received bytes form a package that ends after 50 ms of quiet; up to 16
// packages of at most 4096 bytes wait to be read, the oldest giving way.
//
// A thin front over QSerialPort on the user-interface thread, the calls the
// windows make of the port layer.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <array>
#include <deque>
#include <memory>

#include "core/settings/port_settings.h"

class QSerialPort;
class QTimer;

namespace wall {

inline constexpr int kPackageQuietMs = 50;
inline constexpr int kPackageQueue = 16;
inline constexpr int kPackageMaxBytes = 4096;

class PortBank : public QObject {
  Q_OBJECT
 public:
  explicit PortBank(QObject* parent = nullptr);
  ~PortBank() override;

  const PortSettings& settings(int device) const;
  // New settings close the port first, as a new port number does.
  void setSettings(int device, const PortSettings& settings);
  // Setting a port number (0 included) closes the port.
  void setPortNumber(int device, int portNo);

  // Opens with the device's settings; false with the system's message.
  bool open(int device, QString* error = nullptr);
  void close(int device);
  bool isOpen(int device) const;

  // Queues the bytes as one package; 0 when the port is closed.
  qint64 writePackage(int device, const QByteArray& bytes);
  // The oldest received package cut to `maximum` bytes; empty when none.
  QByteArray readPackage(int device, int maximum = kPackageMaxBytes);

 signals:
  void stateChanged(int device);

 private:
  struct Port;
  Port& port(int device);
  const Port& port(int device) const;
  void onReadyRead(int device);
  void endPackage(int device);

  std::array<std::unique_ptr<Port>, 5> ports_;
};

}  // namespace wall
