#pragma once
// A Script is what every hardware operation of the program returns: an
// ordered list of steps (send bytes on a device, pause, read a reply). Nothing in the core
// waits or touches a port; the runner in io/ executes scripts, the virtual
// runner replays them on a virtual clock for tests.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/link/bytes.h"
#include "core/link/read_reply.h"

namespace wall {

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

// The read-back's wait for a reply: poll the device up to `polls` times,
// 10 ms apart, taking one received package (at most 20 bytes of it) per
// poll; a package that is not the expected reply is consumed and dropped.
// After the last poll or the reply, wait `waitMs` more. A read is never cut
// short by a cancel: the runner stops between steps, so a multi-read ends
// between two reads.
struct ReadStep {
  int device = kWallDevice;
  int polls = 0;
  ReplyExpect expect;
  int waitMs = 0;
  bool operator==(const ReadStep&) const = default;
};

inline constexpr int kReadPollMs = 10;

// What a read step got: the reply package, or nothing when the polls ran
// out; `index` counts the script's read steps from 0.
struct ReadResult {
  int index = 0;
  std::optional<Bytes> reply;
  int polls = 0;  // polls made (the reply's poll included)
  bool operator==(const ReadResult&) const = default;
};

// Every visitor of a step handles all kinds, so the compiler points at each
// place that must learn a new kind.
using Step = std::variant<SendStep, PauseStep, ReadStep>;

class Script {
 public:
  Script() = default;

  Script& send(int device, Bytes bytes);
  Script& pause(int ms);
  Script& read(int device, int polls, ReplyExpect expect, int waitMs);
  Script& append(const Script& other);

  const std::vector<Step>& steps() const { return steps_; }
  bool empty() const { return steps_.empty(); }
  std::size_t size() const { return steps_.size(); }

  // Text form: one step per line, "send 1 FB B0 00 00 10 01 AE",
  // "pause 200" and "read 1 polls=50 reply=short7 code=41 wait=50" (with
  // "unit=11" for the input-source replies that check a unit byte);
  // upper-case hexadecimal, a final newline after each line.
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
// digits; a device is 1 to 5; a pause is 0 to 86,400,000 ms (one day), as
// are a read's polls × 10 ms and its wait.
ScriptParse parseScript(std::string_view text);

}  // namespace wall
