#pragma once
// The configuration list of the system page: lines "name:value" that the
// read-back appends, saved to and loaded from "*.cfg" files, and replayed as
// value writes to the selection.

#include <string>
#include <string_view>
#include <vector>

#include "core/link/script.h"
#include "core/link/selection.h"

namespace wall {

// The pause between two replayed lines.
inline constexpr int kConfigReplayPauseMs = 10;
// A list file larger than this is not a configuration list: each line is a
// name and a number, and the read-back of a whole wall makes a few hundred.
inline constexpr std::size_t kConfigFileMaxBytes = 1024 * 1024;

struct ConfigLine {
  std::string name;     // the text before the first ':' (empty without one)
  std::uint32_t value;  // the digits after it; none give 0, too many the largest value
};

// The rule of the replay for one line.
ConfigLine parseConfigLine(std::string_view line);

class ConfigList {
 public:
  const std::vector<std::string>& lines() const { return lines_; }
  void clear() { lines_.clear(); }
  void append(std::string line) { lines_.push_back(std::move(line)); }
  // The read-back's line: the name, a colon and the value in decimal.
  void appendValue(std::string_view name, int value);

  // "保存": the file name is the chosen one with ".cfg" appended, always.
  static std::string savedFileName(const std::string& chosen) { return chosen + ".cfg"; }
  // Writes the lines (one per line, "\r\n" as the earlier program did) to
  // `path` exactly; an error text, empty on success.
  std::string save(const std::string& path) const;
  // "导出": replaces the lines with the file's. A file that is not text (a
  // NUL or other control byte) or larger than the limit is refused and the
  // list left as it was; the error text says why (by the language).
  std::string load(const std::string& path, int language);

  // "应用": ButtonWrite of each line's code and value, 10 ms between lines.
  Script replay(int cmdForm, const Selection& selection) const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace wall
