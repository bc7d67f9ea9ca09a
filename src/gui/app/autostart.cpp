#include "gui/app/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace wall {

QString autostartEntryPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         "/autostart/wallcontrol.desktop";
}

#ifdef Q_OS_WIN
bool setAutostart(bool on, const QString& program) {
  QSettings run("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                QSettings::NativeFormat);
  if (on) {
    run.setValue("WALL", QDir::toNativeSeparators(program));
  } else {
    run.remove("WALL");
  }
  run.sync();
  return run.status() == QSettings::NoError;
}
#else
namespace {
// The Exec key quotes the path, escaping what the desktop-entry format asks.
QString execValue(const QString& program) {
  QString escaped = program;
  escaped.replace("\\", "\\\\").replace("\"", "\\\"").replace("`", "\\`").replace("$", "\\$");
  return "\"" + escaped + "\"";
}
}  // namespace

bool setAutostart(bool on, const QString& program) {
  const QString path = autostartEntryPath();
  if (!on) return !QFileInfo::exists(path) || QFile::remove(path);
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  const QString entry = QStringLiteral(
                            "[Desktop Entry]\n"
                            "Type=Application\n"
                            "Name=Wall Control\n"
                            "Name[zh_CN]=液晶幕墙系统软件\n"
                            "Exec=%1\n"
                            "Terminal=false\n"
                            "X-GNOME-Autostart-enabled=true\n")
                            .arg(execValue(program));
  file.write(entry.toUtf8());
  return file.commit();
}
#endif

}  // namespace wall
