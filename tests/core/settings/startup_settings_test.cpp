#include "core/settings/startup_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "core/settings/settings_file.h"
#include "temp_folder.h"

namespace wall {
namespace {

using testing::TempFolder;
using testing::writeBytes;

class StartupSettingsTest : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.file("Setting.ini");

  StartupSettings read(const std::string& text) {
    writeBytes(path, text);
    SettingsFile file(path);
    return readStartupSettings(file, "/opt/wall/");
  }
};

TEST_F(StartupSettingsTest, EmptyFileGivesTheDefaults) {
  const StartupSettings s = read("");
  EXPECT_EQ(s.language, 0);
  EXPECT_EQ(s.caption, "液晶幕墙系统软件");
  EXPECT_EQ(s.cmdDelayTime10Ms, 0);
  EXPECT_EQ(s.powerDelayTime10Ms, 0);
  EXPECT_EQ(s.matrixToScreenTime, 200);
  EXPECT_EQ(s.switchOrder, 0);
  EXPECT_FALSE(s.bAutoAutoAdjEn);
  EXPECT_FALSE(s.began);
  EXPECT_EQ(s.autoPowerOn, 0);
  EXPECT_EQ(s.bLogin, 0);
  EXPECT_EQ(s.row, 3);
  EXPECT_EQ(s.col, 3);
  EXPECT_EQ(s.imageFile, "/opt/wall/bmp/default.bmp");
  EXPECT_EQ(s.switchType, 1);
  // Product type 6: 7-byte frames, no read-back, no roaming.
  EXPECT_EQ(s.boardSel, 6);
  EXPECT_EQ(s.cmdForm, 0);
  EXPECT_EQ(s.bReadEn, 0);
  EXPECT_EQ(s.bManYou, 0);
  // The wall port is COM1 at 9600 8N1; devices 2 to 5 have no port.
  EXPECT_EQ(s.ports[0], PortSettings::defaultsFor(1));
  EXPECT_EQ(s.ports[0].portNo, 1);
  EXPECT_EQ(baudRate(s.ports[0].baud), 9600);
  for (int d = 2; d <= 5; ++d) EXPECT_EQ(s.ports[static_cast<std::size_t>(d - 1)].portNo, 0);
  EXPECT_EQ(s.portFlags, PortFlags{});
  EXPECT_FALSE(s.timerSystemEnable);
  EXPECT_FALSE(s.matrixRollOnOff);
  EXPECT_EQ(s.wallMode, 0);
  EXPECT_EQ(s.matrixUse, 1);
  EXPECT_EQ(s.wallCustomColors, 0);
}

struct BoardCase {
  std::int32_t boardSel;
  std::int32_t cmdForm;
  std::int32_t readEn;
  std::int32_t manYou;
};

class BoardDefaultsTest : public StartupSettingsTest, public ::testing::WithParamInterface<BoardCase> {};

TEST_P(BoardDefaultsTest, ThreeDefaultsFollowTheProductType) {
  const BoardCase& c = GetParam();
  const StartupSettings s = read("[System]\nBoardSel=" + std::to_string(c.boardSel) + "\n");
  EXPECT_EQ(s.boardSel, c.boardSel);
  EXPECT_EQ(s.cmdForm, c.cmdForm);
  EXPECT_EQ(s.bReadEn, c.readEn);
  EXPECT_EQ(s.bManYou, c.manYou);
}

INSTANTIATE_TEST_SUITE_P(Products, BoardDefaultsTest,
                         ::testing::Values(BoardCase{0, 0, 0, 0}, BoardCase{3, 0, 0, 0}, BoardCase{4, 0, 0, 0},
                                           BoardCase{5, 0, 1, 1}, BoardCase{6, 0, 0, 0}, BoardCase{9, 0, 1, 0},
                                           BoardCase{10, 0, 1, 1}, BoardCase{11, 0, 0, 0}, BoardCase{12, 1, 1, 0},
                                           BoardCase{13, 1, 1, 0}, BoardCase{14, 0, 0, 0}, BoardCase{-1, 0, 0, 0}));

TEST_F(StartupSettingsTest, StoredValuesWinOverProductDefaults) {
  const StartupSettings s = read("[System]\nBoardSel=12\n[SETTING]\nCmdForm=2\nbReadEn=0\nbManYou=1\n");
  EXPECT_EQ(s.cmdForm, 2);
  EXPECT_EQ(s.bReadEn, 0);
  EXPECT_EQ(s.bManYou, 1);
}

TEST_F(StartupSettingsTest, ReadsEveryKeyAndKeepsValuesOutOfRange) {
  const StartupSettings s = read(
      "[setting]\r\nlanguage=1\r\nCaption=\" Hall A \"\r\nCmdDelayTime10Ms=$10\r\nPowerDelayTime10Ms=50\r\n"
      "MatrixToScreenTime=99999\r\nSwitchOrder=7\r\nCmdForm=9\r\nbReadEn=2\r\nbManYou=-1\r\n"
      "bAutoAutoAdjEn=2\r\nbegan=-1\r\nAutoPowerOn=1\r\nbLogin=3\r\nRow=0\r\nCol=99\r\n"
      "ImageFile=/srv/logo.bmp\r\n[Unit14]\r\nsuiRadioGroup1=5\r\n[System]\r\nBoardSel=42\r\n"
      "[YbCommDevice3 Com Set]\r\nPortNo=4\r\nBaud=20\r\nDevice=/dev/ttyUSB0\r\n"
      "[YbCommDevice]\r\nVGAMatrixUseComOnly=1\r\n[TimerSystem]\r\nEnable=1\r\n[MatrixRoll]\r\nOnOff=1\r\n"
      "[Wall]\r\nWall_Mode=60\r\nWallCustomColors=1\r\n[Matrix]\r\nMatrix_Use=0\r\n");
  EXPECT_EQ(s.language, 1);
  EXPECT_EQ(s.caption, " Hall A ");
  EXPECT_EQ(s.cmdDelayTime10Ms, 16);
  EXPECT_EQ(s.powerDelayTime10Ms, 50);
  EXPECT_EQ(s.matrixToScreenTime, 99999);
  EXPECT_EQ(s.switchOrder, 7);
  EXPECT_EQ(s.cmdForm, 9);
  EXPECT_EQ(s.bReadEn, 2);
  EXPECT_EQ(s.bManYou, -1);
  EXPECT_TRUE(s.bAutoAutoAdjEn);
  EXPECT_TRUE(s.began);
  EXPECT_EQ(s.autoPowerOn, 1);
  EXPECT_EQ(s.bLogin, 3);
  EXPECT_EQ(s.row, 0);
  EXPECT_EQ(s.col, 99);
  EXPECT_EQ(s.imageFile, "/srv/logo.bmp");
  EXPECT_EQ(s.switchType, 5);
  EXPECT_EQ(s.boardSel, 42);
  EXPECT_EQ(s.ports[2].portNo, 4);
  EXPECT_EQ(s.ports[2].baud, 20);
  EXPECT_EQ(s.ports[2].device, "/dev/ttyUSB0");
  EXPECT_FALSE(baudRate(s.ports[2].baud));
  EXPECT_TRUE(s.portFlags.vgaUseComOnly);
  EXPECT_FALSE(s.portFlags.matrixUseComOnly);
  EXPECT_TRUE(s.timerSystemEnable);
  EXPECT_TRUE(s.matrixRollOnOff);
  EXPECT_EQ(s.wallMode, 60);
  EXPECT_EQ(s.matrixUse, 0);
  EXPECT_EQ(s.wallCustomColors, 1);
}

TEST_F(StartupSettingsTest, NonNumbersTakeTheDefault) {
  const StartupSettings s = read("[SETTING]\nRow=three\nCol=\nbAutoAutoAdjEn=yes\nMatrixToScreenTime=1.5\n");
  EXPECT_EQ(s.row, 3);
  EXPECT_EQ(s.col, 3);
  EXPECT_FALSE(s.bAutoAutoAdjEn);
  EXPECT_EQ(s.matrixToScreenTime, 200);
}

TEST_F(StartupSettingsTest, EnglishCaptionDefaultAndImageFolder) {
  writeBytes(path, "[SETTING]\nLanguage=1\n");
  SettingsFile file(path);
  const StartupSettings s = readStartupSettings(file, "/usr/lib/wall");
  EXPECT_EQ(s.caption, " LCD Wall Control");
  EXPECT_EQ(s.imageFile, "/usr/lib/wall/bmp/default.bmp");
}

}  // namespace
}  // namespace wall
