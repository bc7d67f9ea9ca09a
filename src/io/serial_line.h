#pragma once
// Puts a port's stored settings (the earlier program's ordinals) on a
// QSerialPort and its terminal.

#include <QSerialPort>
#include <optional>
#include <string>

#include "core/settings/port_settings.h"

namespace wall {

struct SerialLine {
  qint32 baud = 9600;
  QSerialPort::DataBits dataBits = QSerialPort::Data8;
  QSerialPort::Parity parity = QSerialPort::NoParity;
  QSerialPort::StopBits stopBits = QSerialPort::OneStop;
  bool rtsCts = false;
  bool xonOutput = false;  // we stop sending on XOFF
  bool xonInput = false;   // we send XOFF when our buffer fills
  bool operator==(const SerialLine&) const = default;
};

// The line for stored settings, or nothing when a value is outside its table
// (checkPortSettings() names it). 1.5 stop bits, which exist only with 5 data
// bits, become the UART's "two stop bits", which it sends as 1.5 at that size.
std::optional<SerialLine> serialLineFor(const PortSettings& settings);

// Before opening: the properties QSerialPort applies when it opens.
void prepareSerialLine(QSerialPort& port, const SerialLine& line);

// After opening: software flow control per direction, which QSerialPort
// cannot express (its "software" control is both directions plus IXANY).
// False, with the system's words in `error`, when the terminal refuses.
bool finishSerialLine(QSerialPort& port, const SerialLine& line, std::string& error);

}  // namespace wall
