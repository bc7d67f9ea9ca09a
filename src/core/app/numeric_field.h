#pragma once
// The rule of the numeric edit fields of the dialogs: only digits and
// backspace may be typed, anything else is stripped on change, and a number
// above the field's maximum is clamped with a beep.

#include <optional>
#include <string>
#include <string_view>

namespace wall {

inline constexpr char32_t kBackspace = 8;

// The key filter: digits and backspace pass; anything else is discarded
// and the caller sounds the beep.
bool numericKeyAccepted(char32_t key);

struct NumericFieldResult {
  std::string text;          // what the field shows afterwards
  std::optional<int> value;  // empty when the field is empty: the value is left unchanged
  bool beep = false;         // the number was clamped
};

// The change rule. Digits beyond any integer range are clamped like any
// other number above `maximum`, never overflowed.
NumericFieldResult numericFieldChanged(std::string_view text, int maximum = 10000);

}  // namespace wall
