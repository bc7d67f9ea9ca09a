#include "core/app/numeric_field.h"

namespace wall {

bool numericKeyAccepted(char32_t key) { return (key >= U'0' && key <= U'9') || key == kBackspace; }

NumericFieldResult numericFieldChanged(std::string_view text, int maximum) {
  std::string digits;
  for (char ch : text) {
    if (ch >= '0' && ch <= '9') digits.push_back(ch);
  }
  NumericFieldResult r;
  if (digits.empty()) return r;
  long long n = 0;
  for (char ch : digits) {
    n = n * 10 + (ch - '0');
    if (n > maximum) break;  // stop before it can overflow: the value is clamped anyway
  }
  if (n > maximum) {
    n = maximum;
    r.beep = true;
  }
  r.value = static_cast<int>(n);
  r.text = std::to_string(n);
  return r;
}

}  // namespace wall
