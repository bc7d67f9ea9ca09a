// wallcontrol: the operator's desktop program for the video wall.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include "core/app/session.h"
#include "core/settings/settings_file.h"
#include "gui/app/main_window.h"
#include "gui/app/quit_signals.h"

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
  parser.addOption(settingsOption);
  parser.process(app);

  const std::string exeDir = QCoreApplication::applicationDirPath().toStdString();
  wall::SettingsFile file(wall::locateSettingsFile(parser.value(settingsOption).toStdString(), exeDir));
  wall::Session session(file, exeDir);
  session.load();

  wall::MainWindow window(session, QCoreApplication::applicationFilePath());
  wall::closeOnQuitSignals(&window);
  window.openPorts();
  if (wall::quitSignalled()) return 0;  // asked to end during the start: the close has saved
  window.show();
  return app.exec();
}
