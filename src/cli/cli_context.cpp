#include "cli/cli_context.h"

#include "cli/arg_parse.h"
#include "cli/usage_error.h"
#include "core/settings/startup_settings.h"

namespace wall::cli {

SettingsFile& CliContext::settings() {
  if (!settings_) settings_ = std::make_unique<SettingsFile>(locateSettingsFile(settingsOption, executableDir));
  return *settings_;
}

Selection CliContext::selection() {
  if (selectOption.empty()) return Selection::unit(0, 0);
  const Selection sel = parseSelection(selectOption);
  const int rows = settings().readInt("SETTING", "Row", 3);
  const int cols = settings().readInt("SETTING", "Col", 3);
  if (sel.bottom < sel.top || sel.right < sel.left) {
    throw UsageError("--select " + selectOption + ": bottom above top or right left of left");
  }
  if (!sel.fitsWall(rows, cols)) {
    throw UsageError("--select " + selectOption + " is outside the wall of " + std::to_string(rows) + " x " +
                     std::to_string(cols) + " units");
  }
  return sel;
}

int CliContext::cmdForm() {
  if (cmdFormOption) return *cmdFormOption;
  // CmdForm's default follows the product type, read first.
  const int board = settings().readInt("System", "BoardSel", 6);
  return settings().readInt("SETTING", "CmdForm", defaultCmdForm(board));
}

}  // namespace wall::cli
