// wallctl script switch / send switch: what "确 定" of the input-control
// dialog sends for the selection - the wall command that shows the source
// and, with Matrix_Use on, the matrix switch - in the order and with the
// pause of the settings. `send switch` then stores the units' sources.
#include <algorithm>
#include <iostream>

#include "cli/cli_registry.h"
#include "cli/usage_error.h"
#include "core/matrix/input_control_model.h"
#include "core/matrix/input_switch.h"
#include "core/matrix/kestrel_av_channel.h"
#include "core/matrix/matrix_store.h"
#include "core/matrix/source_list.h"
#include "core/settings/settings_file.h"

namespace wall::cli {
namespace {

constexpr const char* kUsage = "switch SOURCE-INDEX [--input N] [--single] [--switch-type T] [--channel K]";

struct SwitchCall {
  InputSwitchPlan plan;
  int sourceCode = 0;
};

SwitchCall buildSwitch(CliContext& ctx, const std::vector<std::string>& words) {
  OpArgs a(words, {"--input", "--switch-type", "--channel"}, {"--single"});
  a.expect(1, kUsage);
  SettingsFile& file = ctx.settings();
  const int product = file.readInt("System", "BoardSel", 6);
  const auto sources = sourceList(product);
  if (sources.empty()) throw UsageError("product type " + std::to_string(product) + " has no source list");
  const int index = static_cast<int>(a.number(0, 0, static_cast<int>(sources.size()) - 1, "SOURCE-INDEX"));
  const int sourceCode = sources[static_cast<std::size_t>(index)].sourceCode;

  const WallShape wall{file.readInt("SETTING", "Row", 3), file.readInt("SETTING", "Col", 3),
                       product == kKestrelProduct};
  const MatrixState matrices = loadMatrixState(file, wall);
  InputSwitchRequest r{matrices, wall, readPortFlags(file), ctx.selection(), ctx.cmdForm(),
                       file.readInt("SETTING", "SwitchOrder", 0), file.readInt("SETTING", "MatrixToScreenTime", 200)};
  r.sourceCode = sourceCode;
  r.matrixUse = file.readInt(kMatrixSection, "Matrix_Use", 1) != 0;
  r.singleScreen = a.flag("--single");
  r.switchType = static_cast<int>(
      a.optionNumber("--switch-type", 0, 2).value_or(file.readInt(kInputControlSection, "suiRadioGroup1", 1)));
  // The input lists' stored choices, with --input for the source's kind.
  for (MatrixKind kind : kMatrixKinds) {
    r.inputIndex[static_cast<std::size_t>(kindIndex(kind))] =
        file.readInt(kInputControlSection, inputControlListKey(kind), 0);
  }
  if (const auto kind = kindForSource(sourceCode)) {
    const int inputs = std::clamp(matrices.of(*kind).inputMax, 1, kMatrixEntries);
    if (const auto n = a.optionNumber("--input", 1, inputs)) {
      r.inputIndex[static_cast<std::size_t>(kindIndex(*kind))] = static_cast<int>(*n) - 1;
    }
  } else if (a.option("--input")) {
    throw UsageError("--input: source " + std::string(sources[static_cast<std::size_t>(index)].name) +
                     " is not fed by a matrix");
  }
  if (const auto k = a.optionNumber("--channel", 0, kKestrelAvChannels - 1)) r.avChannel = static_cast<int>(*k);
  return {buildInputSwitch(r), sourceCode};
}

Script switchScript(CliContext& ctx, const std::vector<std::string>& words) {
  const SwitchCall call = buildSwitch(ctx, words);
  for (const std::string& line : call.plan.log) std::cerr << "wallctl: " << line << "\n";
  return call.plan.script;
}

// After the send: each switched unit's source, as the dialog stores it.
void storeSources(CliContext& ctx, const std::vector<std::string>& words) {
  const SwitchCall call = buildSwitch(ctx, words);
  SettingsFile& file = ctx.settings();
  SettingsFile::Batch batch(file);
  for (int unit : call.plan.units) file.writeInt("Unit1", "Source" + std::to_string(unit), call.sourceCode);
}

const ScriptOpRegistrar switchOp({"switch", kUsage,
                                  "Input control: the selection's source and its matrix input", switchScript});
const AfterSendRegistrar storeOp("switch", storeSources);

}  // namespace
}  // namespace wall::cli
