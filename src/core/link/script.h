#pragma once
// A Script is what every hardware operation of the program returns: an
// ordered list of steps (send bytes on a device, pause). Nothing in the core
// waits or touches a port; the runner in io/ executes scripts, the virtual
// runner replays them on a virtual clock for tests.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace wall {

using Bytes = std::vector<std::uint8_t>;

// Devices as the program numbers its serial ports: 1 is the wall port,
// 2 to 5 the matrix ports.
inline constexpr int kWallDevice = 1;
inline constexpr int kFirstDevice = 1;
inline constexpr int kLastDevice = 5;

struct SendStep {
  int device = kWallDevice;
  Bytes bytes;
  bool operator==(const SendStep&) const = default;
};

struct PauseStep {
  int ms = 0;
  bool operator==(const PauseStep&) const = default;
};

// New step kinds (the read-back's read step) are added as alternatives here;
// every visitor of a step handles them all, so the compiler points at each
// place that must learn the new kind.
using Step = std::variant<SendStep, PauseStep>;

class Script {
 public:
  Script() = default;

  Script& send(int device, Bytes bytes);
  Script& pause(int ms);
  Script& append(const Script& other);

  const std::vector<Step>& steps() const { return steps_; }
  bool empty() const { return steps_.empty(); }
  std::size_t size() const { return steps_.size(); }

  // Text form: one step per line, "send 1 FB B0 00 00 10 01 AE" and
  // "pause 200"; upper-case hexadecimal, a final newline after each line.
  std::string toText() const;

  bool operator==(const Script&) const = default;

 private:
  std::vector<Step> steps_;
};

// The hexadecimal text of bytes: two upper-case digits per byte, separated
// by single blanks ("FB B0 AE").
std::string hexText(const Bytes& bytes);

// Result of parsing a script's text form. On failure `script` holds the
// steps of the lines before the bad one and `error` names the line.
struct ScriptParse {
  Script script;
  std::string error;  // empty on success
  bool ok() const { return error.empty(); }
};

// Parses the text form. Blank lines and lines starting with '#' are skipped;
// keywords are case-insensitive; each byte must be one or two hexadecimal
// digits; a device is 1 to 5; a pause is 0 to 86,400,000 ms (one day).
ScriptParse parseScript(std::string_view text);

}  // namespace wall
