#pragma once
// The raw command sender of the service page: an editable list of
// hexadecimal command texts and "发送", which sends the text's bytes as one
// package on the wall port, whatever the command format and the selection.

#include <optional>
#include <string>
#include <vector>

#include "core/link/script.h"

namespace wall {

inline constexpr const char* kRawInitialItem = "F5 B0 11 FF 40 01 AE";
// Entries kept in the list besides the initial one: a session of typing
// commands must not grow the list without end.
inline constexpr std::size_t kRawHistoryMax = 100;

struct RawSendResult {
  std::optional<Bytes> bytes;  // what goes to the wall port
  std::string message;         // the message box's text when nothing is sent
  std::string caption;
};

class RawSender {
 public:
  RawSender() : items_{kRawInitialItem} {}

  const std::vector<std::string>& items() const { return items_; }
  int selected() const { return selected_; }
  // The operator picks an item of the list (the field then shows it).
  void select(int index);
  // The operator edits the item: the list's entry becomes the new text.
  void editItem(int index, const std::string& text);

  // "发送" with `fieldText` in the field. A text that differs from the
  // selected item joins the list first; the first item is then selected and
  // the typed text stays in the field (`fieldText` is left as it is).
  RawSendResult send(const std::string& fieldText, int language);

 private:
  std::vector<std::string> items_;
  int selected_ = 0;
};

}  // namespace wall
