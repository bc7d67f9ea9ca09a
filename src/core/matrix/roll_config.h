#pragma once
// Roll polling's configuration: up to 100 numbered groups, each a list of
// up to 100 matrix switch items, the number of groups in use and the
// interval between groups; and their keys in the MatrixRoll sections.

#include <array>
#include <vector>

namespace wall {

class SettingsFile;

inline constexpr int kRollGroups = 100;
inline constexpr int kRollItemsPerGroup = 100;
inline constexpr int kRollMaxInterval = 3600;  // seconds
inline constexpr int kRollMaxPort = 255;       // inputs and outputs

// The roll dialog's brand list: 0 "MAINVAN", 1 "EXTRON", 2 "CREATEK5".
inline constexpr std::array<const char*, 3> kRollBrands = {"MAINVAN", "EXTRON", "CREATEK5"};
// Its switch types: 0 "VIDEO", 1 "AUDIO", 2 "AUDIO+VIDEO".
inline constexpr std::array<const char*, 3> kRollTypes = {"VIDEO", "AUDIO", "AUDIO+VIDEO"};

struct RollItem {
  bool used = true;
  int brand = 0;
  int type = 0;
  int address = 0;  // stored and shown; no format sends it
  int input = 1;
  int output = 1;
  bool operator==(const RollItem&) const = default;
};

struct RollGroup {
  bool enabled = false;
  std::vector<RollItem> items;  // the item count is the size; item j is numbered j
  bool operator==(const RollGroup&) const = default;
};

struct RollConfig {
  int groupCount = 1;  // "轮询总组数", 1..100
  int interval = 10;   // "组间间隔(秒)", 1..3600
  std::array<RollGroup, kRollGroups> groups{};
  bool operator==(const RollConfig&) const = default;
};

// ReadConfig: GroupCount, spTime and the groups up to GroupCount with
// their items up to each Count. Values outside what the dialog can hold
// (a count above 100 or below 1, an interval of 0) are held to its ranges,
// so that a hand-edited file never makes a group larger than its table.
RollConfig readRollConfig(SettingsFile& file);
// WriteConfig: the same keys, groups up to GroupCount, items up to each
// group's count, saved together. OnOff is not among them: it is saved at
// the program's close.
void writeRollConfig(SettingsFile& file, const RollConfig& config);

// The roll-polling switch as stored (MatrixRoll OnOff).
bool readRollOnOff(SettingsFile& file);

}  // namespace wall
