#include "core/matrix/packet_gatherers.h"

#include <string>

#include "core/matrix/format_families.h"

namespace wall {

namespace {

class PerOutputGatherer : public PacketGatherer {
 public:
  PerOutputGatherer(const SwitchCall& call, SwitchEmitter& emit) : call_(call), emit_(emit) {}

  bool add(int out) override {
    PacketSteps steps;
    if (call_.format->steps) {
      call_.format->steps(steps, call_, out);
    } else {
      call_.format->packet(steps.add(), call_, out);
    }
    return emit_.outputSteps(steps, out);
  }

 private:
  const SwitchCall& call_;
  SwitchEmitter& emit_;
};

// xC5 xB1 b(ID) k b(L) w sw('Q','R','S') input, outputs, sumC5. Inputs
// above 255 take the wide form (w = x25, two bytes per number).
class QrvGatherer : public PacketGatherer {
 public:
  QrvGatherer(const SwitchCall& call, SwitchEmitter& emit)
      : call_(call), emit_(emit), wide_(call.inputMax > 255) {
    start();
  }

  bool add(int out) override {
    number(out);
    if (length_ >= kQrvLengthLimit) {
      send();
      start();
    }
    return true;
  }

  void finish() override { send(); }  // also when it holds no output

 private:
  std::uint8_t kindByte() const {
    if (call_.format->k) return call_.format->k;
    switch (call_.kind) {
      case MatrixKind::AV: return 0xA2;
      case MatrixKind::VGA: return call_.sourceCode == 1 ? 0xA4 : 0xA3;
      case MatrixKind::DVI: return 0xA5;
      case MatrixKind::YPbPr: return 0xA6;
    }
    return 0xA3;
  }

  void number(int v) {
    if (wide_) packet_.hi(v).lo(v);
    else packet_.b(v);
    length_ += wide_ ? 2 : 1;
  }

  void start() {
    packet_ = Packet();
    packet_.x({0xC5, 0xB1}).b(call_.id).x(kindByte()).x(0x00);  // length set when completed
    packet_.x(wide_ ? 0x25 : 0x15).x(call_.sw('Q', 'R', 'S'));
    length_ = 2;
    number(call_.in);
  }

  void send() {
    packet_.set(5, static_cast<std::uint8_t>(length_));
    std::uint8_t check = packet_.sum(3, packet_.size());
    if (check == 0xC5) check = 0x3A;  // xC5 starts a frame; the checksum must not look like one
    packet_.x(check);
    emit_.packet(packet_);
  }

  const SwitchCall& call_;
  SwitchEmitter& emit_;
  bool wide_;
  Packet packet_;
  int length_ = 0;
};

// h b(ID) x01 b(2n + 2) m, pairs b(OUT − 1) b(IN − offset), c.
class PairListGatherer : public PacketGatherer {
 public:
  PairListGatherer(const SwitchCall& call, SwitchEmitter& emit) : call_(call), emit_(emit) {
    const int brandMax = call.format->maxPairs;
    limit_ = brandMax > 0 && brandMax < kMaxListPairs ? brandMax : kMaxListPairs;
    start();
  }

  bool add(int out) override {
    packet_.b(out - 1).b(call_.in - call_.format->pairInputOffset);
    if (++pairs_ == limit_) {
      send();
      start();
    }
    return true;
  }

  void finish() override {
    if (pairs_ > 0) send();
  }

 private:
  void start() {
    packet_ = Packet();
    packet_.x(call_.format->h).b(call_.id).x(0x01).x(0x00).x(call_.sw(call_.format->m));
    pairs_ = 0;
  }

  void send() {
    packet_.set(4, static_cast<std::uint8_t>(2 * pairs_ + 2));
    std::uint8_t check = 0;
    if (call_.format->check != PairCheck::Zero) check = packet_.sum(1, packet_.size());
    if (call_.format->check == PairCheck::Sum96 && check == 0x96) check = 0x6A;  // x96 starts a frame
    packet_.x(check);
    emit_.packet(packet_);
  }

  const SwitchCall& call_;
  SwitchEmitter& emit_;
  Packet packet_;
  int pairs_ = 0;
  int limit_ = kMaxListPairs;
};

// D(IN) middle, D(OUT) separator per output, '.' in place of the last
// separator, then the trailer.
class ListTextGatherer : public PacketGatherer {
 public:
  ListTextGatherer(const SwitchCall& call, SwitchEmitter& emit) : call_(call), emit_(emit) { start(); }

  bool add(int out) override {
    const std::string number = std::to_string(out);
    const int room = static_cast<int>(number.size() + 1 + call_.format->trailer.size());
    if (outputs_ > 0 && packet_.size() + room > kMaxPacketBytes) {
      send();
      start();
    }
    packet_.text(number).ch(call_.format->separator);
    ++outputs_;
    return true;
  }

  void finish() override {
    if (outputs_ > 0) send();
  }

 private:
  void start() {
    packet_ = Packet();
    packet_.D(call_.in).x(call_.sw(call_.format->middle));
    outputs_ = 0;
  }

  void send() {
    packet_.set(packet_.size(), '.');
    packet_.text(call_.format->trailer);
    emit_.packet(packet_);
  }

  const SwitchCall& call_;
  SwitchEmitter& emit_;
  Packet packet_;
  int outputs_ = 0;
};

// xEB a x02 b(2n), pairs b(OUT − 1) b(IN − 1), sum of bytes 2 to the last
// pair byte; a packet goes out as soon as it holds its last pair.
class PairGroupsGatherer : public PacketGatherer {
 public:
  PairGroupsGatherer(const SwitchCall& call, SwitchEmitter& emit)
      : call_(call), emit_(emit), address_(call.format->groupAddress ? call.format->groupAddress(call) : -1) {
    if (address_ < 0) emit_.note(emit_.subject() + ": the model has no address byte; nothing sent");
    start();
  }

  bool add(int out) override {
    if (address_ < 0) return false;
    packet_.b(out - 1).b(call_.in - 1);
    if (++pairs_ == call_.format->groupPairs) {
      send();
      start();
    }
    return true;
  }

  void finish() override {
    if (address_ >= 0 && pairs_ > 0) send();
  }

 private:
  void start() {
    packet_ = Packet();
    packet_.x(0xEB).b(address_).x({0x02, 0x00});
    pairs_ = 0;
  }

  void send() {
    packet_.set(4, static_cast<std::uint8_t>(2 * pairs_));
    packet_.x(packet_.sum(2, packet_.size()));
    emit_.packet(packet_);
  }

  const SwitchCall& call_;
  SwitchEmitter& emit_;
  int address_;
  Packet packet_;
  int pairs_ = 0;
};

// b(x40 + OUT) per output, then x40 '0'+IN '!'; sent also with no output.
class OutputLettersGatherer : public PacketGatherer {
 public:
  OutputLettersGatherer(const SwitchCall& call, SwitchEmitter& emit) : call_(call), emit_(emit) {}

  bool add(int out) override {
    if (letters_.size() + kClosingBytes >= kMaxPacketBytes) {
      send();
      letters_.clear();
    }
    letters_.b(0x40 + out);
    return true;
  }

  void finish() override { send(); }

 private:
  static constexpr int kClosingBytes = 3;

  void send() {
    Packet p = letters_;
    p.x(0x40).digit(call_.in).ch('!');
    emit_.packet(p);
  }

  const SwitchCall& call_;
  SwitchEmitter& emit_;
  Packet letters_;
};

}  // namespace

std::unique_ptr<PacketGatherer> makeGatherer(const SwitchCall& call, SwitchEmitter& emit) {
  switch (call.format->gathering) {
    case Gathering::Nothing: return nullptr;
    case Gathering::PerOutput:
      if (!call.format->packet && !call.format->steps) return nullptr;
      return std::make_unique<PerOutputGatherer>(call, emit);
    case Gathering::QrvFrame: return std::make_unique<QrvGatherer>(call, emit);
    case Gathering::PairList: return std::make_unique<PairListGatherer>(call, emit);
    case Gathering::ListText: return std::make_unique<ListTextGatherer>(call, emit);
    case Gathering::PairGroups: return std::make_unique<PairGroupsGatherer>(call, emit);
    case Gathering::OutputLetters: return std::make_unique<OutputLettersGatherer>(call, emit);
  }
  return nullptr;
}

}  // namespace wall
