#include "core/link/read_back.h"

#include <gtest/gtest.h>

#include <map>

#include "core/link/virtual_runner.h"

namespace wall {
namespace {

// Records what the read-back does to the controls; bars start at 0..100.
class RecordingSink : public ReadSink {
 public:
  std::map<std::string, BarState> bars;
  std::map<std::string, int> lists;
  std::map<std::pair<int, int>, int> sources;
  std::map<std::pair<int, int>, int> colours;
  std::vector<std::string> enabled;
  std::vector<ReadState> states;
  std::optional<std::pair<int, int>> presets;

  int setValue(const ReadItem& item, const ReplyValue& reply) override {
    BarState& b = bars.try_emplace(std::string(item.control), BarState{}).first->second;
    b = applyReply(b, reply);
    return b.position;
  }
  void setListIndex(const ReadItem& item, int index) override { lists[std::string(item.control)] = index; }
  void setUnitSource(int row, int column, int source) override { sources[{row, column}] = source; }
  void setColourValue(int colour, int coordinate, int value) override { colours[{colour, coordinate}] = value; }
  void setEnabled(std::string_view control) override { enabled.emplace_back(control); }
  void setStatus(ReadState s) override { states.push_back(s); }
  void setPresets(int size, int position) override { presets = {size, position}; }
};

// A wall processor in the 7-byte format that answers every read request at
// once: value `values[code]` (default code + 1), and the input code
// `sourceCodes[address]` (default 14, DVI) for the source reads.
struct Responder {
  std::map<std::uint8_t, std::uint8_t> values;
  std::map<std::uint8_t, std::uint8_t> sourceCodes;
  std::vector<Bytes> operator()(int, const Bytes& sent) const {
    if (sent.size() != 7 || sent[1] != kClassRead) return {};
    const std::uint8_t code = sent[4];
    if (code == 0x30) {
      auto it = sourceCodes.find(sent[2]);
      return {{sent[2], 0x30, it == sourceCodes.end() ? std::uint8_t{14} : it->second, 0xAE}};
    }
    auto it = values.find(code);
    return {{0x11, code, it == values.end() ? static_cast<std::uint8_t>(code + 1) : it->second, 0xAE}};
  }
};

struct Fixture {
  ReadContext ctx;
  RecordingSink sink;
  ConfigList config;
  VirtualRunner runner;

  Fixture() {
    ctx.cmdDelayTime10Ms = 5;
    ctx.selection = {0, 0, 1, 1};
  }
  // Runs the plan; `stopAfter` reads done, "停止读取" is pressed.
  std::pair<ReadBackRun*, ReadEnd> run(ReadPlan plan, int stopAfter = -1, int language = 1) {
    run_ = std::make_unique<ReadBackRun>(std::move(plan), ctx, sink, &config);
    bool stop = false;
    runner.setReadObserver([&](const ReadResult& r) {
      run_->apply(r);
      if (r.index + 1 == stopAfter) stop = true;
      return stop;
    });
    timeline = runner.run(run_->plan().script);
    return {run_.get(), run_->finish(stop, language)};
  }
  Timeline timeline;

 private:
  std::unique_ptr<ReadBackRun> run_;
};

TEST(ButtonRead, Format0BrightnessSetsBarEditStatusAndWaits) {
  Fixture f;
  f.ctx.cmdDelayTime10Ms = 50;
  f.ctx.selection = Selection::unit(0, 0);
  f.runner.feed(kWallDevice, 0, {0x11, 0x41, 0x32, 0xAE});
  auto [run, end] = f.run(buttonRead(f.ctx, *findGroup("Panel1")));
  ASSERT_EQ(f.timeline.sends.size(), 1u);
  EXPECT_EQ(f.timeline.sends[0].bytes, (Bytes{0xFB, 0xB2, 0x11, 0x11, 0x41, 0x01, 0xAE}));
  EXPECT_EQ(f.sink.bars["suiScrollBar1"].position, 50);
  EXPECT_EQ(run->lastValue(), 50);
  EXPECT_TRUE(run->lastOk());
  EXPECT_EQ(f.sink.states, (std::vector<ReadState>{ReadState::Reading, ReadState::Success}));
  EXPECT_EQ(f.timeline.endMs, 50);  // found at the first poll, then the 50 ms wait
  EXPECT_FALSE(end.showMessage);
  EXPECT_TRUE(f.config.lines().empty());  // a single read lists nothing
}

TEST(ButtonRead, GarbageInFrontIsConsumedAndTheReplyTakenAtTheNextPoll) {
  Fixture f;
  f.ctx.cmdDelayTime10Ms = 3;
  f.runner.feed(kWallDevice, 0, {0x11, 0x40, 0x07, 0xAE});  // a late reply to another code
  f.runner.feed(kWallDevice, 0, {0x11, 0x41, 0x09, 0xAE});
  f.run(buttonRead(f.ctx, *findGroup("Panel1")));
  ASSERT_EQ(f.timeline.reads.size(), 1u);
  EXPECT_EQ(f.timeline.reads[0].polls, 2);
  EXPECT_EQ(f.sink.bars["suiScrollBar1"].position, 9);
  EXPECT_EQ(f.timeline.endMs, 10 + 3);
  EXPECT_EQ(f.runner.packagesWaiting(), 0u);
}

TEST(ButtonRead, NoReplyWithinThePollsFailsAndKeepsTheValue) {
  Fixture f;
  f.ctx.cmdDelayTime10Ms = 4;
  f.runner.feed(kWallDevice, 45, {0x11, 0x41, 0x09, 0xAE});  // too late
  auto [run, end] = f.run(buttonRead(f.ctx, *findGroup("Panel1")));
  EXPECT_FALSE(run->lastOk());
  EXPECT_EQ(run->lastValue(), -1);
  EXPECT_TRUE(f.sink.bars.empty());
  EXPECT_EQ(f.sink.states.back(), ReadState::Failure);
  EXPECT_EQ(f.timeline.endMs, 4 * 10 + 4);
}

TEST(ButtonRead, DefaultDelayOfZeroAwaitsNothing) {
  Fixture f;
  f.ctx.cmdDelayTime10Ms = 0;
  f.runner.feed(kWallDevice, 0, {0x11, 0x45, 0x01, 0xAE});
  auto [run, end] = f.run(buttonRead(f.ctx, *findGroup("Panel5")));
  EXPECT_FALSE(run->lastOk());
  EXPECT_EQ(f.timeline.endMs, 0);
}

TEST(ButtonRead1, ListReadHasNoWaitAfterIt) {
  Fixture f;
  f.runner.feed(kWallDevice, 0, {0x11, 0x45, 0x02, 0xAE});
  f.run(buttonRead(f.ctx, *findGroup("Panel5")));
  EXPECT_EQ(f.sink.lists["suiComboBox10"], 2);
  EXPECT_EQ(f.timeline.endMs, 0);
}

TEST(PageRead, PictureListsEveryValueInTableOrder) {
  Fixture f;
  f.ctx.cmdDelayTime10Ms = 10;
  f.runner.setResponder(Responder{}, 50);  // a package ends after the line's quiet time
  auto [run, end] = f.run(pageRead(f.ctx, kPagePicture), -1, 0);
  EXPECT_EQ(f.config.lines(), (std::vector<std::string>{"CmdVidoBrightness:66", "CmdVidoContrast:65",
                                                        "CmdVidoSharpness:69", "CmdVidoSaturation:67",
                                                        "CmdVido3DNR:70", "CmdVidoHue:68"}));
  EXPECT_EQ(f.sink.lists["suiComboBox10"], 0x46);
  EXPECT_TRUE(end.status);
  EXPECT_EQ(end.message, "读取结束!");
  EXPECT_EQ(end.caption, "信息提示框");
}

TEST(PageRead, StopEndsAfterTheCurrentValue) {
  Fixture f;
  f.runner.setResponder(Responder{}, 0);
  auto [run, end] = f.run(pageRead(f.ctx, kPageWindow), 2);
  EXPECT_EQ(f.timeline.sends.size(), 2u);
  EXPECT_EQ(f.config.lines().size(), 2u);
  EXPECT_FALSE(end.status);
  EXPECT_EQ(end.message, "You terminated the read!");
  EXPECT_EQ(end.caption, "Tips");
}

TEST(PageRead, PagesWithoutReadsSucceedAtOnce) {
  for (int page : {kPageTestPattern, kPageService, kPageOther}) {
    Fixture f;
    auto [run, end] = f.run(pageRead(f.ctx, page));
    EXPECT_TRUE(f.timeline.sends.empty());
    EXPECT_TRUE(end.status) << page;
  }
}

TEST(PageRead, DlpPageFillsAllTwentyOneColourValues) {
  Fixture f;
  f.runner.setResponder(Responder{}, 0);
  f.run(pageRead(f.ctx, kPageDlp));
  ASSERT_EQ(f.sink.colours.size(), 21u);
  // Red's Y is code 0xD1: the responder's value 0xD2 is clamped by the 0..100 bar.
  EXPECT_EQ((f.sink.colours[{1, 1}]), 100);
  EXPECT_EQ(f.config.lines()[1], "CmdDlpColorWx:227");
  EXPECT_EQ(f.config.lines()[8], "CmdDlpColorWy:228");
  EXPECT_EQ(f.config.lines()[21], "CmdDlpColorYg:226");
}

TEST(PageRead, PipPageOnLarchEnablesTheWriteButtonsOnlyWhenAllFourSucceeded) {
  for (bool allAnswer : {true, false}) {
    Fixture f;
    f.ctx.productType = 12;
    Responder r;
    f.runner.setResponder([&](int d, const Bytes& sent) {
      if (!allAnswer && sent[4] == 0x67) return std::vector<Bytes>{};
      return r(d, sent);
    }, 0);
    f.run(pageRead(f.ctx, kPagePip));
    if (allAnswer) {
      EXPECT_EQ(f.sink.enabled.size(), 4u);
    } else {
      EXPECT_TRUE(f.sink.enabled.empty());
    }
  }
}

TEST(GetMainSource, ReadsEachUnitOfTheSelectionAndDecodes) {
  Fixture f;
  f.ctx.rows = 3;
  f.ctx.columns = 3;
  f.ctx.selection = {1, 1, 2, 2};
  f.ctx.cmdDelayTime10Ms = 10;
  Responder r;
  r.sourceCodes[unitAddress(1, 1)] = 15;  // HDMI
  r.sourceCodes[unitAddress(1, 2)] = 30;  // beyond the table: kept as the number
  r.sourceCodes[unitAddress(2, 1)] = 27;  // the table's 16: above 12
  f.runner.setResponder(r, 50);
  auto [run, end] = f.run(getMainSource(f.ctx));
  ASSERT_EQ(f.timeline.sends.size(), 4u);
  EXPECT_EQ(f.timeline.sends[0].bytes, (Bytes{0xFB, 0xB2, 0x22, 0x22, 0x30, 0x01, 0xAE}));
  EXPECT_EQ(f.timeline.sends[3].bytes, (Bytes{0xFB, 0xB2, 0x33, 0x33, 0x30, 0x01, 0xAE}));
  EXPECT_EQ((f.sink.sources[{1, 1}]), 11);
  EXPECT_EQ((f.sink.sources[{1, 2}]), 30);
  EXPECT_EQ((f.sink.sources[{2, 1}]), 16);
  EXPECT_EQ((f.sink.sources[{2, 2}]), 10);
  EXPECT_TRUE(end.status);
  EXPECT_TRUE(f.config.lines().empty());
  // Each unit: the reply after 50 ms (poll 6), then the wait of 10 ms.
  EXPECT_EQ(f.timeline.endMs, 4 * (50 + 10));
}

TEST(GetMainSource, AnotherUnitsReplyIsNotTaken) {
  Fixture f;
  f.ctx.selection = Selection::unit(0, 1);
  f.runner.feed(kWallDevice, 0, {0x11, 0x30, 0x0F, 0xAE});  // unit (0,0)
  auto [run, end] = f.run(getMainSource(f.ctx));
  EXPECT_TRUE(f.sink.sources.empty());
  EXPECT_FALSE(end.status);
}

TEST(GetMainSource, StopEndsWithTheTerminatedMessage) {
  Fixture f;
  f.runner.setResponder(Responder{}, 0);
  auto [run, end] = f.run(getMainSource(f.ctx), 1);
  EXPECT_EQ(f.sink.sources.size(), 1u);
  EXPECT_EQ(f.timeline.sends.size(), 1u);
  EXPECT_TRUE(end.showMessage);
  EXPECT_EQ(end.message, "You terminated the read!");
}

TEST(ReadAll, ChoosesPagesByAccessLevelProductAndRoaming) {
  struct Case {
    int access, product;
    bool manYou;
    std::vector<int> pages;
  };
  for (const Case& c : {Case{0, 6, false, {8, 2}}, Case{1, 6, false, {0, 1, 3, 2}}, Case{10, 12, true, {0, 1, 3, 5, 7}},
                        Case{0, 13, true, {8, 7}}}) {
    Fixture f;
    f.ctx.accessLevel = c.access;
    f.ctx.productType = c.product;
    f.ctx.manYou = c.manYou;
    const ReadPlan plan = readAll(f.ctx);
    std::vector<int> pages;
    for (const ReadItem& i : plan.items) {
      if (i.target != ReadTarget::Source && (pages.empty() || pages.back() != i.page)) pages.push_back(i.page);
    }
    EXPECT_EQ(pages, c.pages) << c.access << " " << c.product;
    EXPECT_EQ(plan.items.back().target, ReadTarget::Source);
  }
}

TEST(ReadAll, ClearsTheListAndEndsWithReadOver) {
  Fixture f;
  f.config.append("old:1");
  f.runner.setResponder(Responder{}, 0);
  auto [run, end] = f.run(readAll(f.ctx));
  EXPECT_EQ(f.config.lines().front(), "CmdVidoBrightness:66");
  EXPECT_EQ(f.config.lines().size(), 7u + 4u);
  EXPECT_EQ(f.sink.sources.size(), 4u);
  EXPECT_TRUE(end.status);
  EXPECT_EQ(end.message, "Read Over!");
}

TEST(ReadAll, StopDuringAPageEndsWithoutAMessage) {
  Fixture f;
  f.runner.setResponder(Responder{}, 0);
  auto [run, end] = f.run(readAll(f.ctx), 3);
  EXPECT_FALSE(end.showMessage);
  EXPECT_FALSE(end.setsStatus);
  EXPECT_TRUE(f.sink.sources.empty());
}

TEST(ReadAll, StopDuringTheSourcesEndsWithTheTerminatedMessage) {
  Fixture f;
  f.runner.setResponder(Responder{}, 0);
  const int pageReads = 7 + 4;
  auto [run, end] = f.run(readAll(f.ctx), pageReads + 2);
  EXPECT_TRUE(end.showMessage);
  EXPECT_FALSE(end.status);
  EXPECT_EQ(end.message, "You terminated the read!");
  EXPECT_EQ(f.sink.sources.size(), 2u);
}

TEST(RoamingPage, PresetsTakeTheirNibbles) {
  Fixture f;
  Responder r;
  r.values[0x63] = 0x73;  // position 7 less 5, size 3
  f.runner.setResponder(r, 0);
  f.run(pageRead(f.ctx, kPageRoaming));
  ASSERT_TRUE(f.sink.presets);
  EXPECT_EQ(*f.sink.presets, std::make_pair(3, 2));
  EXPECT_EQ(f.config.lines().back(), "CmdPIPSource:98");  // the presets are not listed
}

struct BarCase {
  BarState before;
  ReplyValue reply;
  BarState after;
};

TEST(BarState, RangeBytesChangeTheBarInTheirOrder) {
  for (const BarCase& c : {
           BarCase{{0, 100, 10}, {50, {}, {}}, {0, 100, 50}},
           BarCase{{0, 100, 10}, {150, {}, {}}, {0, 100, 100}},
           BarCase{{0, 100, 10}, {150, {}, 200}, {0, 200, 150}},  // maximum first
           BarCase{{0, 100, 10}, {150, 1, 200}, {1, 200, 100}},   // position first, clamped by the old range
           BarCase{{0, 100, 10}, {16, 1, 100}, {1, 100, 16}},
           BarCase{{5, 100, 10}, {3, {}, 2}, {2, 2, 2}},
       }) {
    EXPECT_EQ(applyReply(c.before, c.reply), c.after);
  }
}

TEST(ReadStatus, Texts) {
  EXPECT_EQ(readStatusText(ReadState::Reading, 0), "读取状态: ");
  EXPECT_EQ(readStatusText(ReadState::Success, 0), "读取状态: 成功");
  EXPECT_EQ(readStatusText(ReadState::Failure, 1), "Read State: Failure");
}

}  // namespace
}  // namespace wall
