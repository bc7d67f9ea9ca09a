#include "gui/sim/demo_mode.h"

#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <filesystem>

#include "core/app/session.h"
#include "core/link/wall_frames.h"
#include "gui/app/main_window.h"
#include "gui/sim/sim_bench.h"
#include "gui/sim/virtual_wall_window.h"
#include "io/port_bank.h"
#include "io/script_runner.h"

namespace wall {

namespace {

constexpr std::uint8_t kPower = 0x10;
constexpr std::uint8_t kInput = 0x30;

}  // namespace

bool wallPortPresent(const PortSettings& wallPort) {
  // PortNo alone names /dev/ttyS0.., which exist on most machines whether
  // or not a line is wired: only a Device path that exists counts.
  std::error_code ec;
  return !wallPort.device.empty() && std::filesystem::exists(wallPort.device, ec);
}

DemoMode::DemoMode(Session& session, MainWindow& window)
    : QObject(&window), session_(session), window_(window) {
  const SessionValues& v = session.values();
  bench_ = new SimBench(v.rows, v.columns, v.cmdForm, this);
  bench_->attachTo(window.ports());
  wall_ = new VirtualWallWindow(session, *bench_, &window);
  status_ = new QLabel(&window);
  status_->setObjectName("demoStatus");
  status_->setStyleSheet(QStringLiteral("QLabel { color: white; background: #b06a10; padding: 1px 8px; }"));
  window.statusBar()->addPermanentWidget(status_);
  window.installEventFilter(this);
  retitle();
}

void DemoMode::retitle() {
  window_.setTitleSuffix(tr(" — 演示模式（模拟显示墙）"));
  // Short: the status bar's own panels keep their room.
  status_->setText(tr("演示模式：模拟显示墙"));
  status_->setToolTip(tr("演示模式：没有串口，命令发往模拟显示墙"));
}

bool DemoMode::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::LanguageChange) retitle();
  return false;
}

void DemoMode::show() {
  const QRect main = window_.frameGeometry();
  wall_->move(main.right() + 12, main.top());
  wall_->show();
}

void DemoMode::playTour() {
  const SessionValues& v = session_.values();
  const int rows = v.rows;
  const int columns = v.columns;
  auto frames = [&](Selection s) { return WallFrames(v.cmdForm, s); };
  Script tour;
  tour.send(kWallDevice, frames(Selection::unit(0, 0)).buttonIncDecAll(kPower, 1));
  // Row by row: VGA, HDMI, AV, DVI ... with their wall input codes.
  const std::pair<int, std::uint8_t> sources[] = {{0, 0x0C}, {11, 0x0F}, {2, 0x00}, {10, 0x0E}};
  for (int r = 0; r < rows; ++r) {
    const auto& [source, code] = sources[static_cast<std::size_t>(r % 4)];
    tour.send(kWallDevice, frames(Selection{r, 0, r, columns - 1}).buttonIncDec(kInput, code));
    for (int c = 0; c < columns; ++c) session_.setUnitSource(r, c, source);
  }
  // The VGA matrix feeds the first row from inputs 1, 2, 3 ...: FF frames on
  // the wall port, as a matrix without a port of its own gets them.
  for (int c = 0; c < columns; ++c) {
    const int out = c + 1;
    tour.send(kWallDevice, Bytes{0xFF, 0x01, 0x03, static_cast<std::uint8_t>(c % 4 + 1), static_cast<std::uint8_t>(out), 0xAA});
  }
  // A picture-in-picture window at the bottom right of the lower block.
  if (rows >= 2 && columns >= 2) {
    const Selection block{rows - 2, columns - 2, rows - 1, columns - 1};
    tour.send(kWallDevice, frames(block).buttonWrite(0x63, 3 * 16 + 5));
    tour.send(kWallDevice, frames(block).buttonWrite(0x61, 0x0C));
  }
  window_.runner().submit(std::move(tour));
}

}  // namespace wall
