// The input-control dialog's rules on a real settings file: stored choices
// restored and written at once, the input lists and their names, which list
// the source shows, Kestrel's "子信号", and the confirm built from it all.
#include "core/matrix/input_control_model.h"

#include <gtest/gtest.h>

#include "../settings/temp_folder.h"
#include "core/link/virtual_runner.h"
#include "core/matrix/matrix_store.h"
#include "core/matrix/pip_matrix_lists.h"
#include "core/settings/settings_file.h"

namespace wall::test {
namespace {

class InputControlModelTest : public ::testing::Test {
 protected:
  void start(const std::string& text) {
    wall::testing::writeBytes(dir.file("Setting.ini"), text);
    file = std::make_unique<SettingsFile>(dir.file("Setting.ini"));
    matrices = loadMatrixState(*file, wall);
  }
  wall::testing::TempFolder dir;
  std::unique_ptr<SettingsFile> file;
  WallShape wall{2, 2, false};
  MatrixState matrices;
};

TEST_F(InputControlModelTest, StoredChoicesAreRestored) {
  start("[Matrix]\nDVI_Company=33\nMatrix_DVI_InputMax=3\nDVI_InputName1=Camera\nMatrix_Use=0\n"
        "[Unit14]\nComboBox18=5\nComboBox3=2\nComboBox1=7\nNoWallMode=1\nsuiRadioGroup1=2\n");
  InputControlModel m(*file);
  m.open(6, matrices, 0);
  EXPECT_EQ(m.sourceNames(), (std::vector<std::string>{"VGA", "AV", "SVIDEO", "YPBPR", "DVI", "HDMI"}));
  EXPECT_EQ(m.sourceIndex(), 5);
  EXPECT_EQ(m.sourceCode(), 11);
  EXPECT_EQ(m.inputNames(MatrixKind::DVI),
            (std::vector<std::string>{"矩阵输入   1", "Camera", "矩阵输入   3"}));
  EXPECT_EQ(m.inputIndex(MatrixKind::DVI), 2);
  EXPECT_EQ(m.inputIndex(MatrixKind::VGA), 0);  // 7 is not below InputMax 4
  EXPECT_TRUE(m.singleScreen());
  EXPECT_EQ(m.switchType(), 2);
  EXPECT_FALSE(m.matrixUse());
  // The DVI list shows, disabled while "使用矩阵" is off.
  EXPECT_EQ(m.display(), (InputControlModel::Display{MatrixKind::DVI, false}));
  m.setMatrixUse(true);
  EXPECT_EQ(m.display(), (InputControlModel::Display{MatrixKind::DVI, true}));
  EXPECT_EQ(file->readInt("Matrix", "Matrix_Use", 0), 1);
}

TEST_F(InputControlModelTest, EnglishNamesAndAStoredSourceBeyondTheList) {
  start("[Unit14]\nComboBox18=9\n");
  InputControlModel m(*file);
  m.open(0, matrices, 1);
  EXPECT_EQ(m.inputNames(MatrixKind::AV).front(), "MatrixInput1");
  EXPECT_EQ(m.sourceIndex(), -1);
  EXPECT_FALSE(m.sourceCode().has_value());
  EXPECT_FALSE(m.display().kind.has_value());
  EXPECT_FALSE(m.confirm({matrices, wall, {}, Selection::unit(0, 0)}).has_value());
}

TEST_F(InputControlModelTest, ChoicesAreWrittenAtOnce) {
  start("");
  InputControlModel m(*file);
  m.open(6, matrices, 0);
  m.pickSource(4);
  m.pickInput(MatrixKind::VGA, 3);
  m.pickInput(MatrixKind::AV, 1);
  m.pickInput(MatrixKind::DVI, 2);
  m.pickInput(MatrixKind::YPbPr, 1);
  m.setSingleScreen(true);
  m.setSwitchType(0);
  m.setMatrixUse(false);
  SettingsFile again(dir.file("Setting.ini"));
  EXPECT_EQ(again.readInt("Unit14", "ComboBox18", -1), 4);
  EXPECT_EQ(again.readInt("Unit14", "ComboBox1", -1), 3);
  EXPECT_EQ(again.readInt("Unit14", "ComboBox2", -1), 1);
  EXPECT_EQ(again.readInt("Unit14", "ComboBox3", -1), 2);
  EXPECT_EQ(again.readInt("Unit14", "ComboBox4", -1), 1);
  EXPECT_EQ(again.readInt("Unit14", "NoWallMode", -1), 1);
  EXPECT_EQ(again.readInt("Unit14", "suiRadioGroup1", -1), 0);
  EXPECT_EQ(again.readInt("Matrix", "Matrix_Use", -1), 0);
}

TEST_F(InputControlModelTest, InputListsRefillOnlyAfterTheMatrixSettingsChange) {
  start("[Matrix]\nVGA_Company=3\n");
  InputControlModel m(*file);
  m.open(6, matrices, 0);
  ASSERT_EQ(m.inputNames(MatrixKind::VGA).size(), 4u);
  matrices.of(MatrixKind::VGA).inputMax = 8;
  m.open(6, matrices, 0);
  EXPECT_EQ(m.inputNames(MatrixKind::VGA).size(), 4u);
  m.invalidateInputLists();
  m.open(6, matrices, 0);
  EXPECT_EQ(m.inputNames(MatrixKind::VGA).size(), 8u);
}

TEST_F(InputControlModelTest, AKindNotInUseShowsNoList) {
  start("[Matrix]\nVGA_Company=0\n[Unit14]\nComboBox18=0\n");
  InputControlModel m(*file);
  m.open(6, matrices, 0);
  EXPECT_TRUE(m.matrixUse());
  EXPECT_FALSE(m.display().kind.has_value());
  m.pickSource(2);  // "SVIDEO": no matrix kind
  EXPECT_FALSE(m.display().kind.has_value());
}

TEST_F(InputControlModelTest, KestrelSubSignal) {
  wall.kestrel = true;
  start("[Unit14]\nComboBox18=3\n");
  InputControlModel m(*file);
  m.open(10, matrices, 0);
  EXPECT_EQ(m.subSignal(), 3);  // "AV3" selects "AV3"
  EXPECT_FALSE(m.sourceListNarrow());
  m.pickSubSignal(1);           // set back to the source's own channel
  EXPECT_EQ(m.subSignal(), 3);
  m.pickSource(5);              // "QUAD"
  EXPECT_TRUE(m.sourceListNarrow());
  m.pickSubSignal(2);
  EXPECT_EQ(m.subSignal(), 2);
  m.pickSource(6);              // "SVIDEO"
  EXPECT_FALSE(m.sourceListNarrow());
  // With "使用矩阵" off the rule is not applied.
  m.setMatrixUse(false);
  m.pickSource(1);
  EXPECT_EQ(m.subSignal(), 2);
}

TEST_F(InputControlModelTest, ConfirmUsesTheChosenInputAndSwitchType) {
  start("[Matrix]\nVGA_Company=3\nMatrix_VGA_DelayTime=0\n[Unit14]\nComboBox18=0\nComboBox1=2\nsuiRadioGroup1=0\n");
  InputControlModel m(*file);
  m.open(6, matrices, 0);
  const auto plan = m.confirm({matrices, wall, {}, Selection{0, 0, 1, 0}, 0, 0, 50});
  ASSERT_TRUE(plan.has_value());
  VirtualRunner runner;
  // "ZC001" (VGA 3): FF id 03 in out AA with video and audio; units 0 and 2.
  EXPECT_EQ(timelineText(runner.run(plan->script)),
            "0 1 FF 01 03 03 01 AA\n0 1 FF 01 03 03 03 AA\n50 1 FB B0 11 21 30 0C AE\n");
  EXPECT_EQ(plan->units, (std::vector<int>{0, 2}));
}

TEST_F(InputControlModelTest, PipListsRestoreAndStore) {
  start("[Matrix]\nAV_Company=4\nMatrix_AV_InputMax=2\n[Unit1]\nsuiComboBox1=1\nsuiComboBox5=1\nsuiCheckBox1=1\n"
        "suiComboBox4=9\n");
  PipMatrixLists lists(*file);
  lists.setPipMatrixInput(6, matrices, 0);
  EXPECT_EQ(lists.sourceNames().size(), 6u);
  EXPECT_EQ(lists.popSourceCode(), 2);
  EXPECT_EQ(lists.inputNames(MatrixKind::AV), (std::vector<std::string>{"矩阵输入1", "矩阵输入2"}));
  EXPECT_EQ(lists.inputIndex(MatrixKind::AV), 1);
  EXPECT_EQ(lists.inputIndex(MatrixKind::VGA), 0);
  EXPECT_EQ(lists.popMatrixInput(MatrixKind::AV), 2);
  EXPECT_EQ(lists.setPipMatrix(), (PipMatrixLists::Display{MatrixKind::AV, true}));
  lists.setUseMatrix(false);
  EXPECT_EQ(lists.setPipMatrix(), (PipMatrixLists::Display{MatrixKind::AV, false}));
  lists.pickSource(0);  // VGA, "NotUsed": Panel30 hidden
  EXPECT_FALSE(lists.setPipMatrix().kind.has_value());
  lists.pickInput(MatrixKind::DVI, 3);
  SettingsFile again(dir.file("Setting.ini"));
  EXPECT_EQ(again.readInt("Unit1", "suiComboBox1", -1), 0);
  EXPECT_EQ(again.readInt("Unit1", "suiComboBox6", -1), 3);
  EXPECT_EQ(again.readInt("Unit1", "suiCheckBox1", -1), 0);
}

}  // namespace
}  // namespace wall::test
