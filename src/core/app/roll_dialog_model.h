#pragma once
// The rules of the roll-polling dialog ("矩阵轮询设置"), kept apart from its
// widgets: the group list "001".."100", the items of the selected group,
// "+", "-", the group count's "确定", the numeric fields, the start box and
// the polling it drives. The one-second timer is the widget's (or
// wallctl's); each of its ticks calls tick() and sends what it returns.

#include <optional>
#include <string>
#include <vector>

#include "core/app/numeric_field.h"
#include "core/link/script.h"
#include "core/matrix/matrix_settings_model.h"
#include "core/matrix/roll_config.h"
#include "core/matrix/roll_poller.h"

namespace wall {

class SettingsFile;

// The change rule of the dialog's numeric fields: digits only, a non-empty
// 0 becomes 1 and a value above `maximum` becomes `maximum`, each with a
// beep.
NumericFieldResult rollFieldChanged(std::string_view text, int maximum);

// "001".."100".
std::string rollGroupName(int group);

class RollDialogModel {
 public:
  // ReadConfig: the group count and the interval into their fields, the
  // group list filled up to the group count, the first group selected.
  void readConfig(SettingsFile& file);
  // WriteConfig (closing the dialog).
  void writeConfig(SettingsFile& file) const;

  const RollConfig& config() const { return config_; }
  int listedGroups() const { return listed_; }  // entries of the group list
  int selectedGroup() const { return selected_; }
  const RollGroup& group(int g) const { return config_.groups.at(static_cast<std::size_t>(g)); }

  void selectGroup(int g);
  void setGroupEnabled(int g, bool on);

  // The fields. The numeric ones are set from what their change rule left.
  int groupCountField = 1;
  int intervalField = 10;
  int brandField = 0;
  int typeField = 0;
  int addressField = 0;
  int inputField = 1;
  int outputField = 1;

  // "确定": GroupCount from its field; the list grows to it, never shrinks.
  void confirmGroupCount();
  // "+": the fields' item appended to the selected group, which becomes
  // enabled. A full group (100 items) or no selected group refuses with a
  // notice.
  std::optional<Notice> addItem();
  // "-": removes item `row` of the selected group; later items move up and
  // are renumbered. False when there is no such item.
  bool removeItem(int row);

  // The start box. Ticking takes GroupCount from its field and the running
  // list from the enabled groups; false (the box unticks itself) when no
  // group is enabled. onOff() is what is saved at close.
  bool start();
  void stop();
  bool running() const { return poller_.running(); }
  bool onOff() const { return poller_.running(); }
  const RollPoller& poller() const { return poller_; }

  // One tick of the one-second timer; the interval is read from its field.
  Script tick(const PortFlags& flags) { return poller_.tick(intervalField, flags); }

 private:
  RollConfig config_;
  int listed_ = 1;
  int selected_ = 0;
  RollPoller poller_;
};

}  // namespace wall
