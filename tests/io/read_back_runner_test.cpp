// The read-back on real ports: the runner's read steps against a wall
// processor on a pseudo-terminal, with the results applied as the window
// applies them.
#include <gtest/gtest.h>

#include <map>

#include "core/link/read_back.h"
#include "io/port_bank.h"
#include "io/script_runner.h"
#include "port_test_support.h"
#include "wall_responder.h"

namespace wall {
namespace {

using namespace std::chrono_literals;

class MapSink : public ReadSink {
 public:
  std::map<std::string, int> values;
  std::map<std::pair<int, int>, int> sources;
  int setValue(const ReadItem& item, const ReplyValue& reply) override {
    const BarState b = applyReply(BarState{0, 255, 0}, reply);
    values[std::string(item.control)] = b.position;
    return b.position;
  }
  void setListIndex(const ReadItem& item, int index) override { values[std::string(item.control)] = index; }
  void setUnitSource(int row, int column, int source) override { sources[{row, column}] = source; }
};

class ReadBackOnPty : public ::testing::Test {
 protected:
  void start(int cmdForm = 0) {
    responder = std::make_unique<test::WallResponder>(cmdForm);
    ctx.cmdForm = cmdForm;
    ctx.cmdDelayTime10Ms = 20;  // a reply needs the line's 50 ms of quiet
    ctx.selection = {0, 0, 1, 1};
    ctx.rows = 2;
    ctx.columns = 2;
    bank.port(1).setSettings(test::settingsOn(responder->path()));
    ASSERT_TRUE(bank.port(1).open());
  }

  // Runs the plan; after `stopAfter` reads "停止读取" is pressed.
  ReadEnd run(ReadPlan plan, int stopAfter = -1) {
    ScriptRunner runner(bank);
    ReadBackRun readRun(std::move(plan), ctx, sink, &config);
    std::atomic<ScriptId> id{0};
    bool stop = false;
    QObject::connect(&runner, &ScriptRunner::replyRead, &runner,
                     [&](ScriptId, const ReadResult& r) {
                       readRun.apply(r);
                       if (r.index + 1 == stopAfter) {
                         stop = true;
                         runner.cancel(id);
                       }
                     },
                     Qt::DirectConnection);
    id = runner.submit(readRun.plan().script);
    report = runner.waitFor(id, 60s);
    EXPECT_TRUE(report);
    return readRun.finish(stop, 1);
  }

  std::unique_ptr<test::WallResponder> responder;
  PortBank bank;
  ReadContext ctx;
  MapSink sink;
  ConfigList config;
  std::optional<ScriptReport> report;
};

TEST_F(ReadBackOnPty, PageReadFillsTheControlsAndTheList) {
  start();
  responder->setValue(0x41, 50);
  const ReadEnd end = run(pageRead(ctx, kPagePicture));
  EXPECT_TRUE(end.status);
  EXPECT_EQ(sink.values["suiScrollBar1"], 50);
  EXPECT_EQ(sink.values["suiComboBox10"], 0x46);
  ASSERT_EQ(config.lines().size(), 6u);
  EXPECT_EQ(config.lines()[0], "CmdVidoBrightness:50");
  EXPECT_EQ(responder->requests().size(), 6u);
}

TEST_F(ReadBackOnPty, EightByteFormatPositionAndWindowReplies) {
  start(1);
  responder->setValue(0x80, 300);
  const ReadEnd end = run(pageRead(ctx, kPageWindow));
  EXPECT_TRUE(end.status);
  EXPECT_EQ(sink.values["suiScrollBar8"], 255);  // clamped by the range maximum it came with
  EXPECT_EQ(config.lines()[0], "CmdHPosition:300");
}

TEST_F(ReadBackOnPty, GarbageInFrontOfEachReplyIsDropped) {
  start();
  responder->setGarbageFirst(true);
  responder->setValue(0xB3, 200);
  const ReadEnd end = run(pageRead(ctx, kPageSystem));
  EXPECT_TRUE(end.status);
  EXPECT_EQ(sink.values["suiScrollBar3"], 200);
  for (const ReadResult& r : report->reads) EXPECT_GE(r.polls, 2);
}

TEST_F(ReadBackOnPty, AMissingReplyFailsAndTheReadGoesOn) {
  start();
  responder->silence(0x40);
  const ReadEnd end = run(pageRead(ctx, kPagePicture));
  EXPECT_FALSE(end.status);
  EXPECT_EQ(config.lines().size(), 5u);
  EXPECT_EQ(report->reads[1].polls, ctx.cmdDelayTime10Ms);
  EXPECT_FALSE(report->reads[1].reply);
}

TEST_F(ReadBackOnPty, ReadAllReadsPagesAndSources) {
  start();
  responder->setSourceCode(1, 1, 31);  // beyond the table: shown as the number
  responder->setSourceCode(0, 1, 15);
  const ReadEnd end = run(readAll(ctx));
  EXPECT_TRUE(end.status);
  EXPECT_EQ(end.message, "Read Over!");
  EXPECT_EQ(config.lines().size(), 7u + 4u);
  EXPECT_EQ((sink.sources[{1, 1}]), 31);
  EXPECT_EQ((sink.sources[{0, 1}]), 11);
  EXPECT_EQ((sink.sources[{0, 0}]), 10);
}

TEST_F(ReadBackOnPty, StopDuringAPageReadEndsAfterTheCurrentValue) {
  start();
  const ReadEnd end = run(pageRead(ctx, kPagePicture), 2);
  EXPECT_TRUE(report->cancelled);
  EXPECT_EQ(report->reads.size(), 2u);
  EXPECT_EQ(config.lines().size(), 2u);
  EXPECT_EQ(end.message, "You terminated the read!");
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(responder->requests().size(), 2u);
}

TEST_F(ReadBackOnPty, StopDuringTheSourceRead) {
  start();
  const ReadEnd end = run(getMainSource(ctx), 1);
  EXPECT_EQ(sink.sources.size(), 1u);
  EXPECT_TRUE(end.showMessage);
  EXPECT_EQ(end.message, "You terminated the read!");
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(responder->requests().size(), 1u);
}

}  // namespace
}  // namespace wall
