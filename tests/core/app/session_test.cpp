#include "core/app/session.h"

#include "core/app/product_types.h"
#include "session_fixture.h"

namespace wall {
namespace {

using SessionTest = SessionFixture;

TEST_F(SessionTest, NoFileStartsWithTheDefaults) {
  Session& s = start();
  EXPECT_EQ(s.rows(), 3);
  EXPECT_EQ(s.columns(), 3);
  EXPECT_EQ(s.language(), 0);
  EXPECT_EQ(s.values().boardSel, 6);
  EXPECT_EQ(s.values().cmdForm, 0);
  EXPECT_FALSE(s.values().readEn);
  EXPECT_EQ(s.values().ports[0].portNo, 1);
  EXPECT_EQ(s.values().ports[1].portNo, 0);
  EXPECT_EQ(s.planCount(), 48);
  EXPECT_EQ(s.unitLabel(0, 0), "1:1  ");
  EXPECT_EQ(s.caption(), "液晶幕墙系统软件");
  EXPECT_TRUE(std::filesystem::exists(path_));
}

TEST_F(SessionTest, LabelsFollowTheProductType) {
  std::string text = "[System]\nBoardSel=6\n[Unit1]\n";
  for (int i = 0; i < 9; ++i) text += "Source" + std::to_string(i) + "=11\n";
  Session& s = start(text);
  EXPECT_EQ(s.unitLabel(0, 0), "1:1  HDMI");
  EXPECT_EQ(s.unitLabel(2, 2), "3:3  HDMI");
  s.chooseProduct(2);
  EXPECT_EQ(s.unitLabel(1, 2), "2:3  DP");
  s.chooseProduct(7);
  EXPECT_EQ(s.unitLabel(1, 2), "2:3  ");
  EXPECT_EQ(reread().readInt("System", "BoardSel", -1), 7);
}

TEST_F(SessionTest, OutOfRangeValuesShowTheirNumber) {
  Session& s = start("[System]\nBoardSel=42\n[Unit1]\nSource0=99\nSource1=-1\n[SETTING]\nRow=0\nCol=500\n");
  EXPECT_EQ(s.rows(), 1);
  EXPECT_EQ(s.columns(), kMaxWallSide);
  EXPECT_EQ(s.unitLabel(0, 0), "1:1  99");
  EXPECT_EQ(s.unitLabel(0, 1), "1:2  -1");
  EXPECT_EQ(s.unitLabel(0, 2), "1:3  12");  // a known source, but no row for product 42
  const BoardView v = s.setBoard();
  EXPECT_EQ(v.planCount, 48);
  EXPECT_EQ(s.unitLabel(5, 5), "6:6  12");  // outside the wall: no source, never a crash
}

TEST_F(SessionTest, ChoosingDahliaSwitchesReadBackOffInTheFile) {
  Session& s = start("[System]\nBoardSel=12\n");
  EXPECT_TRUE(s.values().readEn);  // the default of product 12
  EXPECT_EQ(s.values().cmdForm, 1);
  int observed = 0;
  s.setBoardObserver([&](const BoardView& v) {
    ++observed;
    EXPECT_FALSE(v.readEn);
  });
  const BoardView v = s.chooseProduct(3);
  EXPECT_EQ(observed, 1);
  EXPECT_TRUE(v.readEnSwitchedOff);
  EXPECT_EQ(s.planCount(), 16);
  EXPECT_FALSE(s.values().readEn);
  EXPECT_EQ(reread().readInt("SETTING", "bReadEn", -1), 0);
  EXPECT_EQ(reread().readInt("System", "BoardSel", -1), 3);
  // Back on another product, read-back stays off until switched on again.
  s.chooseProduct(12);
  EXPECT_FALSE(s.values().readEn);
  EXPECT_EQ(s.planCount(), 48);
}

TEST_F(SessionTest, KestrelSetsFourEntriesPerUnit) {
  Session& s = start();
  s.chooseProduct(kKestrel);
  EXPECT_EQ(s.entriesPerUnit(), 4);
  s.chooseProduct(0);
  EXPECT_EQ(s.entriesPerUnit(), 1);
}

TEST_F(SessionTest, PlanNamesByLanguage) {
  Session& s = start("[Wall]\nWall_Mode4=会议\n");
  auto zh = s.planNames();
  ASSERT_EQ(zh.size(), 48u);
  EXPECT_EQ(zh[0], "模式1");
  EXPECT_EQ(zh[4], "会议");
  s.setLanguage(1);
  auto en = s.planNames();
  EXPECT_EQ(en[5], "Mode6");
  EXPECT_EQ(en[4], "会议");
  EXPECT_EQ(reread().readInt("SETTING", "Language", -1), 1);
  EXPECT_EQ(s.caption(), " LCD Wall Control");
}

TEST_F(SessionTest, ColoursAndSelection) {
  Session& s = start("[Wall]\nWallCustomColors=1\n[WallColor]\nH2V1=255\n");
  EXPECT_TRUE(s.values().wallCustomColors);
  EXPECT_EQ(s.unitColour(1, 2), 255);
  EXPECT_EQ(s.unitColour(2, 1), 0xFFFFFF);
  s.setSelection(Selection{0, 0, 1, 1});
  EXPECT_EQ(s.powerOn().toText(), "send 1 FB B0 11 22 10 01 AE\n");
  s.setSelection(Selection{0, 0, 5, 5});  // outside the wall: ignored
  EXPECT_EQ(s.selection(), (Selection{0, 0, 1, 1}));
}

TEST_F(SessionTest, CloseSavesPopCountAndRollSwitchOnly) {
  Session& s = start("[WallPopList]\nListLeng=3\n[MatrixRoll]\nOnOff=1\n");
  s.saveAtClose();
  EXPECT_EQ(reread().readInt("WallPopList", "ListLeng", -1), 3);
  EXPECT_TRUE(reread().readBool("MatrixRoll", "OnOff", false));
}

TEST_F(SessionTest, MatrixBrandsShowTheMenus) {
  EXPECT_TRUE(start("[Matrix]\nAV_Company=28\n").ptzMenusVisible());
}

TEST_F(SessionTest, OtherBrandsHideTheMenus) {
  Session& s = start("[Matrix]\nAV_Company=88\nVGA_Company=51\n");
  EXPECT_FALSE(s.ptzMenusVisible());
  EXPECT_TRUE(s.panasonicEntriesVisible());
}

}  // namespace
}  // namespace wall
