#pragma once
// Runs scripts on the serial ports: one at a time, in the order they were
// submitted, on a thread of its own, with real pauses. The caller's thread
// (the user interface) never waits for a pause; it sees progress and the end
// of each script through signals, and may cancel a script between steps (a
// pause in progress ends at once).
//
// A send to a port that is not open is dropped, as a write to a closed port
// always was, and counted in the script's report.

#include <QObject>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "core/link/script.h"
#include "io/script_ports.h"

namespace wall {

using ScriptId = std::uint64_t;

struct ScriptReport {
  ScriptId id = 0;
  int total = 0;    // steps in the script
  int done = 0;     // steps carried out (a dropped send counts as carried out)
  int sent = 0;     // packages queued for the line
  int dropped = 0;  // sends lost to a port that was not open (or stayed full)
  bool cancelled = false;
  std::vector<ReadResult> reads;  // one per read step carried out, in order
  bool operator==(const ScriptReport&) const = default;
};

class ScriptRunner : public QObject {
  Q_OBJECT

 public:
  explicit ScriptRunner(ScriptPorts& ports, QObject* parent = nullptr);
  // Cancels the running script and drops the waiting ones (each reported as
  // cancelled), then waits for the runner's thread.
  ~ScriptRunner() override;
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;

  // Queues a script behind those already submitted. Safe from any thread.
  ScriptId submit(Script script);
  // Cancels a waiting script (it never starts) or the running one (it stops
  // before its next step). Unknown or finished ids are ignored.
  void cancel(ScriptId id);
  void cancelAll();

  // Blocks until the script has finished, at most `timeout`; its report.
  // Reports of the last 64 scripts are kept for this.
  std::optional<ScriptReport> waitFor(ScriptId id, std::chrono::milliseconds timeout);
  // Blocks until nothing is running or waiting. False on timeout.
  bool waitUntilIdle(std::chrono::milliseconds timeout);

 signals:
  // All emitted from the runner's thread; connect with the default
  // connection type to receive them on your own thread.
  void started(wall::ScriptId id, int total);
  // Steps done of the total. Sent at most every 25 ms during a run of sends,
  // before every pause and after the last step, so that a progress bar is
  // right whenever the runner waits, without flooding the user interface.
  void progress(wall::ScriptId id, int done, int total);
  void finished(const wall::ScriptReport& report);
  // After each read step, with what it got. Emitted before the next step
  // starts; a cancel made by a receiver connected directly stops the script
  // right there, between two reads.
  void replyRead(wall::ScriptId id, const wall::ReadResult& result);

 private:
  struct Job {
    ScriptId id;
    Script script;
  };

  void loop();
  ScriptReport run(const Job& job);
  // False when the pause was cut short by a cancel.
  bool pause(int ms);
  // The read step: polls, then its wait. Only the runner's end cuts it short.
  ReadResult read(const ReadStep& step, int index);
  // A wait that only the runner's end cuts short; false when it did.
  bool sleepUnlessStopping(std::chrono::steady_clock::time_point until);
  void finish(const ScriptReport& report);

  ScriptPorts& ports_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;     // new work, a cancel, the end
  std::condition_variable changed_;  // a script finished
  std::deque<Job> waiting_;
  std::deque<ScriptReport> reports_;
  ScriptId nextId_ = 1;
  ScriptId runningId_ = 0;
  bool stopping_ = false;
  std::atomic<bool> cancelRunning_{false};
  std::thread thread_;  // last: starts when everything above is ready
};

}  // namespace wall
