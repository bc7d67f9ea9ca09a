// wallcontrol: the operator's desktop program for the video wall.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPainter>
#include <QTimer>
#include <memory>

#include "core/app/session.h"
#include "core/settings/settings_file.h"
#include "gui/app/main_window.h"
#include "gui/app/quit_signals.h"
#include "gui/sim/demo_mode.h"
#include "gui/sim/virtual_wall_window.h"
#include "io/script_runner.h"

namespace {

// Demo screenshots: the main window and the virtual wall side by side.
bool saveScreenshot(wall::MainWindow& window, wall::VirtualWallWindow& wallWindow, const QString& file) {
  const QPixmap main = window.grab();
  const QPixmap wall = wallWindow.grab();
  constexpr int kGap = 16;
  QPixmap both(main.width() + kGap + wall.width(), std::max(main.height(), wall.height()));
  both.fill(QColor(0x0f, 0x12, 0x18));
  QPainter p(&both);
  p.drawPixmap(0, 0, main);
  p.drawPixmap(main.width() + kGap, 0, wall);
  p.end();
  return both.save(file);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("wallcontrol"));
  QApplication::setApplicationVersion(QStringLiteral(WALL_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Wall Control"));
  parser.addHelpOption();
  parser.addVersionOption();
  QCommandLineOption settingsOption(QStringLiteral("settings"),
                                    QStringLiteral("Use FILE as the settings file (Setting.ini)."),
                                    QStringLiteral("FILE"));
  QCommandLineOption demoOption(QStringLiteral("demo"),
                                QStringLiteral("Run against the simulated wall and matrices (no serial port)."));
  QCommandLineOption autoDemoOption(
      QStringLiteral("auto-demo"),
      QStringLiteral("Run the demo when the wall port's Device is not set or not present."));
  QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                      QStringLiteral("Demo: play a short tour, save the windows as PNG to FILE, end."),
                                      QStringLiteral("FILE"));
  parser.addOption(settingsOption);
  parser.addOption(demoOption);
  parser.addOption(autoDemoOption);
  parser.addOption(screenshotOption);
  parser.process(app);

  const std::string exeDir = QCoreApplication::applicationDirPath().toStdString();
  wall::SettingsFile file(wall::locateSettingsFile(parser.value(settingsOption).toStdString(), exeDir));
  wall::Session session(file, exeDir);
  session.load();

  const bool demo = parser.isSet(demoOption) || parser.isSet(screenshotOption) ||
                    (parser.isSet(autoDemoOption) && !wall::wallPortPresent(session.values().ports[0]));

  wall::MainWindow window(session, QCoreApplication::applicationFilePath());
  wall::DemoMode* demoMode = demo ? new wall::DemoMode(session, window) : nullptr;
  wall::closeOnQuitSignals(&window);
  window.openPorts();
  if (wall::quitSignalled()) return 0;  // asked to end during the start: the close has saved
  window.show();
  if (demoMode) demoMode->show();

  if (demoMode && parser.isSet(screenshotOption)) {
    demoMode->playTour();
    const QString shot = parser.value(screenshotOption);
    QTimer::singleShot(300, &window, [&window, demoMode, shot] {
      window.runner().waitUntilIdle(std::chrono::seconds(10));
      QTimer::singleShot(300, &window, [&window, demoMode, shot] {
        const bool saved = saveScreenshot(window, *demoMode->wallWindow(), shot);
        QApplication::exit(saved ? 0 : 1);
      });
    });
  }
  return app.exec();
}
