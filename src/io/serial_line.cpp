#include "io/serial_line.h"

#include <termios.h>

#include <cerrno>
#include <cstring>

#include "core/link/port_open_failure.h"

namespace wall {

namespace {

constexpr QSerialPort::Parity kParities[] = {QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity,
                                             QSerialPort::MarkParity, QSerialPort::SpaceParity};
constexpr QSerialPort::StopBits kStopBits[] = {QSerialPort::OneStop, QSerialPort::TwoStop, QSerialPort::TwoStop};

struct Flow {
  bool rtsCts;
  bool xonOutput;
  bool xonInput;
};
// none, RTS/CTS, XON/XOFF, transmit-only XON/XOFF, RTS/CTS and XON/XOFF
constexpr Flow kFlows[] = {
    {false, false, false}, {true, false, false}, {false, true, true}, {false, true, false}, {true, true, true}};

}  // namespace

std::optional<SerialLine> serialLineFor(const PortSettings& s) {
  if (checkPortSettings(s) != PortSettingFault::None) return std::nullopt;
  SerialLine line;
  line.baud = *baudRate(s.baud);
  line.dataBits = static_cast<QSerialPort::DataBits>(s.byteSize);
  line.parity = kParities[s.parity];
  line.stopBits = kStopBits[s.stopBits];
  const Flow& flow = kFlows[s.flowControl];
  line.rtsCts = flow.rtsCts;
  line.xonOutput = flow.xonOutput;
  line.xonInput = flow.xonInput;
  return line;
}

void prepareSerialLine(QSerialPort& port, const SerialLine& line) {
  port.setBaudRate(line.baud);
  port.setDataBits(line.dataBits);
  port.setParity(line.parity);
  port.setStopBits(line.stopBits);
  port.setFlowControl(line.rtsCts ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
}

bool finishSerialLine(QSerialPort& port, const SerialLine& line, std::string& error) {
  if (!line.xonOutput && !line.xonInput) return true;
  termios t{};
  const int fd = static_cast<int>(port.handle());
  if (::tcgetattr(fd, &t) != 0) {
    error = std::strerror(errno);
    return false;
  }
  t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  if (line.xonOutput) t.c_iflag |= IXON;
  if (line.xonInput) t.c_iflag |= IXOFF;
  if (::tcsetattr(fd, TCSANOW, &t) != 0) {
    error = std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace wall
