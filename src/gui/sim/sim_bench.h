#pragma once
// Demo mode's installation: the simulated wall and matrices standing in for
// the five ports of the program. Packages the program writes reach the
// simulation on the writer's thread; the processor's replies go back into
// the wall port's receive queue; observers hear of every decoded frame on
// their own thread.

#include <QObject>
#include <QStringList>
#include <memory>
#include <mutex>

#include "io/port_device.h"
#include "sim/sim_system.h"

namespace wall {

class PortBank;

class SimBench : public QObject, public PortDevice {
  Q_OBJECT
 public:
  SimBench(int rows, int columns, int cmdForm, QObject* parent = nullptr);

  // Puts the simulation behind every port of `ports` (before they open).
  void attachTo(PortBank& ports);

  void receive(int device, const Bytes& package) override;

  // Reads the simulation under its lock.
  template <typename F>
  auto inspect(F&& f) const {
    std::lock_guard lock(mutex_);
    return f(static_cast<const sim::SimSystem&>(sim_));
  }
  // Changes it under its lock (the wall's size and format follow the
  // program's settings; the cabling follows its output maps).
  template <typename F>
  void configure(F&& f) {
    {
      std::lock_guard lock(mutex_);
      f(sim_);
    }
    emit changed({});
  }

  // The processor's plan-recall notice for plan `plan` (1-based), delivered
  // on the wall port.
  void sendRecallNotice(int plan);

 signals:
  // Decoded frames, one line each; emitted on the writer's thread.
  void changed(const QStringList& lines);

 private:
  mutable std::mutex mutex_;
  sim::SimSystem sim_;
  PortBank* ports_ = nullptr;
};

}  // namespace wall
