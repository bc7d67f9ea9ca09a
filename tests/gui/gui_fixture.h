#pragma once
// What the desktop tests share: a temporary folder with a Setting.ini, a
// pseudo-terminal standing in for the wall port, a watcher that answers
// modal dialogs, and a main window started the way the program starts it.

#include <QByteArray>
#include <QComboBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "core/app/session.h"
#include "core/settings/settings_file.h"
#include "gui/app/main_window.h"
#include "core/settings/port_settings.h"

namespace wall::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  const QString& path() const { return path_; }
  QString file(const QString& name) const { return path_ + "/" + name; }

 private:
  QString path_;
};

// A pseudo-terminal: the program opens the slave path as its port, the
// test reads and writes the master end.
class Pty {
 public:
  Pty();
  ~Pty();
  QString slavePath() const { return slavePath_; }
  // Everything that arrives within `ms`, with the event loop running.
  QByteArray readFor(int ms);
  // Reads until `count` bytes came or `ms` passed.
  QByteArray readBytes(int count, int ms);
  void write(const QByteArray& bytes);

 private:
  int master_ = -1;
  int slave_ = -1;
  QString slavePath_;
};

// Answers every modal dialog that opens: records its name and text, then
// runs `answer` (by default: reject it).
class ModalWatcher : public QObject {
 public:
  explicit ModalWatcher(std::function<void(QWidget*)> answer = {});
  QStringList seen;  // "objectName: text"

 private:
  void check();
  QTimer timer_;
  std::function<void(QWidget*)> answer_;
};

// A running main window on a settings file.
struct Program {
  Program(const QString& settingsPath, bool openPorts = true);
  ~Program();
  std::unique_ptr<SettingsFile> file;
  std::unique_ptr<Session> session;
  std::unique_ptr<MainWindow> window;
};

// Waits (with the event loop running) until `done` or `ms` passed.
bool waitFor(const std::function<bool()>& done, int ms = 3000);

// The settings text that makes the pseudo-terminal the wall port.
QString wallPortOn(const Pty& pty);

QString hex(const QByteArray& bytes);

inline PortSettings withPortNo(PortSettings s, int portNo) {
  s.portNo = portNo;
  return s;
}

// Writes a settings file (or any text) as UTF-8.
void writeFile(const QString& path, const QString& text);

// The control named `name` below `parent`; a missing one ends the run, as
// every later step would fail on it.
template <typename T>
T* child(QObject* parent, const char* name) {
  T* w = parent->findChild<T*>(name);
  if (!w) qFatal("no control %s", name);
  return w;
}

// What the operator's pick in a list does: the list moves and reports it.
inline void pick(QComboBox* list, int index) {
  list->setCurrentIndex(index);
  emit list->activated(index);
}

}  // namespace wall::test
