#pragma once
// What every wallctl command shares: the global options and the settings
// file they point at, opened on first use.

#include <memory>
#include <optional>
#include <string>

#include "core/link/selection.h"
#include "core/settings/settings_file.h"

namespace wall::cli {

class CliContext {
 public:
  // Global options, filled in by the command-line parser.
  std::string settingsOption;          // --settings FILE
  std::string selectOption;            // --select TOP,LEFT,BOTTOM,RIGHT
  std::optional<int> cmdFormOption;    // --cmd-form N
  std::string executableDir;           // where wallctl lives, ending in '/'

  SettingsFile& settings();
  // The selection: --select, checked against the wall's Row × Col; unit
  // (0,0) when not given.
  Selection selection();
  // The command format: --cmd-form, else CmdForm of the settings.
  int cmdForm();

 private:
  std::unique_ptr<SettingsFile> settings_;
};

}  // namespace wall::cli
