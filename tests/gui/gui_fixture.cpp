#include "gui_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace wall::test {

TempDir::TempDir() {
  QTemporaryDir dir(QDir::tempPath() + "/wallgui-XXXXXX");
  dir.setAutoRemove(false);
  path_ = dir.path();
}

TempDir::~TempDir() { QDir(path_).removeRecursively(); }

Pty::Pty() {
  char name[256] = {};
  if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) qFatal("openpty failed");
  termios t{};
  ::tcgetattr(slave_, &t);
  ::cfmakeraw(&t);
  ::tcsetattr(slave_, TCSANOW, &t);
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  slavePath_ = QString::fromLocal8Bit(name);
}

Pty::~Pty() {
  ::close(master_);
  ::close(slave_);
}

QByteArray Pty::readFor(int ms) {
  QByteArray got;
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    pollfd p{master_, POLLIN, 0};
    if (::poll(&p, 1, 5) > 0 && (p.revents & POLLIN)) {
      char buf[4096];
      const auto n = ::read(master_, buf, sizeof buf);
      if (n > 0) got.append(buf, static_cast<qsizetype>(n));
    }
  }
  return got;
}

QByteArray Pty::readBytes(int count, int ms) {
  QByteArray got;
  QElapsedTimer clock;
  clock.start();
  while (got.size() < count && clock.elapsed() < ms) got += readFor(10);
  return got;
}

void Pty::write(const QByteArray& bytes) {
  [[maybe_unused]] auto n = ::write(master_, bytes.constData(), static_cast<size_t>(bytes.size()));
}

ModalWatcher::ModalWatcher(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
  connect(&timer_, &QTimer::timeout, this, &ModalWatcher::check);
  timer_.start(20);
}

void ModalWatcher::check() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) return;
  QString text;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) text = box->text();
  seen << modal->objectName() + ": " + text;
  if (answer_) {
    answer_(modal);
  } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  }
}

Program::Program(const QString& settingsPath, bool openPorts) {
  file = std::make_unique<SettingsFile>(settingsPath.toStdString());
  session = std::make_unique<Session>(*file, QFileInfo(settingsPath).absolutePath().toStdString());
  session->load();
  window = std::make_unique<MainWindow>(*session, QStringLiteral("/opt/wall control/wallcontrol"));
  if (openPorts) window->openPorts();
  window->show();
}

Program::~Program() {
  if (window) window->close();
  window.reset();
  session.reset();
  file.reset();
}

bool waitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(2);
  }
  return true;
}

QString wallPortOn(const Pty& pty) {
  return QStringLiteral("[YbCommDevice1 Com Set]\nPortNo=1\nDevice=%1\n").arg(pty.slavePath());
}

QString hex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(' ').toUpper()); }

void writeFile(const QString& path, const QString& text) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(text.toUtf8());
}

}  // namespace wall::test
