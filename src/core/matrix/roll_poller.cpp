#include "core/matrix/roll_poller.h"

#include <algorithm>

#include "core/matrix/roll_control.h"

namespace wall {

bool RollPoller::start(const RollConfig& config, int groupCount) {
  ticks_ = 0;
  position_ = 0;
  list_.clear();
  const int groups = std::clamp(groupCount, 0, kRollGroups);
  for (int g = 0; g < groups; ++g) {
    const RollGroup& group = config.groups[static_cast<std::size_t>(g)];
    if (group.enabled) list_.push_back(group);
  }
  running_ = !list_.empty();
  return running_;
}

void RollPoller::stop() {
  running_ = false;
  position_ = 0;
}

Script RollPoller::tick(int interval, const PortFlags& flags) {
  Script script;
  if (!running_ || list_.empty()) return script;
  ++ticks_;
  if (ticks_ % std::max(interval, 1) != 0) return script;
  for (const RollItem& item : list_[static_cast<std::size_t>(position_)].items) appendRollItem(script, item, flags);
  position_ = (position_ + 1) % static_cast<int>(list_.size());
  return script;
}

}  // namespace wall
