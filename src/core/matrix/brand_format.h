#pragma once
// How a matrix brand's switch command is formed: the brand tables give each
// brand one row, brand → format, and a format is a family (an encoder shared
// by many brands) with the parameters the brand gives it, or a one-line
// format of the brand's own written in the Packet notation.
//
// A format says how its packets are gathered (one per new output, or one
// packet carrying every output of the call), what goes out once per call
// before the walk, whether the whole wall has a form of its own, and how
// each packet is written to the port (once, several times with waits
// between, or one byte per write).

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/matrix/matrix_kind.h"
#include "core/matrix/packet.h"

namespace wall {

// sw(a, b, c) of the formats: a byte chosen by the switch type; a for video
// and audio (0), b for video only (1), c for audio only (2). A switch type
// outside 0..2 takes c.
struct SwitchChoice {
  std::array<std::uint8_t, 3> bytes{};
  constexpr std::uint8_t pick(int switchType) const {
    return switchType == 0 ? bytes[0] : switchType == 1 ? bytes[1] : bytes[2];
  }
};

constexpr SwitchChoice sw(int a, int b, int c) {
  return SwitchChoice{{static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(c)}};
}
// The same byte for every switch type.
constexpr SwitchChoice sw(int all) { return sw(all, all, all); }

struct BrandFormat;

// What one call of the engine knows while a brand's packets are built.
struct SwitchCall {
  MatrixKind kind = MatrixKind::VGA;
  int sourceCode = 0;
  int in = 1;          // the matrix input
  int id = 1;          // the matrix's device address
  int switchType = 1;  // SW: 0 video and audio, 1 video, 2 audio
  int inputMax = 4;    // the kind's number of inputs
  int model = 0;       // the kind's model index (AV and VGA)
  int wallUnits = 9;   // rows × columns of the wall
  const BrandFormat* format = nullptr;

  std::uint8_t sw(const SwitchChoice& choice) const { return choice.pick(switchType); }
  std::uint8_t sw(int a, int b, int c) const { return wall::sw(a, b, c).pick(switchType); }
};

// The pause after a packet: the kind's DelayTime, unless a format names
// a pause of its own.
inline constexpr int kKindPause = -1;

// The packets of one output (or of a call's opening), in sending order,
// each with the pause that follows it. When one of them is refused, none is
// sent.
class PacketSteps {
 public:
  struct Item {
    Packet packet;
    int pauseMs = kKindPause;
  };

  Packet& add(int pauseMs = kKindPause) {
    items_.push_back(Item{Packet{}, pauseMs});
    return items_.back().packet;
  }
  const std::vector<Item>& items() const { return items_; }
  // The first refused packet, or null.
  const Packet* refused() const;

 private:
  std::vector<Item> items_;
};

using PacketFn = void (*)(Packet&, const SwitchCall&, int out);      // one packet per new output
using StepsFn = void (*)(PacketSteps&, const SwitchCall&, int out);  // several per new output
using OpeningFn = void (*)(PacketSteps&, const SwitchCall&);        // once per call, before the walk
using WholeWallFn = void (*)(Packet&, const SwitchCall&);           // instead of the walk
using AddressFn = int (*)(const SwitchCall&);  // a byte looked up per call; negative when there is none

// How the outputs of one call become packets.
enum class Gathering {
  Nothing,        // the brand has no format: nothing is sent
  PerOutput,      // one packet (or PacketSteps) per new output
  QrvFrame,       // one packet of all outputs, completed when its length reaches 150
  PairList,       // one packet of (output, input) pairs, sent when it holds one
  ListText,       // one text packet of all outputs, sent when it holds one
  PairGroups,     // packets of up to `groupPairs` pairs, with a looked-up address byte
  OutputLetters,  // one packet of output letters, sent also without one
};

enum class PairCheck { Sum, Sum96, Zero };

// What a whole-wall form does to the units' current inputs.
enum class WholeWallInputs { Unchanged, BecomeIn };

// How each packet is written: `times` writes with `gapMs` between them, or
// one byte per write; after a byte-per-write packet whose bytes are each
// followed by the pause, no further pause follows.
struct WriteMode {
  int times = 1;
  int gapMs = 0;
  bool bytePerWrite = false;
  bool pauseAfterEachByte = false;
};

struct BrandFormat {
  Gathering gathering = Gathering::Nothing;
  PacketFn packet = nullptr;
  StepsFn steps = nullptr;
  OpeningFn opening = nullptr;
  WholeWallFn wholeWall = nullptr;
  WholeWallInputs wholeWallInputs = WholeWallInputs::Unchanged;
  WriteMode write{};
  int pauseAfterManyMs = 0;  // a further pause when a call switched more than one output

  // Parameters of the families (each family reads its own).
  SwitchChoice t{};       // FF and BB frames, EXTA, QB and PROV
  SwitchChoice m{};       // pair-list frame
  std::uint8_t h = 0x96;  // pair-list header
  PairCheck check = PairCheck::Sum;
  int pairInputOffset = 1;  // pairs carry b(IN − offset)
  int maxPairs = 0;         // 0: as many as the length byte can count
  std::uint8_t k = 0;       // QRV frame's kind byte; 0: by the kind
  char letter = 0;          // letter text s, bang texts c
  SwitchChoice p{}, q{};    // PV text
  SwitchChoice tail{};      // comma text
  char open = 0, close = 0; // comma text framing ('<' ... '>'), 0 for none
  int numberShift = 0;      // comma text: IN and OUT shifted by this
  SwitchChoice middle{};    // list text
  char separator = ',';     // list text
  std::string_view trailer; // list text: bytes after the final '.'
  std::uint8_t a = 0;       // neg frame
  bool aIsId = false;       // neg frame: a = b(ID)
  AddressFn groupAddress = nullptr;
  int groupPairs = 4;

  // Variants of a family's format, for the rows.
  BrandFormat written(int times, int gapMs) const;
  BrandFormat oneBytePerWrite(bool pauseAfterEachByte) const;
  BrandFormat withWholeWall(WholeWallFn form, WholeWallInputs inputs) const;
  BrandFormat withPauseAfterMany(int ms) const;
  BrandFormat withOpening(OpeningFn fn) const;
};

// One row of a brand table.
struct BrandRow {
  int index = 0;
  std::string_view name;
  BrandFormat format;
};

}  // namespace wall
