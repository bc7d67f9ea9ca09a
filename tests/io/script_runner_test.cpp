#include "io/script_runner.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <mutex>
#include <set>

#include "io/port_bank.h"
#include "port_test_support.h"

namespace wall {
namespace {

using namespace std::chrono_literals;
using test::bytesOf;
using test::Clock;

// Ports that record what they are given, with the time; some devices can
// be marked closed.
class RecordingPorts : public ScriptPorts {
 public:
  struct Sent {
    Clock::time_point at;
    int device;
    Bytes bytes;
  };

  explicit RecordingPorts(std::set<int> closed = {}) : closed_(std::move(closed)) {}

  SendOutcome send(int device, const Bytes& bytes, const std::atomic<bool>&) override {
    if (closed_.count(device)) return SendOutcome::Dropped;
    std::lock_guard lock(mutex_);
    sent_.push_back({Clock::now(), device, bytes});
    return SendOutcome::Sent;
  }

  std::vector<Sent> sent() {
    std::lock_guard lock(mutex_);
    return sent_;
  }

  std::vector<Bytes> payloads() {
    std::vector<Bytes> out;
    for (const Sent& s : sent()) out.push_back(s.bytes);
    return out;
  }

 private:
  std::set<int> closed_;
  std::mutex mutex_;
  std::vector<Sent> sent_;
};

// What a runner said, collected on its own thread.
struct RunnerLog {
  explicit RunnerLog(ScriptRunner& runner) {
    QObject::connect(&runner, &ScriptRunner::started, &runner,
                     [this](ScriptId id, int total) { add({id, -1, total}); }, Qt::DirectConnection);
    QObject::connect(&runner, &ScriptRunner::progress, &runner,
                     [this](ScriptId id, int done, int total) { add({id, done, total}); }, Qt::DirectConnection);
    QObject::connect(&runner, &ScriptRunner::finished, &runner,
                     [this](const ScriptReport& r) {
                       std::lock_guard lock(mutex);
                       reports.push_back(r);
                     },
                     Qt::DirectConnection);
  }
  struct Event {
    ScriptId id;
    int done;  // -1: started
    int total;
  };
  void add(Event e) {
    std::lock_guard lock(mutex);
    events.push_back(e);
  }
  std::vector<ScriptReport> finished() {
    std::lock_guard lock(mutex);
    return reports;
  }
  std::vector<Event> progressOf(ScriptId id) {
    std::lock_guard lock(mutex);
    std::vector<Event> out;
    for (const Event& e : events) {
      if (e.id == id) out.push_back(e);
    }
    return out;
  }

  std::mutex mutex;
  std::vector<Event> events;
  std::vector<ScriptReport> reports;
};

Script sends(std::initializer_list<const char*> texts, int pauseMs = 0) {
  Script s;
  for (const char* t : texts) {
    s.send(1, bytesOf(t));
    if (pauseMs) s.pause(pauseMs);
  }
  return s;
}

TEST(ScriptRunner, RunsScriptsOneAtATimeInTheOrderSubmitted) {
  RecordingPorts ports;
  ScriptRunner runner(ports);
  RunnerLog log(runner);
  const ScriptId a = runner.submit(sends({"a1", "a2", "a3"}, 20));
  const ScriptId b = runner.submit(sends({"b1", "b2"}, 5));
  const ScriptId c = runner.submit(sends({"c1"}));
  ASSERT_TRUE(runner.waitUntilIdle(5s));

  EXPECT_EQ(ports.payloads(), (std::vector<Bytes>{bytesOf("a1"), bytesOf("a2"), bytesOf("a3"), bytesOf("b1"),
                                                  bytesOf("b2"), bytesOf("c1")}));
  const auto reports = log.finished();
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[0], (ScriptReport{a, 6, 6, 3, 0, false, {}}));
  EXPECT_EQ(reports[1], (ScriptReport{b, 4, 4, 2, 0, false, {}}));
  EXPECT_EQ(reports[2], (ScriptReport{c, 1, 1, 1, 0, false, {}}));
}

TEST(ScriptRunner, PausesAreRealAndTheCallerDoesNotWaitForThem) {
  RecordingPorts ports;
  ScriptRunner runner(ports);
  Script s;
  s.send(1, bytesOf("x")).pause(150).send(2, bytesOf("y"));
  const ScriptId id = runner.submit(s);
  EXPECT_FALSE(runner.waitFor(id, 0ms)) << "submit() must return before the pause is over";
  auto report = runner.waitFor(id, 5s);
  ASSERT_TRUE(report);
  const auto sent = ports.sent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_GE(sent[1].at - sent[0].at, 150ms);
  EXPECT_EQ(sent[1].device, 2);
}

TEST(ScriptRunner, ReportsProgressUpToTheTotal) {
  RecordingPorts ports;
  ScriptRunner runner(ports);
  RunnerLog log(runner);
  Script s = sends({"1", "2", "3", "4", "5"});
  s.pause(40).append(sends({"6", "7", "8", "9", "10"}));
  const ScriptId id = runner.submit(s);
  ASSERT_TRUE(runner.waitFor(id, 5s));

  const auto events = log.progressOf(id);
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events.front().done, -1) << "started comes first";
  EXPECT_EQ(events.front().total, 11);
  int last = 0;
  bool beforePause = false;
  for (std::size_t i = 1; i < events.size(); ++i) {
    EXPECT_GT(events[i].done, last);
    EXPECT_EQ(events[i].total, 11);
    last = events[i].done;
    beforePause = beforePause || events[i].done == 5;
  }
  EXPECT_EQ(last, 11);
  EXPECT_TRUE(beforePause) << "the bar must be right while the runner waits";
}

TEST(ScriptRunner, CancelEndsAPauseAndSkipsTheRest) {
  RecordingPorts ports;
  ScriptRunner runner(ports);
  Script s;
  s.send(1, bytesOf("before")).pause(10'000).send(1, bytesOf("after"));
  const ScriptId id = runner.submit(s);
  const ScriptId next = runner.submit(sends({"next"}));
  ASSERT_TRUE(test::eventually([&] { return ports.sent().size() == 1; }, 2s));
  runner.cancel(id);
  auto report = runner.waitFor(id, 2s);
  ASSERT_TRUE(report) << "a cancelled pause must end at once";
  EXPECT_EQ(*report, (ScriptReport{id, 3, 1, 1, 0, true, {}}));
  ASSERT_TRUE(runner.waitFor(next, 2s));
  EXPECT_EQ(ports.payloads(), (std::vector<Bytes>{bytesOf("before"), bytesOf("next")}));
}

TEST(ScriptRunner, ACancelledWaitingScriptNeverStarts) {
  RecordingPorts ports;
  ScriptRunner runner(ports);
  RunnerLog log(runner);
  Script blocker;
  blocker.pause(10'000);
  const ScriptId first = runner.submit(blocker);
  const ScriptId second = runner.submit(sends({"never"}));
  runner.cancel(second);
  auto report = runner.waitFor(second, 1s);
  ASSERT_TRUE(report);
  EXPECT_EQ(*report, (ScriptReport{second, 1, 0, 0, 0, true, {}}));
  runner.cancel(first);
  ASSERT_TRUE(runner.waitUntilIdle(2s));
  EXPECT_TRUE(ports.sent().empty());
  EXPECT_TRUE(log.progressOf(second).empty()) << "a script that never ran never started";
}

TEST(ScriptRunner, SendsToAClosedPortAreDroppedAndCounted) {
  RecordingPorts ports({3});
  ScriptRunner runner(ports);
  Script s;
  s.send(1, bytesOf("a")).send(3, bytesOf("b")).send(3, bytesOf("c")).send(1, bytesOf("d"));
  auto report = runner.waitFor(runner.submit(s), 2s);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->sent, 2);
  EXPECT_EQ(report->dropped, 2);
  EXPECT_EQ(report->done, 4);
  EXPECT_FALSE(report->cancelled);
  EXPECT_EQ(ports.payloads(), (std::vector<Bytes>{bytesOf("a"), bytesOf("d")}));
}

TEST(ScriptRunner, DestroyingTheRunnerCancelsWhatIsLeft) {
  RecordingPorts ports;
  std::vector<ScriptReport> reports;
  std::mutex mutex;
  {
    ScriptRunner runner(ports);
    QObject::connect(&runner, &ScriptRunner::finished, &runner,
                     [&](const ScriptReport& r) {
                       std::lock_guard lock(mutex);
                       reports.push_back(r);
                     },
                     Qt::DirectConnection);
    Script blocker;
    blocker.send(1, bytesOf("one")).pause(10'000);
    runner.submit(blocker);
    runner.submit(sends({"two"}));
    ASSERT_TRUE(test::eventually([&] { return ports.sent().size() == 1; }, 2s));
  }
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_TRUE(reports[0].cancelled);
  EXPECT_TRUE(reports[1].cancelled);
  EXPECT_EQ(ports.sent().size(), 1u);
}

TEST(ScriptRunner, SignalsReachAReceiverOnTheCallersThread) {
  // The desktop program connects with the default type: queued to its own
  // thread, so the report must travel through the event loop.
  RecordingPorts ports;
  ScriptRunner runner(ports);
  QObject receiver;
  std::vector<int> progress;
  std::optional<ScriptReport> report;
  QObject::connect(&runner, &ScriptRunner::progress, &receiver, [&](ScriptId, int done, int) {
    EXPECT_EQ(QThread::currentThread(), receiver.thread());
    progress.push_back(done);
  });
  QObject::connect(&runner, &ScriptRunner::finished, &receiver, [&](const ScriptReport& r) { report = r; });
  const ScriptId id = runner.submit(sends({"a", "b"}, 10));
  ASSERT_TRUE(test::eventually(
      [&] {
        QCoreApplication::processEvents();
        return report.has_value();
      },
      5s));
  EXPECT_EQ(*report, (ScriptReport{id, 4, 4, 2, 0, false, {}}));
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), 4);
}

TEST(ScriptRunner, RunsOnRealPortsAndDropsSendsToAClosedOne) {
  test::PtyFarEnd far;
  PortBank bank;
  bank.port(1).setSettings(test::settingsOn(far.path()));
  ASSERT_TRUE(bank.port(1).open());
  ScriptRunner runner(bank);
  Script s;
  s.send(1, bytesOf("AB")).pause(100).send(2, bytesOf("lost")).send(1, bytesOf("CD"));
  auto report = runner.waitFor(runner.submit(s), 5s);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->sent, 2);
  EXPECT_EQ(report->dropped, 1);
  far.waitForBytes(4, 2s);
  const auto packages = test::packagesByQuiet(far.arrivals(), std::chrono::milliseconds(kPackageQuietMs));
  EXPECT_EQ(packages, (std::vector<Bytes>{bytesOf("AB"), bytesOf("CD")}));
}

}  // namespace
}  // namespace wall
