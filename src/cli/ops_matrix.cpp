// wallctl script matrix: the packets MatrixControl sends to route a matrix
// input to the selected units, with the matrix settings, the output
// connection diagram and the port flags of the settings file.
#include <algorithm>
#include <iostream>

#include "cli/cli_registry.h"
#include "cli/usage_error.h"
#include "core/matrix/kestrel_av_channel.h"
#include "core/matrix/matrix_control.h"
#include "core/matrix/matrix_store.h"

namespace wall::cli {
namespace {

constexpr const char* kUsage = "matrix SOURCECODE IN [--switch-type 0|1|2] [--channel K]";
constexpr int kLastSourceCode = 12;
constexpr int kMostInputs = 1000;

Script matrixScript(CliContext& ctx, const std::vector<std::string>& words) {
  OpArgs a(words, {"--switch-type", "--channel"});
  a.expect(2, kUsage);
  const int source = static_cast<int>(a.number(0, 0, kLastSourceCode, "SOURCECODE"));

  SettingsFile& file = ctx.settings();
  const WallShape wall{file.readInt("SETTING", "Row", 3), file.readInt("SETTING", "Col", 3),
                       file.readInt("System", "BoardSel", 6) == kKestrelProduct};
  const MatrixState state = loadMatrixState(file, wall);
  const auto kind = kindForSource(source);
  // IN is one of the kind's inputs, as the input lists offer them.
  const int inputs = kind ? std::clamp(state.of(*kind).inputMax, 1, kMostInputs) : kMostInputs;
  const int in = static_cast<int>(a.number(1, 1, inputs, "IN"));
  const int switchType = static_cast<int>(
      a.optionNumber("--switch-type", 0, 2).value_or(file.readInt("Unit14", "suiRadioGroup1", 1)));
  // Kestrel's AV channel: --channel K, else the one the input-control
  // dialog would take: AV1..AV4 are their own channel, and "QUAD" (6) has
  // none until one is given ("NULL").
  const auto given = a.optionNumber("--channel", 0, kKestrelAvChannels - 1);
  const int channel = given ? static_cast<int>(*given) : kestrelAvChannel(source, 0).value_or(-1);

  const MatrixContext context{state, wall, readPortFlags(file), ctx.selection(), switchType, channel};
  const MatrixSwitchResult result = matrixControl(context, source, in, kind ? state.of(*kind).id : 0);
  for (const std::string& line : result.log) std::cerr << "wallctl: " << line << "\n";
  return result.script;
}

const ScriptOpRegistrar matrixOp({"matrix", kUsage,
                                  "MatrixControl: matrix input IN to the selection",
                                  matrixScript});

}  // namespace
}  // namespace wall::cli
