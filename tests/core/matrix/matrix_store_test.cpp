// The Matrix section on a real file: defaults of a fresh file, the Kestrel
// layouts, what confirm writes coming back on the next start, input names.
#include "core/matrix/matrix_store.h"

#include <gtest/gtest.h>

#include "../settings/temp_folder.h"
#include "core/matrix/matrix_settings_model.h"
#include "core/settings/settings_file.h"

namespace wall {
namespace {

using wall::testing::TempFolder;

class MatrixStoreTest : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.file("Setting.ini");
};

TEST_F(MatrixStoreTest, AFreshFileIsNotUsedAndWiredOneToOne) {
  SettingsFile file(path);
  const MatrixState state = loadMatrixState(file, WallShape{3, 4, false});
  for (MatrixKind kind : kMatrixKinds) {
    EXPECT_EQ(state.of(kind), MatrixSettings{}) << kindLabel(kind);
    EXPECT_EQ(state.of(kind).company, 0);
    EXPECT_EQ(state.of(kind).id, 1);
    EXPECT_EQ(state.of(kind).inputMax, 4);
    EXPECT_EQ(state.of(kind).delayTime, 100);
    for (int e = 0; e < 12; ++e) EXPECT_EQ(state.map(kind)[static_cast<std::size_t>(e)], e + 1);
    EXPECT_EQ(state.map(kind)[12], 0);
    EXPECT_EQ(state.inputs(kind)[0], 1);
    EXPECT_EQ(state.inputs(kind)[999], 1);
  }
}

TEST_F(MatrixStoreTest, AFreshKestrelFileGivesEachChannelItsUnitsNumber) {
  SettingsFile file(path);
  const MatrixState state = loadMatrixState(file, WallShape{2, 2, true});
  for (int unit = 0; unit < 4; ++unit) {
    for (int k = 0; k < 4; ++k) EXPECT_EQ(state.map(MatrixKind::AV)[static_cast<std::size_t>(unit * 4 + k)], unit + 1);
    for (int k = 0; k < 2; ++k) EXPECT_EQ(state.map(MatrixKind::DVI)[static_cast<std::size_t>(unit * 2 + k)], unit + 1);
    EXPECT_EQ(state.map(MatrixKind::VGA)[static_cast<std::size_t>(unit)], unit + 1);
  }
  EXPECT_EQ(state.map(MatrixKind::AV)[16], 0);
  EXPECT_EQ(state.map(MatrixKind::DVI)[8], 0);
}

TEST_F(MatrixStoreTest, AKestrelWallBeyondTheTableReadsOnlyTheTable) {
  testing::writeBytes(path, "[Matrix]\nMatrix_AV_OutputStr999=77\nMatrix_AV_OutputStr1000=88\n");
  SettingsFile file(path);
  const MatrixState state = loadMatrixState(file, WallShape{16, 16, true});  // 1024 AV entries wanted
  EXPECT_EQ(state.map(MatrixKind::AV)[999], 77);
  EXPECT_EQ(state.map(MatrixKind::AV)[998], 250);
}

TEST_F(MatrixStoreTest, StoredValuesAreReadAsTheyStand) {
  testing::writeBytes(path,
                      "[Matrix]\nVGA_Company=9\nVGA_Type=4\nVGA_ID=$10\nMatrix_VGA_InputMax=8\n"
                      "Matrix_VGA_DelayTime=0\nDVI_Company=150\nDVI_Type=3\nmatrix_dvi_outputstr1=0\n"
                      "Matrix_YUV_OutputStr0=-5\n");
  SettingsFile file(path);
  const MatrixState state = loadMatrixState(file, WallShape{1, 2, false});
  EXPECT_EQ(state.of(MatrixKind::VGA), (MatrixSettings{9, 4, 16, 8, 0}));
  EXPECT_EQ(state.of(MatrixKind::DVI).company, 150);  // beyond the list: kept, the dialog shows no selection
  EXPECT_EQ(state.of(MatrixKind::DVI).type, 0);       // DVI has no model
  EXPECT_EQ(state.map(MatrixKind::DVI)[0], 1);
  EXPECT_EQ(state.map(MatrixKind::DVI)[1], 0);
  EXPECT_EQ(state.map(MatrixKind::YPbPr)[0], -5);
}

TEST_F(MatrixStoreTest, SettingsAreWrittenInTheTablesOrder) {
  SettingsFile file(path);
  writeMatrixSettings(file, MatrixKind::AV, MatrixSettings{5, 2, 3, 64, 200});
  writeMatrixSettings(file, MatrixKind::DVI, MatrixSettings{13, 7, 4, 16, 50});
  const std::string text = testing::readBytes(path);
  EXPECT_NE(text.find("[Matrix]\r\nAV_Company=5\r\nAV_Type=2\r\nAV_ID=3\r\nMatrix_AV_InputMax=64\r\n"
                      "Matrix_AV_DelayTime=200\r\nDVI_Company=13\r\nDVI_ID=4\r\nMatrix_DVI_InputMax=16\r\n"
                      "Matrix_DVI_DelayTime=50"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("DVI_Type"), std::string::npos);
}

TEST_F(MatrixStoreTest, ConfirmedSettingsComeBackAtTheNextStart) {
  const WallShape wall{2, 3, true};
  MatrixState before;
  {
    SettingsFile file(path);
    before = loadMatrixState(file, wall);
  }
  MatrixSettingsModel model(before, wall);
  model.pickBrand(MatrixKind::AV, 94);  // "ITRON2"
  model.pickAddress(MatrixKind::AV, 10);
  model.pickBrand(MatrixKind::VGA, 9);  // "TRIOLION"
  model.pickModel(MatrixKind::VGA, 2);
  model.setActivePage(MatrixKind::AV);
  model.cancelAll();
  model.setActivePage(MatrixKind::VGA);
  auto sel = std::get<OutputSelector>(model.openSelector(1, 2));
  sel.selected[0] = 44;
  model.applySelector(sel);
  const MatrixConfirmation confirmed = model.confirm();
  {
    SettingsFile file(path);
    writeMatrixKeys(file, confirmed.writes);
  }
  SettingsFile again(path);
  const MatrixState after = loadMatrixState(again, wall);
  EXPECT_EQ(after.settings, confirmed.settings);
  EXPECT_EQ(after.of(MatrixKind::AV).id, 10);
  EXPECT_EQ(after.of(MatrixKind::VGA).inputMax, 8);
  for (int e = 0; e < 24; ++e) EXPECT_EQ(after.map(MatrixKind::AV)[static_cast<std::size_t>(e)], 0);
  EXPECT_EQ(after.map(MatrixKind::VGA)[5], 44);  // kept on Kestrel too
  EXPECT_EQ(after.map(MatrixKind::DVI), before.map(MatrixKind::DVI));
}

TEST_F(MatrixStoreTest, InputNamesWithTheirDefaults) {
  testing::writeBytes(path, testing::kBom + "[Matrix]\nYUV_InputName1=摄像机 2\nVGA_InputName0=PC\n");
  SettingsFile file(path);
  EXPECT_EQ(readInputNames(file, MatrixKind::YPbPr, 3, 0),
            (std::vector<std::string>{"矩阵输入1", "摄像机 2", "矩阵输入3"}));
  EXPECT_EQ(readInputNames(file, MatrixKind::VGA, 2, 1), (std::vector<std::string>{"PC", "MatrixInput2"}));
  EXPECT_TRUE(readInputNames(file, MatrixKind::AV, 0, 0).empty());

  writeInputName(file, MatrixKind::YPbPr, 2, "会议室");
  EXPECT_NE(testing::readBytes(path).find("YUV_InputName2=会议室"), std::string::npos);
  EXPECT_EQ(readInputNames(file, MatrixKind::YPbPr, 3, 1)[2], "会议室");
}

}  // namespace
}  // namespace wall
