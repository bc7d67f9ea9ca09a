#include "core/matrix/matrix_settings_model.h"

#include <algorithm>

#include "core/matrix/matrix_catalog.h"
#include "core/matrix/matrix_store.h"

namespace wall {

namespace {

constexpr std::array<int, 22> kAvVgaDelays = {0,   10,  20,  30,  40,  50,  60,  70,   80,   90,   100,
                                              200, 300, 400, 500, 600, 700, 800, 900, 1000, 1500, 2000};
constexpr std::array<int, 14> kDviYpbprDelays = {0, 50, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1500, 2000};

// Brands that show the input count alone (no model, no address).
constexpr int kAvCountOnly[] = {6,  7,  8,  9,  12, 16, 17, 18, 20, 24, 26, 28, 30, 31, 34,  35,  38,  39,
                                41, 43, 47, 51, 52, 53, 56, 58, 60, 62, 64, 66, 68, 69, 73,  76,  81,  85,
                                87, 88, 89, 98, 99, 100, 102, 105, 106, 107, 108, 115, 117, 118};
constexpr int kVgaCountOnly[] = {4,  5,  10, 14, 19, 22, 26, 29, 34, 38, 40, 46, 50,
                                 52, 63, 67, 74, 82, 83, 84, 87, 90, 92, 99, 101};
constexpr int kDviCountOnly[] = {3,  5,  7,  8,  11, 12, 15, 16, 17, 19, 20, 27,
                                 29, 32, 35, 37, 40, 41, 46, 47, 49, 51, 52, 54};

constexpr int kNumberAddresses = 256;  // "0" .. "255"
constexpr int kLetterAddresses = 27;   // "*", "A" .. "Z"
constexpr int kMostOutputs = 1000;     // the single selector's "矩阵输出1000"
constexpr int kMostChannelOutputs = 512;  // the four-channel selector's "矩阵输出512"
constexpr int kMostInputs = 1000;

template <std::size_t N>
bool among(const int (&list)[N], int value) {
  return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

bool hasModel(MatrixKind kind) { return kind == MatrixKind::AV || kind == MatrixKind::VGA; }

void show(MatrixPage& p, bool model, bool address, bool count) {
  p.modelVisible = model;
  p.addressVisible = address;
  p.inputCountVisible = count;
}

int listIndexOrNone(int value, int size) { return value >= 0 && value < size ? value : -1; }

int delayIndex(MatrixKind kind, int ms) {
  const auto choices = MatrixSettingsModel::delayChoices(kind);
  const auto it = std::find(choices.begin(), choices.end(), ms);
  return it == choices.end() ? -1 : static_cast<int>(it - choices.begin());
}

std::string outputText(const MatrixTable& table, int entry) {
  return entry >= 0 && entry < kMatrixEntries ? std::to_string(table[static_cast<std::size_t>(entry)]) : "-";
}

const Notice kBeyondTable{"此屏的矩阵输出超出了 1000 项的连接表，不能设置",
                          "This unit's matrix outputs lie beyond the 1000 entries of the connection table; "
                          "they cannot be set"};
const Notice kOutsideWall{"所选单元不在拼接墙内", "The cell is outside the wall"};

}  // namespace

MatrixSettingsModel::MatrixSettingsModel(const MatrixState& stored, const WallShape& wall)
    : stored_(stored.settings), maps_(stored.outputMap), wall_(wall) {
  for (MatrixKind kind : kMatrixKinds) {
    const MatrixSettings& s = stored.of(kind);
    MatrixPage& p = pages_[index(kind)];
    p.company = listIndexOrNone(s.company, static_cast<int>(brandNames(kind).size()));
    p.model = listIndexOrNone(s.type, static_cast<int>(modelNames(kind).size()));
    p.address = listIndexOrNone(s.id, kNumberAddresses);
    p.inputCount = listIndexOrNone(s.inputMax - 1, kMostInputs);
    p.delay = delayIndex(kind, s.delayTime);
  }
  open(stored, wall);
}

void MatrixSettingsModel::open(const MatrixState& stored, const WallShape& wall) {
  stored_ = stored.settings;
  wall_ = wall;
  for (MatrixKind kind : kMatrixKinds) {
    MatrixPage& p = pages_[index(kind)];
    applyBrandRules(kind, true);
    if (isItron2(kind, p.company)) {
      if (!p.letterAddresses) {
        // The stored address is kept (as its letter) rather than reset to
        // "*": confirming an untouched dialog must not change it.
        p.letterAddresses = true;
        p.address = std::max(listIndexOrNone(stored_[index(kind)].id, kLetterAddresses), 0);
      }
    } else if (p.letterAddresses) {
      showNumberAddresses(kind);
    }
    if (const int d = delayIndex(kind, stored_[index(kind)].delayTime); d >= 0) p.delay = d;
  }
}

void MatrixSettingsModel::pickBrand(MatrixKind kind, int company) {
  MatrixPage& p = pages_[index(kind)];
  p.company = company;
  applyBrandRules(kind, false);
  if (isItron2(kind, company)) {
    p.letterAddresses = true;
    p.address = 0;  // "*"
    return;
  }
  showNumberAddresses(kind);
  if (kind != MatrixKind::AV) return;
  // Another AV brand also takes the letters off the VGA and DVI lists —
  // unless their own brand is "ITRON2", whose letters they keep.
  for (MatrixKind other : {MatrixKind::VGA, MatrixKind::DVI}) {
    const MatrixPage& o = pages_[index(other)];
    if (o.letterAddresses && !isItron2(other, o.company)) showNumberAddresses(other);
  }
}

void MatrixSettingsModel::showNumberAddresses(MatrixKind kind) {
  MatrixPage& p = pages_[index(kind)];
  p.letterAddresses = false;
  p.address = listIndexOrNone(stored_[index(kind)].id, kNumberAddresses);
}

void MatrixSettingsModel::applyBrandRules(MatrixKind kind, bool opening) {
  MatrixPage& p = pages_[index(kind)];
  const int b = p.company;
  switch (kind) {
    case MatrixKind::AV:
      if (b == kNotUsed || b == kAvAb8To4) show(p, false, false, false);
      else if (b == 2) {
        if (!opening) show(p, false, true, true);  // "QRV002": left as it was when the dialog opens
      } else if (among(kAvCountOnly, b)) show(p, false, false, true);
      else if (b == kAvTriolion) show(p, true, false, false);
      else show(p, false, true, true);
      break;
    case MatrixKind::VGA:
      if (b == kNotUsed) show(p, false, false, false);
      else if (among(kVgaCountOnly, b)) show(p, false, false, true);
      else if (b == kVgaTriolion) show(p, true, false, false);
      else show(p, !opening, true, true);  // the model shows once such a brand is picked
      break;
    case MatrixKind::DVI:
      if (b == kNotUsed) show(p, false, false, false);
      else if (among(kDviCountOnly, b)) show(p, false, false, true);
      else show(p, false, true, true);
      break;
    case MatrixKind::YPbPr:
      if (b == kNotUsed) show(p, false, false, false);
      else show(p, false, true, true);
      break;
  }
}

std::vector<std::string> MatrixSettingsModel::addressEntries(MatrixKind kind) const {
  std::vector<std::string> entries;
  if (page(kind).letterAddresses) {
    entries.push_back("*");
    for (char c = 'A'; c <= 'Z'; ++c) entries.emplace_back(1, c);
  } else {
    for (int i = 0; i < kNumberAddresses; ++i) entries.push_back(std::to_string(i));
  }
  return entries;
}

std::string MatrixSettingsModel::addressText(MatrixKind kind) const {
  const auto entries = addressEntries(kind);
  const int a = page(kind).address;
  return a >= 0 && a < static_cast<int>(entries.size()) ? entries[static_cast<std::size_t>(a)] : std::string();
}

std::span<const int> MatrixSettingsModel::delayChoices(MatrixKind kind) {
  if (kind == MatrixKind::AV || kind == MatrixKind::VGA) return kAvVgaDelays;
  return kDviYpbprDelays;
}

std::string MatrixSettingsModel::delayText(int ms) { return std::to_string(ms) + " ms"; }

void MatrixSettingsModel::oneToOne() {
  auto& table = maps_[index(active_)];
  const int n = std::min(wall_.units(), kMatrixEntries);
  for (int e = 0; e < n; ++e) table[static_cast<std::size_t>(e)] = e + 1;
}

void MatrixSettingsModel::cancelAll() {
  auto& table = maps_[index(active_)];
  for (int e = 0; e < wall_.usedEntries(active_); ++e) table[static_cast<std::size_t>(e)] = 0;
}

int MatrixSettingsModel::entryOf(MatrixKind kind, int row, int column, int channel) const {
  return (row * wall_.columns + column) * entriesPerUnit(kind, wall_.kestrel) + channel;
}

std::string MatrixSettingsModel::cellText(int row, int column) const {
  const MatrixTable& table = maps_[index(active_)];
  const int perUnit = entriesPerUnit(active_, wall_.kestrel);
  if (perUnit == 4) {
    std::string text;
    for (int k = 0; k < 4; ++k) {
      if (k > 0) text += ' ';
      text += outputText(table, entryOf(active_, row, column, k));
    }
    return text;
  }
  if (perUnit == 2) {
    return outputText(table, entryOf(active_, row, column, 0)) + "      " +
           outputText(table, entryOf(active_, row, column, 1));
  }
  return outputText(table, entryOf(active_, row, column, 0));
}

std::pair<int, int> MatrixSettingsModel::cellSize(int width, int height) const {
  if (wall_.rows <= 0 || wall_.columns <= 0) return {0, 0};
  return {(height - wall_.rows - 1) / wall_.rows, (width - wall_.columns - 1) / wall_.columns};
}

std::variant<OutputSelector, Notice> MatrixSettingsModel::openSelector(int row, int column) const {
  if (row < 0 || column < 0 || row >= wall_.rows || column >= wall_.columns) return kOutsideWall;
  OutputSelector sel;
  sel.kind = active_;
  sel.row = row;
  sel.column = column;
  const MatrixTable& table = maps_[index(active_)];
  const int perUnit = entriesPerUnit(active_, wall_.kestrel);
  if (entryOf(active_, row, column, perUnit - 1) >= kMatrixEntries) return kBeyondTable;
  auto current = [&](int entry, int most) { return listIndexOrNone(table[static_cast<std::size_t>(entry)], most + 1); };
  if (perUnit == 1) {
    sel.form = OutputSelector::Form::Single;
    sel.listVisible = {true, false, false, false};
    sel.listSize = kMostOutputs + 1;
    sel.selected[0] = current(entryOf(active_, row, column, 0), kMostOutputs);
    return sel;
  }
  sel.form = OutputSelector::Form::FourChannel;
  sel.listSize = kMostChannelOutputs + 1;
  if (perUnit == 4) {
    sel.labels = {"AV1", "AV2", "AV3", "AV4"};
    sel.listVisible = {true, true, true, true};
    for (int k = 0; k < 4; ++k) {
      sel.selected[static_cast<std::size_t>(k)] = current(entryOf(active_, row, column, k), kMostChannelOutputs);
    }
  } else {
    sel.labels = {"DVI1", "", "", "DVI2"};
    sel.listVisible = {true, false, false, true};
    sel.selected[0] = current(entryOf(active_, row, column, 0), kMostChannelOutputs);
    sel.selected[3] = current(entryOf(active_, row, column, 1), kMostChannelOutputs);
  }
  return sel;
}

void MatrixSettingsModel::applySelector(const OutputSelector& sel) {
  if (sel.row < 0 || sel.column < 0 || sel.row >= wall_.rows || sel.column >= wall_.columns) return;
  auto& table = maps_[index(sel.kind)];
  const int most = sel.form == OutputSelector::Form::Single ? kMostOutputs : kMostChannelOutputs;
  auto store = [&](int entry, int choice) {
    if (choice < 0 || choice > most || entry < 0 || entry >= kMatrixEntries) return;
    table[static_cast<std::size_t>(entry)] = choice;
  };
  const int perUnit = entriesPerUnit(sel.kind, wall_.kestrel);
  if (sel.form == OutputSelector::Form::Single || perUnit == 1) {
    store(entryOf(sel.kind, sel.row, sel.column, 0), sel.selected[0]);
  } else if (perUnit == 4) {
    for (int k = 0; k < 4; ++k) store(entryOf(sel.kind, sel.row, sel.column, k), sel.selected[static_cast<std::size_t>(k)]);
  } else {
    store(entryOf(sel.kind, sel.row, sel.column, 0), sel.selected[0]);
    store(entryOf(sel.kind, sel.row, sel.column, 1), sel.selected[3]);
  }
}

MatrixSettings MatrixSettingsModel::confirmedSettings(MatrixKind kind) const {
  MatrixSettings s = stored_[index(kind)];
  const MatrixPage& p = page(kind);
  if (listIndexOrNone(p.company, static_cast<int>(brandNames(kind).size())) >= 0) s.company = p.company;
  if (hasModel(kind) && listIndexOrNone(p.model, static_cast<int>(modelNames(kind).size())) >= 0) s.type = p.model;
  if (listIndexOrNone(p.address, p.letterAddresses ? kLetterAddresses : kNumberAddresses) >= 0) s.id = p.address;
  const bool triolion = (kind == MatrixKind::AV && s.company == kAvTriolion) ||
                        (kind == MatrixKind::VGA && s.company == kVgaTriolion);
  if (triolion) {
    if (const auto inputs = triolionInputMax(kind, s.type)) s.inputMax = *inputs;
  } else if (kind == MatrixKind::AV && s.company == kAvAb8To4) {
    s.inputMax = kAb8To4Inputs;
  } else if (listIndexOrNone(p.inputCount, kMostInputs) >= 0) {
    s.inputMax = p.inputCount + 1;
  }
  const auto delays = delayChoices(kind);
  if (listIndexOrNone(p.delay, static_cast<int>(delays.size())) >= 0) {
    s.delayTime = delays[static_cast<std::size_t>(p.delay)];
  }
  return s;
}

MatrixConfirmation MatrixSettingsModel::confirm() const {
  MatrixConfirmation c;
  for (MatrixKind kind : kMatrixKinds) c.settings[index(kind)] = confirmedSettings(kind);
  c.outputMaps = maps_;
  c.menus = matrixMenus(c.settings[index(MatrixKind::AV)].company, c.settings[index(MatrixKind::VGA)].company);

  for (MatrixKind kind : kMatrixKinds) {
    const MatrixSettings& s = c.settings[index(kind)];
    c.writes.emplace_back(companyKey(kind), s.company);
    if (hasModel(kind)) c.writes.emplace_back(typeKey(kind), s.type);
    c.writes.emplace_back(idKey(kind), s.id);
    c.writes.emplace_back(inputMaxKey(kind), s.inputMax);
    c.writes.emplace_back(delayTimeKey(kind), s.delayTime);
  }

  auto writeTable = [&](MatrixKind kind) {
    const MatrixTable& table = maps_[index(kind)];
    for (int e = 0; e < wall_.usedEntries(kind); ++e) {
      c.writes.emplace_back(outputKey(kind, e), table[static_cast<std::size_t>(e)]);
    }
  };
  if (wall_.kestrel) {
    // The AV and DVI tables with their channels; then the VGA and YPbPr
    // tables too, so that their wiring survives a restart.
    for (MatrixKind kind : {MatrixKind::AV, MatrixKind::DVI, MatrixKind::VGA, MatrixKind::YPbPr}) writeTable(kind);
  } else {
    for (int e = 0; e < std::min(wall_.units(), kMatrixEntries); ++e) {
      for (MatrixKind kind : kMatrixKinds) {
        c.writes.emplace_back(outputKey(kind, e), maps_[index(kind)][static_cast<std::size_t>(e)]);
      }
    }
  }
  return c;
}

}  // namespace wall
