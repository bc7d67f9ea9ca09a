#pragma once
// The settings the program reads when it starts: the general settings of
// section SETTING, the switch type of the input-control dialog, the product
// type, the five serial ports and their flags, and the few switches of other
// sections that start-up applies.
//
// Values are kept as read. A value outside its range (a Row of 0 or 99, a
// CmdForm of 7, a Language of -3) is not corrected here: each feature
// decides what it does with it, so that a value the file holds is never
// changed behind the operator's back.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings/port_settings.h"

namespace wall {

class SettingsFile;

struct StartupSettings {
  // Section SETTING.
  std::int32_t language = 0;            // Language: 0 Chinese, any other value English
  std::string caption;                  // Caption: default by language
  std::int32_t cmdDelayTime10Ms = 0;    // CmdDelayTime10Ms: read-back wait, x 10 ms
  std::int32_t powerDelayTime10Ms = 0;  // PowerDelayTime10Ms: pause between units at power-on, x 10 ms
  std::int32_t matrixToScreenTime = 200;  // MatrixToScreenTime
  std::int32_t switchOrder = 0;         // SwitchOrder: 0 matrix first, 1 wall first
  std::int32_t cmdForm = 0;             // CmdForm: 0 7 bytes, 1 8 bytes, 2 9 bytes, 3 "10 bytes" (7)
  std::int32_t bReadEn = 0;             // bReadEn: read-back in use (not 0)
  std::int32_t bManYou = 0;             // bManYou: roaming in use (not 0)
  bool bAutoAutoAdjEn = false;          // bAutoAutoAdjEn: auto adjustment after an input switch
  bool began = false;                   // Began: power on every unit at start
  std::int32_t autoPowerOn = 0;         // AutoPowerOn: start with the computer (not 0)
  std::int32_t bLogin = 0;              // bLogin: ask for the password at start (not 0)
  std::int32_t row = 3;                 // Row: unit rows of the wall
  std::int32_t col = 3;                 // Col: unit columns of the wall
  std::string imageFile;                // ImageFile: logo picture

  std::int32_t switchType = 1;  // Unit14 suiRadioGroup1: 0 video+audio, 1 video, 2 audio
  std::int32_t boardSel = 6;    // System BoardSel: the product type

  std::array<PortSettings, 5> ports;  // devices 1 to 5
  PortFlags portFlags;

  bool timerSystemEnable = false;   // TimerSystem Enable: the timer system's master switch
  bool matrixRollOnOff = false;     // MatrixRoll OnOff: roll polling running
  std::int32_t wallMode = 0;        // Wall Wall_Mode: the current plan index
  std::int32_t matrixUse = 1;       // Matrix Matrix_Use: matrices in use (not 0)
  std::int32_t wallCustomColors = 0;  // Wall WallCustomColors: units painted in their own colours

  bool operator==(const StartupSettings&) const = default;
};

// Defaults that depend on the product type.
std::int32_t defaultCmdForm(std::int32_t boardSel);  // 1 on product types 12 and 13
std::int32_t defaultReadEn(std::int32_t boardSel);   // 1 on product types 5, 9, 10, 12 and 13
std::int32_t defaultManYou(std::int32_t boardSel);   // 1 on product types 5 and 10

// The main window's default title in a language (0 Chinese, else English).
std::string defaultCaption(std::int32_t language);

// The default logo picture: "bmp/default.bmp" in the executable's folder.
std::string defaultImageFile(std::string_view executableDir);

// Reads every start-up setting, in the order the program has always read
// them (BoardSel before the three keys whose defaults depend on it), as one
// access to the file.
StartupSettings readStartupSettings(SettingsFile& file, const std::string& executableDir);

}  // namespace wall
