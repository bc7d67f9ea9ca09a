// The desktop program in demo mode, offscreen: the real main window, its
// runner and its ports, with the simulated wall behind them. The operator's
// actions must change what the simulation holds, and the virtual wall must
// hear of it.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "core/app/session.h"
#include "core/settings/settings_file.h"
#include "gui/app/main_window.h"
#include "gui/app/wall_grid.h"
#include "gui/sim/demo_mode.h"
#include "gui/sim/sim_bench.h"
#include "gui/sim/virtual_wall_window.h"
#include "core/link/wall_frames.h"
#include "io/port_bank.h"

namespace wall::test {
namespace {

class DemoWall : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    const QString ini = dir.filePath("Setting.ini");
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(settings);
    f.close();
    file = std::make_unique<SettingsFile>(ini.toStdString());
    session = std::make_unique<Session>(*file, dir.path().toStdString());
    session->load();
    window = std::make_unique<MainWindow>(*session, QStringLiteral("wallcontrol"));
    demo = new DemoMode(*session, *window);
    window->openPorts();
    window->show();
    demo->show();
  }
  void TearDown() override {
    window.reset();
    session.reset();
  }

  // Drags over the grid's cells, as the operator selects units.
  void selectUnits(int top, int left, int bottom, int right) {
    WallGrid* grid = window->grid();
    auto* model = grid->model();
    grid->selectionModel()->select(QItemSelection(model->index(top, left), model->index(bottom, right)),
                                   QItemSelectionModel::ClearAndSelect);
  }

  bool unitPower(int row, int column) {
    return demo->bench().inspect([&](const sim::SimSystem& s) { return s.wall().unit(row, column).power; });
  }

  QByteArray settings = "[SETTING]\r\nRow=2\r\nCol=3\r\n";
  QTemporaryDir dir;
  std::unique_ptr<SettingsFile> file;
  std::unique_ptr<Session> session;
  std::unique_ptr<MainWindow> window;
  DemoMode* demo = nullptr;
};

TEST_F(DemoWall, TheWallPortOpensOnTheSimulationAndTheWindowSaysDemo) {
  EXPECT_TRUE(window->ports().port(kWallDevice).isOpen());
  EXPECT_TRUE(window->ports().port(kWallDevice).hasDevice());
  EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("演示模式"))) << window->windowTitle().toStdString();
  auto* status = window->findChild<QLabel*>("demoStatus");
  ASSERT_NE(status, nullptr);
  EXPECT_TRUE(status->isVisible());
  EXPECT_TRUE(demo->wallWindow()->isVisible());
}

TEST_F(DemoWall, AUnitSelectedAndPoweredOnIsOnInTheSimulation) {
  selectUnits(1, 2, 1, 2);
  ASSERT_EQ(session->selection(), Selection::unit(1, 2));
  auto* powerOn = window->findChild<QAction*>("N30");
  ASSERT_NE(powerOn, nullptr);
  powerOn->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return unitPower(1, 2); }, 5000));
  EXPECT_FALSE(unitPower(0, 0));
  EXPECT_FALSE(unitPower(1, 1));
  // The virtual wall heard the frame.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !demo->wallWindow()->recentFrames().isEmpty(); }, 5000));
  EXPECT_TRUE(demo->wallWindow()->recentFrames().last().contains(QStringLiteral("command 10 = 1 units 2:3-2:3")))
      << demo->wallWindow()->recentFrames().last().toStdString();
}

TEST_F(DemoWall, ReadRepliesComeBackOnTheWallPort) {
  SerialPort& port = window->ports().port(kWallDevice);
  const Bytes request = WallFrames(0, Selection::unit(0, 1)).readRequest(0x41);
  ASSERT_EQ(port.writePackage(request), request.size());
  const auto reply = port.waitForPackage(std::chrono::seconds(2));
  ASSERT_TRUE(reply);
  EXPECT_EQ(*reply, (Bytes{0x12, 0x41, 50, 0xAE}));  // a fresh unit's brightness
}

TEST_F(DemoWall, ARecallNoticeArrivesOnTheWallPort) {
  demo->bench().sendRecallNotice(4);
  const auto notice = window->ports().port(kWallDevice).waitForPackage(std::chrono::seconds(2));
  ASSERT_TRUE(notice);
  EXPECT_EQ(*notice, sim::recallNotice(3));
}

}  // namespace
}  // namespace wall::test

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
