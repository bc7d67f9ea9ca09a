// Grabs the main window, offscreen, to PNG files in both languages, so that
// its looks can be checked without a display:
//   wallcontrol_grab OUTPUT_DIR [SETTINGS_FILE]
// Writes main-zh.png and main-en.png, one picture per control-panel page
// (page1-zh.png ...) and the dialogs beside them.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>

#include "core/app/session.h"
#include "core/settings/settings_file.h"
#include "gui/app/main_window.h"
#include "gui/app/power_off_dialog.h"
#include "gui/app/system_settings_dialog.h"
#include "gui/link/port_dialog.h"
#include "gui/link/traffic_window.h"

namespace {
void grab(QWidget* w, const QString& path) {
  w->show();
  QApplication::processEvents();
  w->grab().save(path);
}
}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    qWarning("usage: wallcontrol_grab OUTPUT_DIR [SETTINGS_FILE]");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  QTemporaryDir tmp;
  const QString settings = argc > 2 ? QString::fromLocal8Bit(argv[2]) : tmp.filePath("Setting.ini");
  wall::SettingsFile file(settings.toStdString());
  wall::Session session(file, tmp.path().toStdString());
  session.load();
  wall::MainWindow window(session, QStringLiteral("wallcontrol"));
  window.show();
  for (int language : {0, 1}) {
    window.setLanguage(language);
    const QString suffix = language == 0 ? "zh" : "en";
    QApplication::processEvents();
    window.grab().save(out + "/main-" + suffix + ".png");
    // Every control-panel page, as the operator flips through them.
    if (auto* pages = window.findChild<QTabWidget*>()) {
      const int shown = pages->currentIndex();
      for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QApplication::processEvents();
        window.grab().save(out + QStringLiteral("/page%1-").arg(i + 1) + suffix + ".png");
      }
      pages->setCurrentIndex(shown);
    }
    window.openSystemSettings();
    grab(window.systemSettingsDialog(), out + "/options-" + suffix + ".png");
    window.systemSettingsDialog()->hide();
    grab(window.portDialog(), out + "/ports-" + suffix + ".png");
    window.portDialog()->hide();
    grab(window.powerOffDialog(), out + "/poweroff-" + suffix + ".png");
    window.powerOffDialog()->hide();
    grab(window.trafficWindow(), out + "/traffic-" + suffix + ".png");
    window.trafficWindow()->hide();
  }
  window.setLanguage(0);
  return 0;
}
