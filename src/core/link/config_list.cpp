#include "core/link/config_list.h"

#include <fstream>
#include <iterator>
#include <limits>

#include "core/link/command_names.h"
#include "core/link/wall_frames.h"

namespace wall {

namespace {

bool isTextByte(unsigned char c) { return c >= 0x20 || c == '\t' || c == '\r' || c == '\n'; }

std::string message(int language, const char* chinese, const char* english) {
  return language == 0 ? chinese : english;
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t pos = 0;
  // A UTF-8 byte-order mark is not part of the first name.
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) pos = 3;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(std::move(line));
    pos = end + 1;
  }
  return out;
}

}  // namespace

ConfigLine parseConfigLine(std::string_view line) {
  ConfigLine out{{}, 0};
  const auto colon = line.find(':');
  if (colon == std::string_view::npos) return out;
  out.name = std::string(line.substr(0, colon));
  std::uint64_t v = 0;
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
  for (char c : line.substr(colon + 1)) {
    if (c < '0' || c > '9') continue;
    v = v * 10 + static_cast<std::uint64_t>(c - '0');
    if (v > kMax) v = kMax;  // a run of digits never overflows
  }
  out.value = static_cast<std::uint32_t>(v);
  return out;
}

void ConfigList::appendValue(std::string_view name, int value) {
  lines_.push_back(std::string(name) + ":" + std::to_string(value));
}

std::string ConfigList::save(const std::string& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return "cannot write " + path;
  for (const std::string& line : lines_) out << line << "\r\n";
  out.flush();
  return out ? std::string() : "cannot write " + path;
}

std::string ConfigList::load(const std::string& path, int language) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return message(language, "无法打开文件!", "Cannot open the file!");
  std::string text;
  char buffer[64 * 1024];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kConfigFileMaxBytes) {
      return message(language, "文件太大, 不是配置文件!", "The file is too large for a configuration list!");
    }
  }
  for (unsigned char c : text) {
    if (!isTextByte(c)) return message(language, "不是配置文件!", "The file is not a configuration list!");
  }
  lines_ = splitLines(text);
  return {};
}

Script ConfigList::replay(int cmdForm, const Selection& selection) const {
  const WallFrames frames(cmdForm, selection);
  Script script;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) script.pause(kConfigReplayPauseMs);
    const ConfigLine line = parseConfigLine(lines_[i]);
    script.send(kWallDevice, frames.buttonWrite(commandCode(line.name), line.value));
  }
  return script;
}

}  // namespace wall
