#pragma once
// Demo mode: the program runs against the simulated wall and matrices in
// its own process. The simulation stands in for every port, the window
// title and the status bar say so, and the virtual wall shows what the
// simulation sees.

#include <QObject>
#include <QString>

#include "core/settings/port_settings.h"

class QLabel;

namespace wall {

class MainWindow;
class Session;
class SimBench;
class VirtualWallWindow;

// True when the wall port names a device path that exists: a wall is
// configured and plugged in, so the program needs no demo.
bool wallPortPresent(const PortSettings& wallPort);

class DemoMode : public QObject {
  Q_OBJECT
 public:
  // Call before the window opens its ports.
  DemoMode(Session& session, MainWindow& window);

  SimBench& bench() { return *bench_; }
  VirtualWallWindow* wallWindow() const { return wall_; }

  // Shows the virtual wall beside the main window.
  void show();
  // A short tour for screenshots: every unit on, a few sources and matrix
  // routes, a picture-in-picture window. Sent through the program's own
  // runner and ports, as the operator's commands are.
  void playTour();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void retitle();

  Session& session_;
  MainWindow& window_;
  SimBench* bench_;
  VirtualWallWindow* wall_;
  QLabel* status_;
};

}  // namespace wall
