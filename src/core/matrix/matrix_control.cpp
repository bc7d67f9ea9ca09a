#include "core/matrix/matrix_control.h"

#include <algorithm>
#include <bitset>

#include "core/matrix/brand_tables.h"
#include "core/matrix/matrix_catalog.h"
#include "core/matrix/packet_gatherers.h"
#include "core/matrix/switch_emitter.h"

namespace wall {

namespace {

// Outputs already switched in this call. Outputs are 1..1000 in the
// dialog; a hand-edited file may hold more, which the overflow list keeps.
class SwitchedOutputs {
 public:
  // True when `out` is new (and records it).
  bool insert(int out) {
    if (out < static_cast<int>(kBits)) {
      if (bits_.test(static_cast<std::size_t>(out))) return false;
      bits_.set(static_cast<std::size_t>(out));
      return true;
    }
    if (std::find(overflow_.begin(), overflow_.end(), out) != overflow_.end()) return false;
    overflow_.push_back(out);
    return true;
  }

 private:
  static constexpr std::size_t kBits = 4096;
  std::bitset<kBits> bits_;
  std::vector<int> overflow_;
};

// The channel of the unit's entries this call addresses: Kestrel's AV
// channel, Kestrel's DVI1 (SourceCode 10) or DVI2 (11), else 0.
int entryChannel(const MatrixContext& ctx, MatrixKind kind, int sourceCode) {
  if (!ctx.wall.kestrel) return 0;
  if (kind == MatrixKind::AV) return ctx.avChannel;
  if (kind == MatrixKind::DVI) return sourceCode == 11 ? 1 : 0;
  return 0;
}

std::string subjectOf(MatrixKind kind, const BrandRow& row, int in) {
  return std::string(kindLabel(kind)) + " " + std::string(row.name) + ", input " + std::to_string(in);
}

class Walk {
 public:
  Walk(const MatrixContext& ctx, MatrixKind kind, int sourceCode, MatrixSwitchResult& result)
      : ctx_(ctx),
        kind_(kind),
        result_(result),
        perUnit_(entriesPerUnit(kind, ctx.wall.kestrel)),
        channel_(entryChannel(ctx, kind, sourceCode)) {}

  // Every unit of the wall inside `area`, row by row: its entry, or -1 when
  // the entry lies beyond the table.
  template <typename Visit>
  void units(const Selection& area, Visit visit) {
    const int rows = ctx_.wall.rows, cols = ctx_.wall.columns;
    for (int r = std::max(area.top, 0); r <= area.bottom && r < rows; ++r) {
      for (int c = std::max(area.left, 0); c <= area.right && c < cols; ++c) {
        const int entry = (r * cols + c) * perUnit_ + channel_;
        if (entry >= kMatrixEntries) {
          ++beyondTable_;
          continue;
        }
        visit(entry);
      }
    }
  }

  void reportBeyondTable() const {
    if (beyondTable_ == 0) return;
    result_.log.push_back(std::to_string(beyondTable_) + " selected unit(s) lie beyond the " +
                          std::to_string(kMatrixEntries) + " entries of the " + std::string(kindLabel(kind_)) +
                          " table; not switched");
  }

 private:
  const MatrixContext& ctx_;
  MatrixKind kind_;
  MatrixSwitchResult& result_;
  int perUnit_;
  int channel_;
  int beyondTable_ = 0;
};

}  // namespace

void MatrixSwitchResult::applyTo(MatrixState& state) const {
  if (!kind) return;
  auto& table = state.inputs(*kind);
  for (int e : updatedEntries) {
    if (e >= 0 && e < kMatrixEntries) table[static_cast<std::size_t>(e)] = input;
  }
}

bool coversWholeWall(const Selection& sel, const WallShape& wall) {
  return wall.rows > 0 && wall.columns > 0 && sel.top <= 0 && sel.left <= 0 && sel.bottom >= wall.rows - 1 &&
         sel.right >= wall.columns - 1;
}

MatrixSwitchResult matrixControl(const MatrixContext& ctx, int sourceCode, int in, int id) {
  const auto kind = kindForSource(sourceCode);
  if (!kind) return {};
  const MatrixSettings& settings = ctx.state.of(*kind);
  const BrandRow* row = findBrandRow(*kind, settings.company);
  if (!row) {
    MatrixSwitchResult result;
    result.kind = kind;
    result.input = in;
    if (settings.company != kNotUsed) {
      result.log.push_back(std::string(kindLabel(*kind)) + " brand " + std::to_string(settings.company) +
                           " has no switch command; nothing sent");
    }
    return result;
  }
  return matrixControlWith(ctx, *row, sourceCode, in, id);
}

MatrixSwitchResult matrixControlWith(const MatrixContext& ctx, const BrandRow& row, int sourceCode, int in, int id) {
  MatrixSwitchResult result;
  result.kind = kindForSource(sourceCode);
  result.input = in;
  if (!result.kind) return result;
  const MatrixKind kind = *result.kind;
  const MatrixSettings& settings = ctx.state.of(kind);

  if (ctx.wall.kestrel && kind == MatrixKind::AV && (ctx.avChannel < 0 || ctx.avChannel > 3)) {
    result.log.push_back("no AV channel chosen; nothing sent");
    return result;
  }

  const SwitchCall call{kind,      sourceCode,        in, id, ctx.switchType, settings.inputMax, settings.type,
                        ctx.wall.units(), &row.format};
  SwitchEmitter emit(result.script, result.log, matrixDevice(kind, ctx.portFlags), settings.delayTime,
                     row.format.write);
  emit.setSubject(subjectOf(kind, row, in));
  auto gatherer = makeGatherer(call, emit);
  if (!gatherer) {
    result.log.push_back(emit.subject() + ": the brand has no switch command; nothing sent");
    return result;
  }

  if (row.format.opening) {
    PacketSteps opening;
    row.format.opening(opening, call);
    emit.steps(opening, "opening");
  }

  Walk walk(ctx, kind, sourceCode, result);
  if (row.format.wholeWall && coversWholeWall(ctx.selection, ctx.wall)) {
    // The whole-wall form is one packet, written at once whatever the
    // brand's way of writing its per-output packets.
    Packet packet;
    row.format.wholeWall(packet, call);
    SwitchEmitter whole(result.script, result.log, matrixDevice(kind, ctx.portFlags), settings.delayTime, WriteMode{});
    whole.setSubject(emit.subject());
    whole.packet(packet);
    if (row.format.wholeWallInputs == WholeWallInputs::BecomeIn) {
      walk.units(Selection{0, 0, ctx.wall.rows - 1, ctx.wall.columns - 1},
                 [&](int entry) { result.updatedEntries.push_back(entry); });
    }
    walk.reportBeyondTable();
    return result;
  }

  const MatrixTable& map = ctx.state.map(kind);
  SwitchedOutputs switched;
  int sent = 0;
  walk.units(ctx.selection, [&](int entry) {
    const int out = map[static_cast<std::size_t>(entry)];
    if (out <= 0) return;
    result.updatedEntries.push_back(entry);
    if (switched.insert(out) && gatherer->add(out)) ++sent;
  });
  gatherer->finish();
  if (sent > 1) emit.pause(row.format.pauseAfterManyMs);
  walk.reportBeyondTable();
  return result;
}

}  // namespace wall
