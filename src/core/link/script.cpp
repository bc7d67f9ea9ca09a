#include "core/link/script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

namespace wall {

namespace {

constexpr int kMaxPauseMs = 86'400'000;

std::string lowered(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    std::size_t start = i;
    while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

bool parseDecimal(std::string_view s, long long& out) {
  if (s.empty()) return false;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && ptr == s.data() + s.size();
}

bool parseHexByte(std::string_view s, std::uint8_t& out) {
  if (s.empty() || s.size() > 2) return false;
  unsigned value = 0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value, 16);
  if (ec != std::errc() || ptr != s.data() + s.size()) return false;
  out = static_cast<std::uint8_t>(value);
  return true;
}

std::string hexByte(std::uint8_t b) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[b >> 4], kDigits[b & 0x0F]};
}

bool checksUnit(ReplyLayout layout) { return layout == ReplyLayout::Source7 || layout == ReplyLayout::Source9; }

std::string readText(const ReadStep& r) {
  std::string out = "read " + std::to_string(r.device) + " polls=" + std::to_string(r.polls) + " reply=" +
                    std::string(replyLayoutName(r.expect.layout)) + " code=" + hexByte(r.expect.code);
  if (checksUnit(r.expect.layout)) out += " unit=" + hexByte(r.expect.unit);
  out += " wait=" + std::to_string(r.waitMs);
  return out;
}

// "read DEVICE polls=N reply=LAYOUT code=HH [unit=HH] [wait=MS]": the keys
// after the device in any order; polls and reply and code are required.
std::string parseRead(const std::vector<std::string_view>& w, Script& script) {
  long long device = 0;
  if (w.size() < 2 || !parseDecimal(w[1], device) || device < kFirstDevice || device > kLastDevice) {
    return "read needs a device from 1 to 5";
  }
  ReadStep step;
  step.device = static_cast<int>(device);
  bool havePolls = false, haveReply = false, haveCode = false;
  for (std::size_t i = 2; i < w.size(); ++i) {
    const auto eq = w[i].find('=');
    if (eq == std::string_view::npos) return "read expects key=value, not " + std::string(w[i]);
    const std::string key = lowered(w[i].substr(0, eq));
    const std::string_view value = w[i].substr(eq + 1);
    long long n = 0;
    if (key == "polls") {
      if (!parseDecimal(value, n) || n < 0 || n > kMaxPauseMs / kReadPollMs) return "polls must be 0 to 8640000";
      step.polls = static_cast<int>(n);
      havePolls = true;
    } else if (key == "wait") {
      if (!parseDecimal(value, n) || n < 0 || n > kMaxPauseMs) return "wait needs milliseconds from 0 to 86400000";
      step.waitMs = static_cast<int>(n);
    } else if (key == "reply") {
      const auto layout = replyLayoutFromName(lowered(value));
      if (!layout) return "unknown reply layout: " + std::string(value);
      step.expect.layout = *layout;
      haveReply = true;
    } else if (key == "code" || key == "unit") {
      std::uint8_t b = 0;
      if (!parseHexByte(value, b)) return key + " must be a hexadecimal byte";
      (key == "code" ? step.expect.code : step.expect.unit) = b;
      haveCode = haveCode || key == "code";
    } else {
      return "unknown read key: " + key;
    }
  }
  if (!havePolls || !haveReply || !haveCode) return "read needs polls=, reply= and code=";
  script.read(step.device, step.polls, step.expect, step.waitMs);
  return {};
}

}  // namespace

Script& Script::send(int device, Bytes bytes) {
  steps_.emplace_back(SendStep{device, std::move(bytes)});
  return *this;
}

Script& Script::pause(int ms) {
  steps_.emplace_back(PauseStep{ms});
  return *this;
}

Script& Script::read(int device, int polls, ReplyExpect expect, int waitMs) {
  steps_.emplace_back(ReadStep{device, polls, expect, waitMs});
  return *this;
}

Script& Script::append(const Script& other) {
  steps_.insert(steps_.end(), other.steps_.begin(), other.steps_.end());
  return *this;
}

std::string hexText(const Bytes& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 3);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i) out.push_back(' ');
    out.push_back(kDigits[bytes[i] >> 4]);
    out.push_back(kDigits[bytes[i] & 0x0F]);
  }
  return out;
}

std::string Script::toText() const {
  std::string out;
  for (const Step& step : steps_) {
    if (const auto* s = std::get_if<SendStep>(&step)) {
      out += "send " + std::to_string(s->device);
      if (!s->bytes.empty()) out += " " + hexText(s->bytes);
    } else if (const auto* p = std::get_if<PauseStep>(&step)) {
      out += "pause " + std::to_string(p->ms);
    } else if (const auto* r = std::get_if<ReadStep>(&step)) {
      out += readText(*r);
    }
    out += '\n';
  }
  return out;
}

ScriptParse parseScript(std::string_view text) {
  ScriptParse result;
  int lineNo = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    auto w = words(line);
    if (w.empty() || w[0].front() == '#') {
      if (end == text.size()) break;
      continue;
    }
    auto fail = [&](const std::string& why) {
      result.error = "line " + std::to_string(lineNo) + ": " + why;
    };
    std::string keyword = lowered(w[0]);
    if (keyword == "send") {
      long long device = 0;
      if (w.size() < 2 || !parseDecimal(w[1], device) || device < kFirstDevice ||
          device > kLastDevice) {
        fail("send needs a device from 1 to 5");
        return result;
      }
      Bytes bytes;
      for (std::size_t i = 2; i < w.size(); ++i) {
        std::uint8_t b = 0;
        if (!parseHexByte(w[i], b)) {
          fail("not a hexadecimal byte: " + std::string(w[i]));
          return result;
        }
        bytes.push_back(b);
      }
      if (bytes.empty()) {
        fail("send has no bytes");
        return result;
      }
      result.script.send(static_cast<int>(device), std::move(bytes));
    } else if (keyword == "pause") {
      long long ms = 0;
      if (w.size() != 2 || !parseDecimal(w[1], ms) || ms < 0 || ms > kMaxPauseMs) {
        fail("pause needs milliseconds from 0 to 86400000");
        return result;
      }
      result.script.pause(static_cast<int>(ms));
    } else if (keyword == "read") {
      if (std::string why = parseRead(w, result.script); !why.empty()) {
        fail(why);
        return result;
      }
    } else {
      fail("unknown step: " + std::string(w[0]));
      return result;
    }
    if (end == text.size()) break;
  }
  return result;
}

}  // namespace wall
