#pragma once
// The settings of one of the five serial ports (devices 1 to 5), as stored in
// the sections "YbCommDevice1 Com Set" to "YbCommDevice5 Com Set", and the
// five port flags of the section "YbCommDevice".
//
// Values are kept as read: an index outside its table (a baud index of 20, a
// parity of 9) is stored and restored unchanged; the serial-port layer decides
// what it opens with (see baudRate()).

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace wall {

class SettingsFile;

struct PortSettings {
  std::int32_t portNo = 0;       // 1 = COM1 (/dev/ttyS0); 0 = not used
  std::int32_t baud = 6;         // index into the baud-rate table: 6 = 9600
  std::int32_t parity = 0;       // 0 none, 1 odd, 2 even, 3 mark, 4 space
  std::int32_t byteSize = 8;     // data bits, 5 to 8
  std::int32_t stopBits = 0;     // 0 one, 1 one and a half, 2 two
  std::int32_t flowControl = 0;  // 0 none, 1 RTS/CTS, 2 XON/XOFF, 3 transmit XON/XOFF, 4 both
  std::int32_t autoAnswer = 0;   // stored and restored only
  std::int32_t inBufSize = 8192;
  std::int32_t outBufSize = 8192;
  // Linux: the device path (for example a /dev/serial/by-id/ path). When
  // empty, portNo N stands for /dev/ttyS(N-1).
  std::string device;

  bool operator==(const PortSettings&) const = default;

  // Defaults of device 1 to 5: only the wall port (1) has a port number.
  static PortSettings defaultsFor(int device);
};

// The baud-rate table of the stored index: 0 110 ... 6 9600 ... 14 256000.
inline constexpr std::array<std::int32_t, 15> kBaudRates = {
    110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};

// The rate of a stored index, or nothing when the index is outside the table.
std::optional<std::int32_t> baudRate(std::int32_t index);

// "YbCommDevice1 Com Set" ... for device 1 to 5.
std::string portSection(int device);

// The path a port opens: the Device key when set, else /dev/ttyS(PortNo-1);
// empty when PortNo is 0 (or negative) and no Device is set.
std::string portPath(const PortSettings& settings);

PortSettings readPortSettings(SettingsFile& file, int device);

// Writes the nine keys in the order the earlier program wrote them: PortNo,
// Baud, Parity, ByteSize, StopBits, FlowControl, AutoAnswer, InBufSize,
// OutBufSize; then Device when it is set. All in one save.
void writePortSettings(SettingsFile& file, int device, const PortSettings& settings);

// The five port flags, section "YbCommDevice".
struct PortFlags {
  bool matrixUseComOnly = false;
  bool avUseComOnly = false;
  bool vgaUseComOnly = false;
  bool dviUseComOnly = false;
  bool yuvUseComOnly = false;
  bool operator==(const PortFlags&) const = default;
};

PortFlags readPortFlags(SettingsFile& file);
void writePortFlags(SettingsFile& file, const PortFlags& flags);

}  // namespace wall
