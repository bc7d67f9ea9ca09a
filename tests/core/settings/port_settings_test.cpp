#include "core/settings/port_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "core/settings/settings_file.h"
#include "temp_folder.h"

namespace wall {
namespace {

using testing::kBom;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

class PortSettingsTest : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.file("Setting.ini");
};

TEST_F(PortSettingsTest, DefaultsWhenMissing) {
  SettingsFile file(path);
  for (int device = 1; device <= 5; ++device) {
    const PortSettings s = readPortSettings(file, device);
    EXPECT_EQ(s, PortSettings::defaultsFor(device));
    EXPECT_EQ(s.portNo, device == 1 ? 1 : 0);
    EXPECT_EQ(s.baud, 6);
    EXPECT_EQ(s.byteSize, 8);
    EXPECT_EQ(s.inBufSize, 8192);
    EXPECT_EQ(s.outBufSize, 8192);
  }
  EXPECT_EQ(readPortFlags(file), PortFlags{});
}

TEST_F(PortSettingsTest, WritesNineKeysInOrderInOneSave) {
  SettingsFile file(path);
  PortSettings s = PortSettings::defaultsFor(2);
  s.portNo = 3;
  s.baud = 12;
  writePortSettings(file, 2, s);
  EXPECT_FALSE(file.hasUnsavedChanges());
  EXPECT_EQ(readBytes(path), kBom +
                                 "[YbCommDevice2 Com Set]\r\nPortNo=3\r\nBaud=12\r\nParity=0\r\nByteSize=8\r\n"
                                 "StopBits=0\r\nFlowControl=0\r\nAutoAnswer=0\r\nInBufSize=8192\r\nOutBufSize=8192\r\n");
  EXPECT_EQ(readPortSettings(file, 2), s);
}

TEST_F(PortSettingsTest, DevicePathRoundTripsAndClearingKeepsTheKey) {
  SettingsFile file(path);
  PortSettings s = PortSettings::defaultsFor(1);
  s.device = "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0";
  writePortSettings(file, 1, s);
  EXPECT_EQ(readPortSettings(file, 1).device, s.device);
  EXPECT_EQ(portPath(readPortSettings(file, 1)), s.device);
  s.device.clear();
  writePortSettings(file, 1, s);
  EXPECT_TRUE(file.hasKey(portSection(1), "Device"));
  EXPECT_EQ(portPath(readPortSettings(file, 1)), "/dev/ttyS0");
}

TEST_F(PortSettingsTest, ValuesOutOfRangeAreKept) {
  writeBytes(path, "[ybcommdevice5 com set]\nPortNo=-2\nBaud=99\nParity=9\nByteSize=$20\n");
  SettingsFile file(path);
  const PortSettings s = readPortSettings(file, 5);
  EXPECT_EQ(s.portNo, -2);
  EXPECT_EQ(s.baud, 99);
  EXPECT_EQ(s.parity, 9);
  EXPECT_EQ(s.byteSize, 32);
  EXPECT_FALSE(baudRate(s.baud));
  EXPECT_EQ(portPath(s), "");
}

TEST_F(PortSettingsTest, FlagsRoundTrip) {
  SettingsFile file(path);
  PortFlags f;
  f.avUseComOnly = true;
  f.yuvUseComOnly = true;
  writePortFlags(file, f);
  EXPECT_EQ(readPortFlags(file), f);
  EXPECT_EQ(SettingsFile(path).readInt("YbCommDevice", "AVMatrixUseComOnly", 0), 1);
  EXPECT_EQ(SettingsFile(path).readInt("YbCommDevice", "MatrixUseComOnly", 1), 0);
}

TEST(PortSettings, BaudTableAndPaths) {
  EXPECT_EQ(baudRate(0), 110);
  EXPECT_EQ(baudRate(6), 9600);
  EXPECT_EQ(baudRate(14), 256000);
  EXPECT_FALSE(baudRate(15));
  EXPECT_FALSE(baudRate(-1));
  PortSettings s;
  s.portNo = 3;
  EXPECT_EQ(portPath(s), "/dev/ttyS2");
  EXPECT_EQ(portSection(4), "YbCommDevice4 Com Set");
}

}  // namespace
}  // namespace wall
