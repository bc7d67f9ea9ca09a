#pragma once
// The running side of roll polling: the list of enabled groups taken at the
// start, the tick counter and the position in that list. The one-second
// timer belongs to whoever drives it (the dialog, wallctl roll); each tick
// is a pure step that returns what to send.
//
// The first group goes out `interval` seconds after the start; with three
// enabled groups and an interval of 10 they go out at 10, 20 and 30 s and
// the first again at 40 s.

#include <vector>

#include "core/link/script.h"
#include "core/matrix/roll_config.h"
#include "core/settings/port_settings.h"

namespace wall {

class RollPoller {
 public:
  // Starting: the enabled groups among the first `groupCount`, in index
  // order, become the running list; the counter and the position restart.
  // An empty running list refuses to start (false).
  bool start(const RollConfig& config, int groupCount);
  // Stopping: the position goes back to the first group.
  void stop();

  bool running() const { return running_; }
  int position() const { return position_; }
  int tickCount() const { return ticks_; }
  const std::vector<RollGroup>& runningList() const { return list_; }

  // One tick of the one-second timer, with the interval (seconds) the
  // interval field shows now. On every interval-th tick: every item of the
  // group at the current position, in item order, then the next group.
  // An empty script on the other ticks or when not running. An interval
  // below 1 counts as 1.
  Script tick(int interval, const PortFlags& flags);

 private:
  std::vector<RollGroup> list_;
  int ticks_ = 0;
  int position_ = 0;
  bool running_ = false;
};

}  // namespace wall
