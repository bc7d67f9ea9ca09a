#include "cli/cli_registry.h"

#include "cli/usage_error.h"

namespace wall::cli {

std::vector<ScriptOp>& scriptOps() {
  static std::vector<ScriptOp> ops;
  return ops;
}

std::vector<Command>& commands() {
  static std::vector<Command> list;
  return list;
}

std::vector<std::pair<std::string, AfterSend>>& afterSendHooks() {
  static std::vector<std::pair<std::string, AfterSend>> hooks;
  return hooks;
}

void runAfterSend(CliContext& ctx, const std::vector<std::string>& opAndWords) {
  if (opAndWords.empty()) return;
  for (const auto& [name, hook] : afterSendHooks()) {
    if (name == opAndWords.front()) hook(ctx, std::vector<std::string>(opAndWords.begin() + 1, opAndWords.end()));
  }
}

const ScriptOp* findScriptOp(const std::string& name) {
  for (const ScriptOp& op : scriptOps()) {
    if (op.name == name) return &op;
  }
  return nullptr;
}

std::string scriptOpsHelp() {
  std::string out = "Operations:\n";
  for (const ScriptOp& op : scriptOps()) {
    std::string line = "  " + op.usage;
    if (line.size() < 44) line.resize(44, ' ');
    out += line + " " + op.summary + "\n";
  }
  return out;
}

Script buildScript(CliContext& ctx, const std::vector<std::string>& opAndWords) {
  if (opAndWords.empty()) throw UsageError("missing operation; see --help");
  const ScriptOp* op = findScriptOp(opAndWords.front());
  if (!op) throw UsageError("unknown operation '" + opAndWords.front() + "'");
  return op->build(ctx, std::vector<std::string>(opAndWords.begin() + 1, opAndWords.end()));
}

}  // namespace wall::cli
