#include "cli/arg_parse.h"

#include <algorithm>
#include <charconv>

#include "cli/usage_error.h"

namespace wall::cli {

std::int64_t parseNumber(std::string_view text, std::int64_t min, std::int64_t max, std::string_view what) {
  std::string_view digits = text;
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits.remove_prefix(2);
    base = 16;
  }
  std::int64_t value = 0;
  auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (digits.empty() || ec != std::errc() || ptr != digits.data() + digits.size()) {
    throw UsageError(std::string(what) + ": not a number: '" + std::string(text) + "'");
  }
  if (value < min || value > max) {
    throw UsageError(std::string(what) + " " + std::string(text) + " is out of range (" + std::to_string(min) +
                     " to " + std::to_string(max) + ")");
  }
  return value;
}

Selection parseSelection(std::string_view text) {
  std::vector<int> parts;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = text.find(',', start);
    std::string_view part = text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
    parts.push_back(static_cast<int>(parseNumber(part, 0, 1000, "--select")));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (parts.size() != 4) throw UsageError("--select needs TOP,LEFT,BOTTOM,RIGHT");
  return Selection{parts[0], parts[1], parts[2], parts[3]};
}

OpArgs::OpArgs(std::vector<std::string> words, std::vector<std::string> valueOptions,
               std::vector<std::string> flagOptions) {
  auto known = [](const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
  };
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w.size() > 2 && w.rfind("--", 0) == 0) {
      std::string name = w;
      std::optional<std::string> value;
      if (auto eq = w.find('='); eq != std::string::npos) {
        name = w.substr(0, eq);
        value = w.substr(eq + 1);
      }
      if (known(flagOptions, name) && !value) {
        flags_.push_back(name);
      } else if (known(valueOptions, name)) {
        if (!value) {
          if (i + 1 >= words.size()) throw UsageError(name + " needs a value");
          value = words[++i];
        }
        options_.emplace_back(name, *value);
      } else {
        throw UsageError("unknown option " + name);
      }
    } else {
      positional_.push_back(w);
    }
  }
}

void OpArgs::expect(std::size_t n, std::string_view usage) const { expectBetween(n, n, usage); }

void OpArgs::expectBetween(std::size_t min, std::size_t max, std::string_view usage) const {
  if (positional_.size() < min || positional_.size() > max) throw UsageError("usage: " + std::string(usage));
}

std::int64_t OpArgs::number(std::size_t i, std::int64_t min, std::int64_t max, std::string_view what) const {
  return parseNumber(at(i), min, max, what);
}

std::optional<std::string> OpArgs::option(std::string_view name) const {
  for (const auto& [n, v] : options_) {
    if (n == name) return v;
  }
  return std::nullopt;
}

std::optional<std::int64_t> OpArgs::optionNumber(std::string_view name, std::int64_t min, std::int64_t max) const {
  auto v = option(name);
  if (!v) return std::nullopt;
  return parseNumber(*v, min, max, name);
}

bool OpArgs::flag(std::string_view name) const {
  return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

}  // namespace wall::cli
