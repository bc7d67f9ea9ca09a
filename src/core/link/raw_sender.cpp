#include "core/link/raw_sender.h"

#include "core/link/wall_frames.h"

namespace wall {

void RawSender::select(int index) {
  if (index >= 0 && index < static_cast<int>(items_.size())) selected_ = index;
}

void RawSender::editItem(int index, const std::string& text) {
  if (index >= 0 && index < static_cast<int>(items_.size())) items_[static_cast<std::size_t>(index)] = text;
}

RawSendResult RawSender::send(const std::string& fieldText, int language) {
  const bool english = language != 0;
  if (selected_ < 0 || items_[static_cast<std::size_t>(selected_)] != fieldText) {
    items_.push_back(fieldText);
    if (items_.size() > kRawHistoryMax + 1) items_.erase(items_.begin() + 1);
    selected_ = 0;
  }
  RawSendResult r;
  Bytes bytes = parseRawHex(fieldText);
  if (bytes.empty()) {
    r.message = "命令不能为空!";
    r.caption = "命令提示信息框";
    return r;
  }
  // The command buffer's frame area holds 1000 bytes: a longer command was
  // never a frame, and cutting it would send something the operator did not
  // type.
  if (bytes.size() > kFrameAreaBytes) {
    r.message = english ? "The command is too long: at most 1000 bytes!" : "命令太长, 最多1000个字节!";
    r.caption = english ? "Command" : "命令提示信息框";
    return r;
  }
  r.bytes = std::move(bytes);
  return r;
}

}  // namespace wall
