#include "core/settings/startup_settings.h"

#include "core/settings/settings_file.h"

namespace wall {

namespace {
constexpr const char* kSetting = "SETTING";
}

std::int32_t defaultCmdForm(std::int32_t boardSel) { return boardSel == 12 || boardSel == 13 ? 1 : 0; }

std::int32_t defaultReadEn(std::int32_t boardSel) {
  switch (boardSel) {
    case 5:
    case 9:
    case 10:
    case 12:
    case 13: return 1;
    default: return 0;
  }
}

std::int32_t defaultManYou(std::int32_t boardSel) { return boardSel == 5 || boardSel == 10 ? 1 : 0; }

std::string defaultCaption(std::int32_t language) {
  return language == 0 ? "液晶幕墙系统软件" : " LCD Wall Control";
}

std::string defaultImageFile(std::string_view executableDir) {
  std::string path(executableDir);
  if (!path.empty() && path.back() != '/') path += '/';
  return path + "bmp/default.bmp";
}

StartupSettings readStartupSettings(SettingsFile& file, const std::string& executableDir) {
  SettingsFile::Batch access(file);
  StartupSettings s;
  // The general settings, in the order the program has always read them.
  // "Began" was read as "began": names match without regard to case.
  s.language = file.readInt(kSetting, "Language", 0);
  s.cmdDelayTime10Ms = file.readInt(kSetting, "CmdDelayTime10Ms", 0);
  s.matrixToScreenTime = file.readInt(kSetting, "MatrixToScreenTime", 200);
  s.switchOrder = file.readInt(kSetting, "SwitchOrder", 0);
  s.bAutoAutoAdjEn = file.readBool(kSetting, "bAutoAutoAdjEn", false);
  s.began = file.readBool(kSetting, "Began", false);
  s.powerDelayTime10Ms = file.readInt(kSetting, "PowerDelayTime10Ms", 0);
  s.autoPowerOn = file.readInt(kSetting, "AutoPowerOn", 0);
  s.bLogin = file.readInt(kSetting, "bLogin", 0);
  s.switchType = file.readInt("Unit14", "suiRadioGroup1", 1);
  // Row and Col are kept as read, 0 and negative included: the wall grid
  // and the addressing decide what such a wall means.
  s.row = file.readInt(kSetting, "Row", 3);
  s.col = file.readInt(kSetting, "Col", 3);
  s.imageFile = file.readString(kSetting, "ImageFile", defaultImageFile(executableDir));

  for (int device = 1; device <= 5; ++device) {
    s.ports[static_cast<std::size_t>(device - 1)] = readPortSettings(file, device);
  }
  s.portFlags = readPortFlags(file);

  s.timerSystemEnable = file.readBool("TimerSystem", "Enable", false);
  s.matrixRollOnOff = file.readBool("MatrixRoll", "OnOff", false);

  // The product type first: three defaults depend on it. A product type
  // outside 0..13 is kept; it takes the defaults of the "other" products.
  s.boardSel = file.readInt("System", "BoardSel", 6);
  s.bReadEn = file.readInt(kSetting, "bReadEn", defaultReadEn(s.boardSel));
  s.bManYou = file.readInt(kSetting, "bManYou", defaultManYou(s.boardSel));
  s.cmdForm = file.readInt(kSetting, "CmdForm", defaultCmdForm(s.boardSel));

  // Kept as read even when it is past the product's plan count.
  s.wallMode = file.readInt("Wall", "Wall_Mode", 0);
  s.matrixUse = file.readInt("Matrix", "Matrix_Use", 1);
  s.wallCustomColors = file.readInt("Wall", "WallCustomColors", 0);
  // The title is applied with the language, whose default it follows.
  s.caption = file.readString(kSetting, "Caption", defaultCaption(s.language));
  return s;
}

}  // namespace wall
