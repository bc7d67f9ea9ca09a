#include "core/matrix/roll_config.h"

#include <algorithm>
#include <string>

#include "core/settings/settings_file.h"

namespace wall {

namespace {

constexpr const char* kSection = "MatrixRoll";

std::string groupSection(int g) { return kSection + std::to_string(g); }
std::string itemKey(const char* word, int j) { return std::string(word) + std::to_string(j); }

RollItem readItem(SettingsFile& file, const std::string& section, int j) {
  RollItem item;
  item.used = file.readBool(section, itemKey("SubRoll_En", j), false);
  item.brand = file.readInt(section, itemKey("SubRoll_Name", j), 0);
  item.type = file.readInt(section, itemKey("SubRoll_Type", j), 0);
  item.address = file.readInt(section, itemKey("SubRoll_Addr", j), 0);
  item.input = file.readInt(section, itemKey("SubRoll_In", j), 0);
  item.output = file.readInt(section, itemKey("SubRoll_Out", j), 0);
  return item;
}

void writeItem(SettingsFile& file, const std::string& section, int j, const RollItem& item) {
  file.writeBool(section, itemKey("SubRoll_En", j), item.used);
  file.writeInt(section, itemKey("SubRoll_Name", j), item.brand);
  file.writeInt(section, itemKey("SubRoll_Type", j), item.type);
  file.writeInt(section, itemKey("SubRoll_Addr", j), item.address);
  file.writeInt(section, itemKey("SubRoll_In", j), item.input);
  file.writeInt(section, itemKey("SubRoll_Out", j), item.output);
}

}  // namespace

RollConfig readRollConfig(SettingsFile& file) {
  SettingsFile::Batch batch(file);
  RollConfig config;
  config.groupCount = std::clamp(file.readInt(kSection, "GroupCount", 1), 1, kRollGroups);
  config.interval = std::clamp(file.readInt(kSection, "spTime", 10), 1, kRollMaxInterval);
  for (int g = 0; g < config.groupCount; ++g) {
    const std::string section = groupSection(g);
    RollGroup& group = config.groups[static_cast<std::size_t>(g)];
    group.enabled = file.readBool(section, "Enable", false);
    const int count = std::clamp(file.readInt(section, "Count", 0), 0, kRollItemsPerGroup);
    for (int j = 0; j < count; ++j) group.items.push_back(readItem(file, section, j));
  }
  return config;
}

void writeRollConfig(SettingsFile& file, const RollConfig& config) {
  SettingsFile::Batch batch(file);
  file.writeInt(kSection, "GroupCount", config.groupCount);
  file.writeInt(kSection, "spTime", config.interval);
  const int groups = std::clamp(config.groupCount, 0, kRollGroups);
  for (int g = 0; g < groups; ++g) {
    const std::string section = groupSection(g);
    const RollGroup& group = config.groups[static_cast<std::size_t>(g)];
    file.writeBool(section, "Enable", group.enabled);
    file.writeInt(section, "Count", static_cast<int>(group.items.size()));
    for (std::size_t j = 0; j < group.items.size(); ++j) writeItem(file, section, static_cast<int>(j), group.items[j]);
  }
}

bool readRollOnOff(SettingsFile& file) { return file.readBool(kSection, "OnOff", false); }

}  // namespace wall
