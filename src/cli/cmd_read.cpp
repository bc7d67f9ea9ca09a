// wallctl read CODE [--list] and wallctl read-sources: the read-back from the
// command line, on the configured wall port.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/cli_registry.h"
#include "cli/script_sender.h"
#include "cli/usage_error.h"
#include "core/app/source_names.h"
#include "core/link/read_back.h"

namespace wall::cli {
namespace {

// With the program's default CmdDelayTime10Ms of 0 nothing is awaited; a
// command whose whole point is the reply waits 200 ms instead.
constexpr int kPollsWhenUnset = 20;

struct ReadOptions {
  std::string code;
  bool list = false;
  int polls = -1;
  std::string device;
};

ReadContext contextFor(CliContext& ctx, int polls) {
  ReadContext r;
  SettingsFile& s = ctx.settings();
  r.cmdForm = ctx.cmdForm();
  r.selection = ctx.selection();
  const int configured = s.readInt("SETTING", "CmdDelayTime10Ms", 0);
  r.cmdDelayTime10Ms = polls >= 0 ? polls : configured > 0 ? configured : kPollsWhenUnset;
  r.productType = s.readInt("System", "BoardSel", 6);
  r.rows = s.readInt("SETTING", "Row", 3);
  r.columns = s.readInt("SETTING", "Col", 3);
  return r;
}

std::uint8_t parseCode(const std::string& text) {
  std::size_t used = 0;
  unsigned long v = 0;
  try {
    v = std::stoul(text, &used, 0);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || v > 0xFF) throw UsageError("CODE must be 0 to 255 (0x41 or 65): " + text);
  return static_cast<std::uint8_t>(v);
}

// Applies nothing to controls: it remembers the value for printing.
class PrintSink : public ReadSink {
 public:
  std::optional<ReplyValue> value;
  int setValue(const ReadItem&, const ReplyValue& reply) override {
    value = reply;
    return reply.value;
  }
  void setListIndex(const ReadItem&, int index) override { value = ReplyValue{index, {}, {}}; }
  void setUnitSource(int, int, int) override {}
};

void readOne(CliContext& ctx, const ReadOptions& o) {
  const ReadContext rc = contextFor(ctx, o.polls);
  ReadItem item;
  item.target = o.list ? ReadTarget::List : ReadTarget::Value;
  item.code = parseCode(o.code);
  PrintSink sink;
  ReadBackRun run(buttonReadInto(rc, item), rc, sink, nullptr);
  const ScriptReport report = runScript(ctx, run.plan().script, o.device);
  for (const ReadResult& r : report.reads) run.apply(r);
  if (!sink.value) {
    throw CommandFailure("no reply to the read of code " + std::to_string(item.code) + " within " +
                         std::to_string(rc.cmdDelayTime10Ms) + " polls");
  }
  std::cout << sink.value->value;
  if (sink.value->minimum || sink.value->maximum) {
    std::cout << " (range " << sink.value->minimum.value_or(0) << " to " << sink.value->maximum.value_or(0) << ")";
  }
  std::cout << "\n";
}

// GetMainSource: each unit's source is stored under Unit1 "Source" + index,
// as the program stores it, and printed.
class SourceSink : public ReadSink {
 public:
  SourceSink(SettingsFile& file, int columns, int productType) : file_(file), columns_(columns), product_(productType) {}
  int setValue(const ReadItem&, const ReplyValue& reply) override { return reply.value; }
  void setListIndex(const ReadItem&, int) override {}
  void setUnitSource(int row, int column, int source) override {
    file_.writeInt("Unit1", "Source" + std::to_string(row * columns_ + column), source);
    const std::string name = sourceName(product_, source);
    std::cout << row + 1 << " " << column + 1 << " " << (name.empty() ? "-" : name) << "\n";
  }

 private:
  SettingsFile& file_;
  int columns_;
  int product_;
};

void readSources(CliContext& ctx, const ReadOptions& o) {
  const ReadContext rc = contextFor(ctx, o.polls);
  SourceSink sink(ctx.settings(), rc.columns, rc.productType);
  ReadBackRun run(getMainSource(rc), rc, sink, nullptr);
  const ScriptReport report = runScript(ctx, run.plan().script, o.device);
  int missing = 0;
  for (const ReadResult& r : report.reads) {
    run.apply(r);
    if (r.reply) continue;
    const ReadItem& item = run.plan().items[static_cast<std::size_t>(r.index)];
    std::cout << item.row + 1 << " " << item.column + 1 << " (no reply)\n";
    ++missing;
  }
  if (missing > 0) throw CommandFailure(std::to_string(missing) + " unit(s) did not reply");
}

void addCommon(CLI::App* cmd, ReadOptions& o) {
  cmd->add_option("--polls", o.polls, "Polls of 10 ms for each reply (default CmdDelayTime10Ms, 20 when that is 0)")
      ->check(CLI::Range(0, 8640000));
  cmd->add_option("--device", o.device, "Path of the wall port instead of the settings'");
}

void installRead(CLI::App& app, CliContext& ctx, int& status) {
  auto o = std::make_shared<ReadOptions>();
  auto* cmd = app.add_subcommand("read", "Read a value of the selection back from the wall processor");
  cmd->add_option("CODE", o->code, "Command code (0x41 or 65)")->required();
  cmd->add_flag("--list", o->list, "A list's index: the general reply layout, no wait after the reply");
  addCommon(cmd, *o);
  cmd->callback([o, &ctx, &status] {
    readOne(ctx, *o);
    status = 0;
  });
}

void installSources(CLI::App& app, CliContext& ctx, int& status) {
  auto o = std::make_shared<ReadOptions>();
  auto* cmd = app.add_subcommand("read-sources",
                                 "Read each selected unit's input source: prints ROW COLUMN NAME (from 1) and stores it");
  addCommon(cmd, *o);
  cmd->callback([o, &ctx, &status] {
    readSources(ctx, *o);
    status = 0;
  });
}

const CommandRegistrar readRegistrar({"read", 40, installRead});
const CommandRegistrar sourcesRegistrar({"read-sources", 41, installSources});

}  // namespace
}  // namespace wall::cli
