#pragma once
// Plays a Script on the ports without blocking the user-interface thread:
// sends go out at once, pauses are timers, so the window stays responsive
// while a long sequence (a power-on unit by unit) runs. Scripts run one at a
// time in the order they were started; a running one can be cancelled.

#include <QObject>
#include <QTimer>
#include <deque>

#include "core/link/script.h"

namespace wall {

class PortBank;

class ScriptPlayer : public QObject {
  Q_OBJECT
 public:
  ScriptPlayer(PortBank& ports, QObject* parent = nullptr);

  // Queues the script; returns its number (counted from 1).
  int start(const Script& script);
  void cancel();  // the running script and every queued one
  bool busy() const { return running_ || !queue_.empty(); }

 signals:
  void started(int id, int steps);
  void progress(int id, int done, int steps);
  // `completed` is false when cancelled.
  void finished(int id, bool completed);

 private:
  struct Job {
    int id;
    Script script;
  };
  void next();
  void step();

  PortBank& ports_;
  QTimer pause_;
  std::deque<Job> queue_;
  Job current_{0, {}};
  std::size_t position_ = 0;
  bool running_ = false;
  int lastId_ = 0;
};

}  // namespace wall
