#include "gui/link/script_player.h"

#include <type_traits>

#include "gui/link/port_bank.h"

namespace wall {

ScriptPlayer::ScriptPlayer(PortBank& ports, QObject* parent) : QObject(parent), ports_(ports) {
  pause_.setSingleShot(true);
  pause_.setTimerType(Qt::PreciseTimer);
  connect(&pause_, &QTimer::timeout, this, &ScriptPlayer::step);
}

int ScriptPlayer::start(const Script& script) {
  queue_.push_back({++lastId_, script});
  if (!running_) QTimer::singleShot(0, this, &ScriptPlayer::next);
  return lastId_;
}

void ScriptPlayer::cancel() {
  pause_.stop();
  std::deque<Job> dropped;
  dropped.swap(queue_);
  if (running_) {
    running_ = false;
    emit finished(current_.id, false);
  }
  for (const Job& j : dropped) emit finished(j.id, false);
}

void ScriptPlayer::next() {
  if (running_ || queue_.empty()) return;
  current_ = std::move(queue_.front());
  queue_.pop_front();
  position_ = 0;
  running_ = true;
  emit started(current_.id, static_cast<int>(current_.script.size()));
  step();
}

void ScriptPlayer::step() {
  const auto& steps = current_.script.steps();
  // Sends run back to back; a pause hands control back to the event loop.
  while (running_ && position_ < steps.size()) {
    const Step& s = steps[position_++];
    const int total = static_cast<int>(steps.size());
    if (const auto* send = std::get_if<SendStep>(&s)) {
      QByteArray bytes(reinterpret_cast<const char*>(send->bytes.data()),
                       static_cast<qsizetype>(send->bytes.size()));
      ports_.writePackage(send->device, bytes);
      emit progress(current_.id, static_cast<int>(position_), total);
    } else if (const auto* pause = std::get_if<PauseStep>(&s)) {
      emit progress(current_.id, static_cast<int>(position_), total);
      pause_.start(pause->ms);
      return;
    }
  }
  if (!running_) return;
  running_ = false;
  emit finished(current_.id, true);
  if (!queue_.empty()) QTimer::singleShot(0, this, &ScriptPlayer::next);
}

}  // namespace wall
