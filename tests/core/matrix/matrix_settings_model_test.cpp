// The rules of the matrix-settings dialog and its editors.
#include "core/matrix/matrix_settings_model.h"

#include <gtest/gtest.h>

#include "core/matrix/matrix_input_name_editor.h"
#include "core/matrix/matrix_menus.h"

namespace wall {
namespace {

MatrixState storedWith(MatrixKind kind, MatrixSettings s) {
  MatrixState state;
  state.of(kind) = s;
  return state;
}

// Which fields a brand shows when the operator picks it.
struct VisibilityCase {
  const char* name;
  MatrixKind kind;
  int company;
  bool model, address, count;
};

void PrintTo(const VisibilityCase& c, std::ostream* os) { *os << c.name; }

class BrandFields : public ::testing::TestWithParam<VisibilityCase> {};

TEST_P(BrandFields, WhenPicked) {
  const VisibilityCase& c = GetParam();
  MatrixSettingsModel model(MatrixState{}, WallShape{});
  model.pickBrand(c.kind, c.company);
  const MatrixPage& p = model.page(c.kind);
  EXPECT_EQ(p.modelVisible, c.model);
  EXPECT_EQ(p.addressVisible, c.address);
  EXPECT_EQ(p.inputCountVisible, c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Brands, BrandFields,
    ::testing::Values(VisibilityCase{"AV_NotUsed", MatrixKind::AV, 0, false, false, false},
                      VisibilityCase{"AV_AB8TO4", MatrixKind::AV, 3, false, false, false},
                      VisibilityCase{"AV_QRV002", MatrixKind::AV, 2, false, true, true},
                      VisibilityCase{"AV_LANMA_count_only", MatrixKind::AV, 6, false, false, true},
                      VisibilityCase{"AV_Panasonic_count_only", MatrixKind::AV, 88, false, false, true},
                      VisibilityCase{"AV_CREATEK6_count_only", MatrixKind::AV, 118, false, false, true},
                      VisibilityCase{"AV_TRIOLION_model_only", MatrixKind::AV, 11, true, false, false},
                      VisibilityCase{"AV_QRV001", MatrixKind::AV, 1, false, true, true},
                      VisibilityCase{"AV_MAINVAN", MatrixKind::AV, 5, false, true, true},
                      VisibilityCase{"VGA_NotUsed", MatrixKind::VGA, 0, false, false, false},
                      VisibilityCase{"VGA_CREATEK_count_only", MatrixKind::VGA, 4, false, false, true},
                      VisibilityCase{"VGA_RZET_count_only", MatrixKind::VGA, 101, false, false, true},
                      VisibilityCase{"VGA_TRIOLION_model_only", MatrixKind::VGA, 9, true, false, false},
                      VisibilityCase{"VGA_QRV001_model_shows_once_picked", MatrixKind::VGA, 1, true, true, true},
                      VisibilityCase{"DVI_NotUsed", MatrixKind::DVI, 0, false, false, false},
                      VisibilityCase{"DVI_LKV344_count_only", MatrixKind::DVI, 3, false, false, true},
                      VisibilityCase{"DVI_HDMXs_count_only", MatrixKind::DVI, 54, false, false, true},
                      VisibilityCase{"DVI_SMTH3", MatrixKind::DVI, 13, false, true, true},
                      VisibilityCase{"YPbPr_NotUsed", MatrixKind::YPbPr, 0, false, false, false},
                      VisibilityCase{"YPbPr_MVIIBR", MatrixKind::YPbPr, 2, false, true, true}));

TEST(MatrixSettingsModel, OpeningAppliesTheRulesOfTheStoredBrands) {
  MatrixState stored;
  stored.of(MatrixKind::VGA).company = 1;  // "QRV001": model hidden when the dialog opens
  stored.of(MatrixKind::AV).company = 11;  // "TRIOLION"
  MatrixSettingsModel model(stored, WallShape{});
  EXPECT_FALSE(model.page(MatrixKind::VGA).modelVisible);
  EXPECT_TRUE(model.page(MatrixKind::VGA).addressVisible);
  EXPECT_TRUE(model.page(MatrixKind::AV).modelVisible);
  EXPECT_FALSE(model.page(MatrixKind::AV).addressVisible);
}

TEST(MatrixSettingsModel, Itron2TakesLetterAddresses) {
  MatrixState stored;
  stored.of(MatrixKind::AV).id = 7;
  stored.of(MatrixKind::VGA).id = 12;
  stored.of(MatrixKind::DVI).id = 200;
  MatrixSettingsModel model(stored, WallShape{});
  EXPECT_EQ(model.addressEntries(MatrixKind::AV).size(), 256u);
  EXPECT_EQ(model.addressText(MatrixKind::AV), "7");

  model.pickBrand(MatrixKind::VGA, 77);
  EXPECT_TRUE(model.page(MatrixKind::VGA).letterAddresses);
  EXPECT_EQ(model.addressText(MatrixKind::VGA), "*");
  const auto letters = model.addressEntries(MatrixKind::VGA);
  ASSERT_EQ(letters.size(), 27u);
  EXPECT_EQ(letters[1], "A");
  EXPECT_EQ(letters[26], "Z");
  model.pickAddress(MatrixKind::VGA, 10);
  EXPECT_EQ(model.addressText(MatrixKind::VGA), "J");

  // Another VGA brand: numbers again, the stored ID selected.
  model.pickBrand(MatrixKind::VGA, 3);
  EXPECT_FALSE(model.page(MatrixKind::VGA).letterAddresses);
  EXPECT_EQ(model.addressText(MatrixKind::VGA), "12");

  // Another AV brand takes the letters off a VGA page whose brand is not
  // ITRON2, but leaves an ITRON2 page its letters.
  model.pickBrand(MatrixKind::DVI, 30);
  model.pickBrand(MatrixKind::AV, 94);
  model.pickBrand(MatrixKind::AV, 1);
  EXPECT_EQ(model.addressText(MatrixKind::AV), "7");
  EXPECT_TRUE(model.page(MatrixKind::DVI).letterAddresses);
  EXPECT_EQ(model.addressText(MatrixKind::DVI), "*");
}

TEST(MatrixSettingsModel, OpeningOnAStoredItron2KeepsItsAddress) {
  MatrixSettingsModel model(storedWith(MatrixKind::DVI, {30, 0, 10, 4, 100}), WallShape{});
  EXPECT_TRUE(model.page(MatrixKind::DVI).letterAddresses);
  EXPECT_EQ(model.addressText(MatrixKind::DVI), "J");
  EXPECT_EQ(model.confirm().settings[2].id, 10);
}

TEST(MatrixSettingsModel, InputMaxFromTheModelForTriolionAndFixedForAb8To4) {
  MatrixSettingsModel model(MatrixState{}, WallShape{});
  model.pickBrand(MatrixKind::AV, 11);
  model.pickModel(MatrixKind::AV, 6);  // "24X16"
  model.pickInputCount(MatrixKind::AV, 99);
  model.pickBrand(MatrixKind::VGA, 9);
  model.pickModel(MatrixKind::VGA, 2);  // "8X2F2"
  model.pickInputCount(MatrixKind::VGA, 31);
  model.pickInputCount(MatrixKind::DVI, 31);
  auto c = model.confirm();
  EXPECT_EQ(c.settings[0].inputMax, 24);
  EXPECT_EQ(c.settings[1].inputMax, 8);
  EXPECT_EQ(c.settings[2].inputMax, 32);

  model.pickBrand(MatrixKind::AV, 3);
  model.pickBrand(MatrixKind::VGA, 1);
  c = model.confirm();
  EXPECT_EQ(c.settings[0].inputMax, 8);
  EXPECT_EQ(c.settings[1].inputMax, 32);
}

TEST(MatrixSettingsModel, DelayLists) {
  const auto avDelays = MatrixSettingsModel::delayChoices(MatrixKind::AV);
  ASSERT_EQ(avDelays.size(), 22u);
  EXPECT_EQ(avDelays[9], 90);
  EXPECT_EQ(avDelays[10], 100);
  EXPECT_EQ(avDelays[11], 200);
  EXPECT_EQ(avDelays[21], 2000);
  const auto dviDelays = MatrixSettingsModel::delayChoices(MatrixKind::YPbPr);
  ASSERT_EQ(dviDelays.size(), 14u);
  EXPECT_EQ(dviDelays[1], 50);
  EXPECT_EQ(dviDelays[12], 1500);
  EXPECT_EQ(MatrixSettingsModel::delayText(1500), "1500 ms");

  // Opening selects the stored delay; a value no entry shows leaves the field.
  MatrixState stored;
  stored.of(MatrixKind::DVI).delayTime = 50;
  MatrixSettingsModel model(stored, WallShape{});
  EXPECT_EQ(model.page(MatrixKind::DVI).delay, 1);
  model.pickDelay(MatrixKind::DVI, 4);
  stored.of(MatrixKind::DVI).delayTime = 150;
  model.open(stored, WallShape{});
  EXPECT_EQ(model.page(MatrixKind::DVI).delay, 4);
  EXPECT_EQ(model.confirm().settings[2].delayTime, 300);
}

TEST(MatrixSettingsModel, FieldsWithoutASelectionKeepTheStoredValues) {
  MatrixSettingsModel model(storedWith(MatrixKind::DVI, {150, 0, 300, 5000, 150}), WallShape{});
  const MatrixPage& p = model.page(MatrixKind::DVI);
  EXPECT_EQ(p.company, -1);
  EXPECT_EQ(p.address, -1);
  EXPECT_EQ(p.inputCount, -1);
  EXPECT_EQ(p.delay, -1);
  EXPECT_EQ(model.confirm().settings[2], (MatrixSettings{150, 0, 300, 5000, 150}));
}

TEST(MatrixSettingsModel, ConfirmWritesTheSettingsInOrderThenTheTables) {
  MatrixSettingsModel model(MatrixState{}, WallShape{1, 2, false});
  model.pickBrand(MatrixKind::AV, 88);
  model.pickBrand(MatrixKind::VGA, 52);
  const MatrixConfirmation c = model.confirm();
  const std::vector<std::string> settingsKeys = {
      "AV_Company",  "AV_Type",  "AV_ID",  "Matrix_AV_InputMax",  "Matrix_AV_DelayTime",
      "VGA_Company", "VGA_Type", "VGA_ID", "Matrix_VGA_InputMax", "Matrix_VGA_DelayTime",
      "DVI_Company", "DVI_ID",   "Matrix_DVI_InputMax",          "Matrix_DVI_DelayTime",
      "YUV_Company", "YUV_ID",   "Matrix_YUV_InputMax",          "Matrix_YUV_DelayTime",
      "Matrix_AV_OutputStr0",  "Matrix_VGA_OutputStr0", "Matrix_DVI_OutputStr0", "Matrix_YUV_OutputStr0",
      "Matrix_AV_OutputStr1",  "Matrix_VGA_OutputStr1", "Matrix_DVI_OutputStr1", "Matrix_YUV_OutputStr1"};
  ASSERT_EQ(c.writes.size(), settingsKeys.size());
  for (std::size_t i = 0; i < settingsKeys.size(); ++i) EXPECT_EQ(c.writes[i].first, settingsKeys[i]) << i;
  EXPECT_EQ(c.writes[0].second, 88);
  EXPECT_EQ(c.writes[5].second, 52);
  EXPECT_TRUE(c.menus.panasonic);
  EXPECT_TRUE(c.menus.cameraAndRollPolling);
}

TEST(MatrixSettingsModel, ConfirmOnKestrelWritesEveryChannel) {
  MatrixSettingsModel model(MatrixState{}, WallShape{1, 2, true});
  const MatrixConfirmation c = model.confirm();
  std::vector<std::string> tableKeys;
  for (std::size_t i = 18; i < c.writes.size(); ++i) tableKeys.push_back(c.writes[i].first);
  EXPECT_EQ(tableKeys, (std::vector<std::string>{
                           "Matrix_AV_OutputStr0", "Matrix_AV_OutputStr1", "Matrix_AV_OutputStr2",
                           "Matrix_AV_OutputStr3", "Matrix_AV_OutputStr4", "Matrix_AV_OutputStr5",
                           "Matrix_AV_OutputStr6", "Matrix_AV_OutputStr7", "Matrix_DVI_OutputStr0",
                           "Matrix_DVI_OutputStr1", "Matrix_DVI_OutputStr2", "Matrix_DVI_OutputStr3",
                           "Matrix_VGA_OutputStr0", "Matrix_VGA_OutputStr1", "Matrix_YUV_OutputStr0",
                           "Matrix_YUV_OutputStr1"}));
}

TEST(MatrixSettingsModel, ConfirmNeverWritesBeyondTheTable) {
  MatrixSettingsModel model(MatrixState{}, WallShape{30, 30, true});
  int avKeys = 0;
  for (const auto& [key, value] : model.confirm().writes) {
    if (key.rfind("Matrix_AV_OutputStr", 0) == 0) ++avKeys;
    EXPECT_NE(key, "Matrix_AV_OutputStr1000");
  }
  EXPECT_EQ(avKeys, 1000);
}

class Diagram : public ::testing::Test {
 protected:
  static MatrixState wired(const WallShape& wall) {
    MatrixState s;
    for (MatrixKind kind : kMatrixKinds) s.map(kind) = oneToOneByUnit(kind, wall);
    return s;
  }
};

TEST_F(Diagram, OneToOneAndCancelAll) {
  const WallShape wall{2, 3, false};
  MatrixState stored;
  MatrixSettingsModel model(stored, wall);
  model.setActivePage(MatrixKind::YPbPr);
  model.oneToOne();
  EXPECT_EQ(model.cellText(1, 2), "6");
  EXPECT_EQ(model.diagram(MatrixKind::YPbPr)[6], 0);
  EXPECT_EQ(model.diagram(MatrixKind::VGA)[0], 0);  // other kinds untouched
  model.cancelAll();
  EXPECT_EQ(model.cellText(0, 0), "0");
  // Nothing stored before confirm: the stored tables are the caller's.
  EXPECT_EQ(stored.map(MatrixKind::YPbPr)[0], 0);
  EXPECT_EQ(model.confirm().outputMaps[3][5], 0);
}

TEST_F(Diagram, KestrelCellsShowEveryChannel) {
  const WallShape wall{2, 2, true};
  MatrixSettingsModel model(wired(wall), wall);
  model.setActivePage(MatrixKind::AV);
  EXPECT_EQ(model.cellText(1, 0), "3 3 3 3");
  model.setActivePage(MatrixKind::DVI);
  EXPECT_EQ(model.cellText(0, 1), "2      2");
  model.setActivePage(MatrixKind::VGA);
  EXPECT_EQ(model.cellText(1, 1), "4");
}

TEST_F(Diagram, KestrelOneToOneFillsTheFirstEntriesCancelClearsEveryChannel) {
  const WallShape wall{2, 2, true};
  MatrixSettingsModel model(wired(wall), wall);
  model.setActivePage(MatrixKind::AV);
  model.oneToOne();
  EXPECT_EQ(model.cellText(0, 0), "1 2 3 4");
  EXPECT_EQ(model.diagram(MatrixKind::AV)[4], 0 + 2);  // unit 1's first channel is entry 4
  EXPECT_EQ(model.diagram(MatrixKind::AV)[5], 2);      // beyond the first Row × Col: as it was
  model.cancelAll();
  for (int e = 0; e < 16; ++e) EXPECT_EQ(model.diagram(MatrixKind::AV)[static_cast<std::size_t>(e)], 0) << e;
}

TEST_F(Diagram, SingleSelector) {
  const WallShape wall{2, 3, false};
  MatrixSettingsModel model(wired(wall), wall);
  model.setActivePage(MatrixKind::VGA);
  auto sel = std::get<OutputSelector>(model.openSelector(1, 1));
  EXPECT_EQ(sel.form, OutputSelector::Form::Single);
  EXPECT_EQ(sel.listSize, 1001);
  EXPECT_EQ(sel.selected[0], 5);
  sel.selected[0] = 1000;
  model.applySelector(sel);
  EXPECT_EQ(model.cellText(1, 1), "1000");
  sel.selected[0] = 0;  // "不接矩阵"
  model.applySelector(sel);
  EXPECT_EQ(model.diagram(MatrixKind::VGA)[4], 0);
  EXPECT_TRUE(std::holds_alternative<Notice>(model.openSelector(2, 0)));
}

TEST_F(Diagram, FourChannelSelectorOnKestrel) {
  const WallShape wall{2, 2, true};
  MatrixSettingsModel model(wired(wall), wall);
  model.setActivePage(MatrixKind::AV);
  auto av = std::get<OutputSelector>(model.openSelector(0, 1));
  EXPECT_EQ(av.form, OutputSelector::Form::FourChannel);
  EXPECT_EQ(av.listSize, 513);
  EXPECT_EQ(av.labels, (std::array<std::string, 4>{"AV1", "AV2", "AV3", "AV4"}));
  av.selected = {7, 8, -1, 512};
  model.applySelector(av);
  EXPECT_EQ(model.cellText(0, 1), "7 8 2 512");

  model.setActivePage(MatrixKind::DVI);
  auto dvi = std::get<OutputSelector>(model.openSelector(1, 1));
  EXPECT_EQ(dvi.labels[0], "DVI1");
  EXPECT_EQ(dvi.labels[3], "DVI2");
  EXPECT_EQ(dvi.listVisible, (std::array<bool, 4>{true, false, false, true}));
  dvi.selected = {9, 99, 99, 10};
  model.applySelector(dvi);
  EXPECT_EQ(model.cellText(1, 1), "9      10");
  EXPECT_EQ(model.diagram(MatrixKind::DVI)[5], 3);  // unit 2 untouched

  // Kestrel's YPbPr and VGA keep the single selector.
  model.setActivePage(MatrixKind::VGA);
  EXPECT_EQ(std::get<OutputSelector>(model.openSelector(0, 0)).form, OutputSelector::Form::Single);
}

TEST_F(Diagram, CellsBeyondTheTableRefuseWithAMessage) {
  const WallShape wall{30, 30, true};  // 900 units, 3600 AV entries wanted
  MatrixSettingsModel model(wired(wall), wall);
  model.setActivePage(MatrixKind::AV);
  EXPECT_TRUE(std::holds_alternative<OutputSelector>(model.openSelector(8, 9)));  // unit 249
  const auto refused = model.openSelector(8, 10);                                  // unit 250
  ASSERT_TRUE(std::holds_alternative<Notice>(refused));
  EXPECT_FALSE(std::get<Notice>(refused).in(0).empty());
  EXPECT_FALSE(std::get<Notice>(refused).in(1).empty());
  EXPECT_EQ(model.cellText(8, 10), "- - - -");
  // A crafted selector on such a cell changes nothing either.
  OutputSelector sel;
  sel.form = OutputSelector::Form::FourChannel;
  sel.kind = MatrixKind::AV;
  sel.row = 29;
  sel.column = 29;
  sel.selected = {1, 1, 1, 1};
  model.applySelector(sel);
  model.setActivePage(MatrixKind::DVI);
  EXPECT_TRUE(std::holds_alternative<OutputSelector>(model.openSelector(16, 19)));  // unit 499: entries 998, 999
  EXPECT_TRUE(std::holds_alternative<Notice>(model.openSelector(16, 20)));
}

TEST_F(Diagram, CellSizeFromTheGridSize) {
  MatrixSettingsModel model(MatrixState{}, WallShape{3, 4, false});
  EXPECT_EQ(model.cellSize(405, 304), (std::pair<int, int>{100, 100}));
  EXPECT_EQ(model.cellSize(400, 300), (std::pair<int, int>{98, 98}));
}

TEST(MatrixMenus, ByBrand) {
  for (int av : {5, 16, 28, 113}) EXPECT_TRUE(matrixMenus(av, 0).cameraAndRollPolling) << av;
  EXPECT_TRUE(matrixMenus(0, 52).cameraAndRollPolling);
  EXPECT_FALSE(matrixMenus(92, 51).cameraAndRollPolling);
  EXPECT_TRUE(matrixMenus(88, 0).panasonic);
  EXPECT_FALSE(matrixMenus(87, 88).panasonic);
}

TEST(MatrixInputNameEditor, SelectEditConfirm) {
  MatrixInputNameEditor editor;
  editor.open(MatrixKind::YPbPr, {"矩阵输入1", "矩阵输入2"});
  EXPECT_EQ(editor.caption(), "YPbPr");
  EXPECT_EQ(editor.selected(), 0);
  EXPECT_EQ(editor.editText(), "矩阵输入1");
  editor.select(1);
  EXPECT_EQ(editor.editText(), "矩阵输入2");
  editor.select(5);  // no such entry: nothing changes
  EXPECT_EQ(editor.selected(), 1);
  editor.setEditText("摄像机");
  const auto write = editor.confirm();
  ASSERT_TRUE(write.has_value());
  EXPECT_EQ(write->kind, MatrixKind::YPbPr);
  EXPECT_EQ(write->index, 1);
  EXPECT_EQ(write->name, "摄像机");
  EXPECT_EQ(editor.names()[1], "摄像机");

  editor.open(MatrixKind::AV, {});
  EXPECT_FALSE(editor.confirm().has_value());
}

}  // namespace
}  // namespace wall
