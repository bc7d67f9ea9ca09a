#include "core/app/port_dialog_model.h"

#include <gtest/gtest.h>

namespace wall {
namespace {

enum { kMatrix = 0, kAv = 1, kVga = 2, kDvi = 3, kYuv = 4 };

// Every matrix port configured, as after choosing one for each device.
constexpr std::array<int, 6> kAllPorts = {0, 1, 2, 3, 4, 5};

TEST(PortDialog, SharedMatrixPortClearsTheKindsAndTheirPorts) {
  PortDialogModel m(kAllPorts);
  m.setChecked(kMatrix, true);
  EXPECT_TRUE(m.flags().matrixUseComOnly);
  EXPECT_FALSE(m.flags().avUseComOnly || m.flags().vgaUseComOnly || m.flags().dviUseComOnly ||
               m.flags().yuvUseComOnly);
  EXPECT_EQ(m.portNumbers(), (std::array<int, 6>{0, 1, 2, 0, 0, 0}));
  EXPECT_TRUE(m.buttonEnabled(kMatrix));
  for (int box = kAv; box <= kYuv; ++box) EXPECT_FALSE(m.buttonEnabled(box));
}

TEST(PortDialog, FirstShowWithOnlyAvTicksAvAndClosesTheOtherKindsPorts) {
  PortDialogModel m(kAllPorts);
  PortFlags f;
  f.avUseComOnly = true;
  m.show(f);
  EXPECT_TRUE(m.checked(kAv));
  EXPECT_TRUE(m.buttonEnabled(kAv));
  EXPECT_FALSE(m.buttonEnabled(kMatrix));
  EXPECT_EQ(m.portNumbers(), (std::array<int, 6>{0, 1, 2, 0, 0, 0}));
  EXPECT_EQ(m.flags(), f);
}

TEST(PortDialog, MatrixAndAvClearEachOtherAndDeviceTwoLosesItsPort) {
  PortDialogModel m(kAllPorts);
  m.setChecked(kAv, true);
  m.setPortNumber(2, 7);
  m.setChecked(kMatrix, true);
  EXPECT_FALSE(m.checked(kAv));
  EXPECT_EQ(m.portNumber(2), 0);  // the AV box's rule for being cleared
  EXPECT_TRUE(m.flags().matrixUseComOnly);

  m.setPortNumber(2, 7);
  m.setChecked(kAv, true);
  EXPECT_FALSE(m.checked(kMatrix));
  EXPECT_EQ(m.portNumber(2), 0);  // the matrix box's rule for being cleared
  EXPECT_TRUE(m.flags().avUseComOnly);
  EXPECT_FALSE(m.flags().matrixUseComOnly);
  EXPECT_FALSE(m.buttonEnabled(kMatrix));
  EXPECT_TRUE(m.buttonEnabled(kAv));
}

TEST(PortDialog, VgaZeroesTheKindsThatAreOff) {
  PortDialogModel m(kAllPorts);
  m.setChecked(kYuv, true);
  m.setPortNumber(5, 5);
  m.setPortNumber(2, 2);
  m.setPortNumber(3, 3);
  m.setPortNumber(4, 4);
  m.setChecked(kVga, true);
  EXPECT_EQ(m.portNumbers(), (std::array<int, 6>{0, 1, 0, 3, 0, 5}));
  EXPECT_TRUE(m.flags().yuvUseComOnly && m.flags().vgaUseComOnly);
}

TEST(PortDialog, UncheckingAKindClosesItsDevice) {
  PortDialogModel m(kAllPorts);
  m.setChecked(kDvi, true);
  m.setPortNumber(4, 9);
  m.setChecked(kDvi, false);
  EXPECT_EQ(m.portNumber(4), 0);
  EXPECT_FALSE(m.flags().dviUseComOnly);
  EXPECT_FALSE(m.buttonEnabled(kDvi));
}

TEST(PortDialog, SettingTheSameStateRunsNothing) {
  PortDialogModel m(kAllPorts);
  m.setChecked(kMatrix, false);  // already cleared: no rule, device 2 keeps its port
  EXPECT_EQ(m.portNumber(2), 2);
  m.setChecked(kAv, true);
  m.setPortNumber(3, 3);
  m.setChecked(kAv, true);
  EXPECT_EQ(m.portNumber(3), 3);
}

TEST(PortDialog, ShowWithContradictoryFlagsFollowsTheFlagInMemory) {
  // A hand-edited file with both the shared and the AV flag on: the shared
  // box's rule clears the AV flag before the AV box's turn comes.
  PortDialogModel m(kAllPorts);
  PortFlags f;
  f.matrixUseComOnly = true;
  f.avUseComOnly = true;
  f.dviUseComOnly = true;
  m.show(f);
  EXPECT_TRUE(m.checked(kMatrix));
  EXPECT_FALSE(m.checked(kAv));
  EXPECT_FALSE(m.checked(kDvi));
  EXPECT_FALSE(m.buttonEnabled(kAv));
  EXPECT_TRUE(m.buttonEnabled(kMatrix));
  EXPECT_EQ(m.portNumbers(), (std::array<int, 6>{0, 1, 2, 0, 0, 0}));
}

TEST(PortDialog, ShowingAgainReloadsFlagsButNotPortNumbers) {
  PortDialogModel m(kAllPorts);
  m.setChecked(kVga, true);  // not saved
  m.show(PortFlags{});       // the file still has every flag off
  EXPECT_FALSE(m.checked(kVga));
  EXPECT_EQ(m.portNumber(3), 0);  // the VGA box's rule for being cleared ran
  EXPECT_EQ(m.flags(), PortFlags{});
}

}  // namespace
}  // namespace wall
