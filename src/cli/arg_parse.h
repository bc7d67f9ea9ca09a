#pragma once
// Number and list parsing for wallctl's arguments: decimal or 0x-hexadecimal,
// checked against the range of the field it fills; anything else is a
// UsageError naming the argument.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/link/selection.h"

namespace wall::cli {

std::int64_t parseNumber(std::string_view text, std::int64_t min, std::int64_t max, std::string_view what);

// "TOP,LEFT,BOTTOM,RIGHT", 0-based.
Selection parseSelection(std::string_view text);

// The words after an operation's name: positional arguments, and options of
// the form "--name VALUE" or "--name=VALUE" or a bare flag "--name". An
// operation declares which options it takes; any other is a UsageError.
class OpArgs {
 public:
  OpArgs(std::vector<std::string> words, std::vector<std::string> valueOptions,
         std::vector<std::string> flagOptions = {});

  std::size_t count() const { return positional_.size(); }
  const std::string& at(std::size_t i) const { return positional_.at(i); }
  // Requires exactly n positional arguments, else a UsageError with `usage`.
  void expect(std::size_t n, std::string_view usage) const;
  // Requires at least min and at most max positional arguments.
  void expectBetween(std::size_t min, std::size_t max, std::string_view usage) const;

  std::int64_t number(std::size_t i, std::int64_t min, std::int64_t max, std::string_view what) const;

  std::optional<std::string> option(std::string_view name) const;
  std::optional<std::int64_t> optionNumber(std::string_view name, std::int64_t min, std::int64_t max) const;
  bool flag(std::string_view name) const;

 private:
  std::vector<std::string> positional_;
  std::vector<std::pair<std::string, std::string>> options_;
  std::vector<std::string> flags_;
};

}  // namespace wall::cli
