#include "gui/sim/sim_bench.h"

#include "io/port_bank.h"

namespace wall {

namespace {

// The bench is shared by the five ports and owned by its parent; the ports
// hold it without owning it.
struct Borrowed : PortDevice {
  explicit Borrowed(PortDevice& d) : device(d) {}
  void receive(int n, const Bytes& package) override { device.receive(n, package); }
  PortDevice& device;
};

}  // namespace

SimBench::SimBench(int rows, int columns, int cmdForm, QObject* parent)
    : QObject(parent), sim_(rows, columns, cmdForm) {}

void SimBench::attachTo(PortBank& ports) {
  ports_ = &ports;
  for (int d = kFirstDevice; d <= kLastDevice; ++d) ports.port(d).attachDevice(std::make_shared<Borrowed>(*this));
}

void SimBench::receive(int device, const Bytes& package) {
  sim::SimLine::Output out;
  {
    std::lock_guard lock(mutex_);
    // Packages are fed as a stream: a brand that writes one byte per
    // package still forms whole packets.
    out = sim_.feed(device, package);
  }
  if (ports_ != nullptr) {
    for (Bytes& reply : out.replies) ports_->port(kWallDevice).deliver(std::move(reply));
  }
  QStringList lines;
  for (const std::string& line : out.log) {
    lines << QStringLiteral("%1 %2").arg(device).arg(QString::fromStdString(line));
  }
  emit changed(lines);
}

void SimBench::sendRecallNotice(int plan) {
  const Bytes notice = sim::recallNotice(static_cast<std::uint8_t>(plan - 1));
  if (ports_ != nullptr) ports_->port(kWallDevice).deliver(notice);
  emit changed({QStringLiteral("1 %1  recall notice for plan %2").arg(QString::fromStdString(hexText(notice))).arg(plan)});
}

}  // namespace wall
