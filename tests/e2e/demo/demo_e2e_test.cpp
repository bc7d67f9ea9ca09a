// The desktop program in demo mode, offscreen: the real main window, its
// runner and its ports, with the simulated wall behind them. The operator's
// actions must change what the simulation holds, and the virtual wall must
// hear of it.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
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

TEST_F(DemoWall, TheRecallButtonSendsTheNoticeOnTheWallPort) {
  auto* plan = demo->wallWindow()->findChild<QSpinBox*>("recallPlan");
  auto* send = demo->wallWindow()->findChild<QPushButton*>("sendRecallNotice");
  ASSERT_NE(plan, nullptr);
  ASSERT_NE(send, nullptr);
  EXPECT_EQ(plan->maximum(), session->planCount());
  plan->setValue(4);
  QTest::mouseClick(send, Qt::LeftButton);
  const auto notice = window->ports().port(kWallDevice).waitForPackage(std::chrono::seconds(2));
  ASSERT_TRUE(notice);
  EXPECT_EQ(*notice, sim::recallNotice(3));
  EXPECT_TRUE(demo->wallWindow()->recentFrames().last().contains(QStringLiteral("recall notice for plan 4")));
}

// The simulated cables run as the output connection diagram says: a unit
// shows the input routed to the output its diagram entry names.
TEST_F(DemoWall, TheCablingFollowsTheOutputConnectionDiagram) {
  session->matrices().map(MatrixKind::VGA)[1] = 7;  // unit 1:2 on VGA output 7
  demo->wallWindow()->followSettings();
  SerialPort& port = window->ports().port(kWallDevice);
  const Bytes toVga = WallFrames(0, Selection::unit(0, 1)).buttonIncDec(0x30, 0x0C);
  const Bytes in3ToOut7{0xFF, 0x01, 0x03, 0x03, 0x07, 0xAA};
  const Bytes in5ToOut2{0xFF, 0x01, 0x03, 0x05, 0x02, 0xAA};
  for (const Bytes& b : {toVga, in3ToOut7, in5ToOut2}) {
    ASSERT_EQ(port.writePackage(b), b.size());
    QTest::qWait(80);  // one package each, as the operator's commands go
  }
  const auto view = [&] { return demo->bench().inspect([](const sim::SimSystem& s) { return s.view(0, 1); }); };
  ASSERT_TRUE(QTest::qWaitFor([&] { return view().matrixInput.has_value(); }, 5000));
  EXPECT_EQ(view().matrixOutput, 7);
  EXPECT_EQ(view().matrixInput, 3);

  // The diagram changed again: unit 1:2 now hangs on output 2.
  session->matrices().map(MatrixKind::VGA)[1] = 2;
  demo->wallWindow()->followSettings();
  EXPECT_EQ(view().matrixOutput, 2);
  EXPECT_EQ(view().matrixInput, 5);
  // And off the diagram: no cable, no matrix input.
  session->matrices().map(MatrixKind::VGA)[1] = 0;
  demo->wallWindow()->followSettings();
  EXPECT_EQ(view().matrixOutput, 0);
  EXPECT_EQ(view().matrixInput, std::nullopt);
}

TEST_F(DemoWall, InEnglishTheDemoSaysSoInEnglish) {
  window->setLanguage(1);
  EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("Demo (simulated wall)")))
      << window->windowTitle().toStdString();
  EXPECT_EQ(demo->wallWindow()->windowTitle(), QStringLiteral("Virtual wall (demo)"));
  EXPECT_EQ(demo->wallWindow()->findChild<QPushButton*>("sendRecallNotice")->text(), QStringLiteral("Send"));
  window->setLanguage(0);
  EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("演示模式"))) << window->windowTitle().toStdString();
  EXPECT_EQ(demo->wallWindow()->windowTitle(), QStringLiteral("虚拟显示墙 (演示模式)"));
}

}  // namespace
}  // namespace wall::test

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
