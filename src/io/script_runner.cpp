#include "io/script_runner.h"

#include <sys/prctl.h>

#include <variant>

namespace wall {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kProgressEvery = std::chrono::milliseconds(25);
constexpr std::size_t kReportsKept = 64;

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace

ScriptRunner::ScriptRunner(ScriptPorts& ports, QObject* parent)
    : QObject(parent), ports_(ports), thread_([this] { loop(); }) {}

ScriptRunner::~ScriptRunner() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    cancelRunning_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

ScriptId ScriptRunner::submit(Script script) {
  ScriptId id = 0;
  {
    std::lock_guard lock(mutex_);
    id = nextId_++;
    waiting_.push_back(Job{id, std::move(script)});
  }
  wake_.notify_all();
  return id;
}

void ScriptRunner::cancel(ScriptId id) {
  std::optional<ScriptReport> dropped;
  {
    std::lock_guard lock(mutex_);
    if (id == runningId_) {
      cancelRunning_ = true;
    } else {
      for (auto it = waiting_.begin(); it != waiting_.end(); ++it) {
        if (it->id != id) continue;
        dropped = ScriptReport{id, static_cast<int>(it->script.size()), 0, 0, 0, true, {}};
        waiting_.erase(it);
        break;
      }
    }
  }
  wake_.notify_all();
  if (dropped) finish(*dropped);
}

void ScriptRunner::cancelAll() {
  std::deque<Job> dropped;
  {
    std::lock_guard lock(mutex_);
    dropped.swap(waiting_);
    if (runningId_ != 0) cancelRunning_ = true;
  }
  wake_.notify_all();
  for (const Job& job : dropped) finish(ScriptReport{job.id, static_cast<int>(job.script.size()), 0, 0, 0, true, {}});
}

std::optional<ScriptReport> ScriptRunner::waitFor(ScriptId id, std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  std::optional<ScriptReport> found;
  changed_.wait_for(lock, timeout, [&] {
    for (const ScriptReport& r : reports_) {
      if (r.id == id) found = r;
    }
    return found.has_value();
  });
  return found;
}

bool ScriptRunner::waitUntilIdle(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, timeout, [this] { return waiting_.empty() && runningId_ == 0; });
}

void ScriptRunner::loop() {
  // Pauses end when they are due, not up to 50 us later as the kernel may
  // let a sleeping thread run by default.
  ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  while (true) {
    Job job{0, {}};
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
      if (stopping_) break;
      job = std::move(waiting_.front());
      waiting_.pop_front();
      runningId_ = job.id;
      cancelRunning_ = false;
    }
    finish(run(job));
  }
  cancelAll();
}

ScriptReport ScriptRunner::run(const Job& job) {
  const auto& steps = job.script.steps();
  ScriptReport report{job.id, static_cast<int>(steps.size()), 0, 0, 0, false, {}};
  emit started(job.id, report.total);
  auto lastProgress = Clock::now();
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (cancelRunning_) {
      report.cancelled = true;
      break;
    }
    const bool carriedOut = std::visit(
        Overloaded{[&](const SendStep& s) {
                     switch (ports_.send(s.device, s.bytes, cancelRunning_)) {
                       case SendOutcome::Sent: ++report.sent; return true;
                       case SendOutcome::Dropped: ++report.dropped; return true;
                       case SendOutcome::Cancelled: return false;
                     }
                     return false;
                   },
                   [&](const PauseStep& p) { return pause(p.ms); },
                   [&](const ReadStep& r) {
                     report.reads.push_back(read(r, static_cast<int>(report.reads.size())));
                     emit replyRead(job.id, report.reads.back());
                     return true;
                   }},
        steps[i]);
    if (!carriedOut) {
      report.cancelled = true;
      break;
    }
    ++report.done;
    const bool last = i + 1 == steps.size();
    const bool pauseNext = !last && !std::holds_alternative<SendStep>(steps[i + 1]);
    const auto now = Clock::now();
    if (last || pauseNext || now - lastProgress >= kProgressEvery) {
      emit progress(job.id, report.done, report.total);
      lastProgress = now;
    }
  }
  return report;
}

bool ScriptRunner::pause(int ms) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  std::unique_lock lock(mutex_);
  return !wake_.wait_until(lock, deadline, [this] { return cancelRunning_.load() || stopping_; });
}

ReadResult ScriptRunner::read(const ReadStep& step, int index) {
  ReadResult r{index, std::nullopt, 0};
  // Polls keep their 10 ms rhythm from the step's start, so the time spent
  // looking at a package does not stretch the wait.
  auto next = Clock::now();
  for (int poll = 0; poll < step.polls; ++poll) {
    ++r.polls;
    if (auto package = ports_.receive(step.device, kReplyFetchBytes); package && decodeReply(step.expect, *package)) {
      r.reply = std::move(package);
      break;
    }
    next += std::chrono::milliseconds(kReadPollMs);
    if (!sleepUnlessStopping(next)) return r;
  }
  if (step.waitMs > 0) sleepUnlessStopping(Clock::now() + std::chrono::milliseconds(step.waitMs));
  return r;
}

bool ScriptRunner::sleepUnlessStopping(Clock::time_point until) {
  std::unique_lock lock(mutex_);
  return !wake_.wait_until(lock, until, [this] { return stopping_; });
}

void ScriptRunner::finish(const ScriptReport& report) {
  // Signal first, so that whoever waits for the script (waitFor) finds every
  // receiver connected directly already served.
  emit finished(report);
  {
    std::lock_guard lock(mutex_);
    if (report.id == runningId_) runningId_ = 0;
    reports_.push_back(report);
    if (reports_.size() > kReportsKept) reports_.pop_front();
  }
  changed_.notify_all();
}

}  // namespace wall
