#include "core/app/roll_dialog_model.h"

#include <algorithm>

namespace wall {

NumericFieldResult rollFieldChanged(std::string_view text, int maximum) {
  NumericFieldResult r = numericFieldChanged(text, maximum);
  if (r.value && *r.value == 0) {
    r.value = 1;
    r.text = std::to_string(1);
    r.beep = true;
  }
  return r;
}

std::string rollGroupName(int group) {
  const int n = std::clamp(group + 1, 0, 999);
  return {static_cast<char>('0' + n / 100), static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

void RollDialogModel::readConfig(SettingsFile& file) {
  config_ = readRollConfig(file);
  groupCountField = config_.groupCount;
  intervalField = config_.interval;
  listed_ = config_.groupCount;
  selected_ = 0;
}

void RollDialogModel::writeConfig(SettingsFile& file) const {
  // The interval is whatever its field shows; the group count is the one
  // confirmed with "确定" (or taken at the last start).
  RollConfig out = config_;
  out.interval = std::clamp(intervalField, 1, kRollMaxInterval);
  writeRollConfig(file, out);
}

void RollDialogModel::selectGroup(int g) {
  if (g >= 0 && g < listed_) selected_ = g;
}

void RollDialogModel::setGroupEnabled(int g, bool on) {
  if (g >= 0 && g < kRollGroups) config_.groups[static_cast<std::size_t>(g)].enabled = on;
}

void RollDialogModel::confirmGroupCount() {
  config_.groupCount = std::clamp(groupCountField, 1, kRollGroups);
  listed_ = std::max(listed_, config_.groupCount);
}

std::optional<Notice> RollDialogModel::addItem() {
  if (selected_ < 0 || selected_ >= listed_) {
    return Notice{"请先选择一个轮询组!", "Please select a group first!"};
  }
  RollGroup& g = config_.groups[static_cast<std::size_t>(selected_)];
  if (static_cast<int>(g.items.size()) >= kRollItemsPerGroup) {
    return Notice{"每组最多100项!", "A group holds at most 100 items!"};
  }
  g.items.push_back(RollItem{true, brandField, typeField, addressField, inputField, outputField});
  g.enabled = true;
  return std::nullopt;
}

bool RollDialogModel::removeItem(int row) {
  if (selected_ < 0 || selected_ >= listed_) return false;
  auto& items = config_.groups[static_cast<std::size_t>(selected_)].items;
  if (row < 0 || row >= static_cast<int>(items.size())) return false;
  items.erase(items.begin() + row);
  return true;
}

bool RollDialogModel::start() {
  config_.groupCount = std::clamp(groupCountField, 1, kRollGroups);
  return poller_.start(config_, config_.groupCount);
}

void RollDialogModel::stop() { poller_.stop(); }

}  // namespace wall
