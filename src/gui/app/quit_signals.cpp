#include "gui/app/quit_signals.h"

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace wall {

namespace {
int pipeFds[2] = {-1, -1};
bool signalled = false;

extern "C" void onQuitSignal(int) {
  const char byte = 1;
  // Only async-signal-safe calls here.
  [[maybe_unused]] auto n = ::write(pipeFds[0], &byte, 1);
}
}  // namespace

bool quitSignalled() { return signalled; }

bool closeOnQuitSignals(QWidget* window) {
  if (pipeFds[0] >= 0) return true;
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pipeFds) != 0) return false;
  auto* notifier = new QSocketNotifier(pipeFds[1], QSocketNotifier::Read, window);
  QPointer<QWidget> target(window);
  QObject::connect(notifier, &QSocketNotifier::activated, window, [target] {
    char byte = 0;
    [[maybe_unused]] auto n = ::read(pipeFds[1], &byte, 1);
    signalled = true;
    // A question open at start-up (a port that did not open) ends first.
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    if (target) target->close();
  });
  struct sigaction action = {};
  action.sa_handler = onQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

}  // namespace wall
