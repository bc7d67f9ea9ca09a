#include "core/app/board_view.h"

#include <initializer_list>

#include "core/app/product_types.h"

namespace wall {

namespace {

class EffectList {
 public:
  explicit EffectList(std::vector<ControlEffect>& out) : out_(out) {}

  void visible(std::initializer_list<std::string_view> names, bool v) {
    for (auto n : names) out_.push_back({std::string(n), v, {}, {}, {}});
  }
  void enabled(std::initializer_list<std::string_view> names, bool v) {
    for (auto n : names) out_.push_back({std::string(n), {}, v, {}, {}});
  }
  void checked(std::string_view name, bool v) { out_.push_back({std::string(name), {}, {}, v, {}}); }
  void top(std::initializer_list<std::string_view> names, int t) {
    for (auto n : names) out_.push_back({std::string(n), {}, {}, {}, t});
  }

 private:
  std::vector<ControlEffect>& out_;
};

// Step 1: the check mark of the product menu.
void checkProductEntry(EffectList& e, int productType) {
  for (const auto& entry : kProductMenu) e.checked(entry.objectName, entry.productType == productType);
}

// Step 4: only an advanced-features login lets SetBoard touch these.
void applyAccessLevel(EffectList& e, int productType) {
  const bool p1 = productType == 1;
  e.visible({"N62", "suiTabSheet1"}, p1);
  e.visible({"TabSheet5"}, productType == 11 || productType == 12 || productType == 13);
  e.visible({"TabSheet6"}, productType == 11 || productType == 12);
  e.visible({"btn2", "btn3"}, productType == 13);
}

const std::initializer_list<std::string_view> kDahliaHidden = {
    "GroupBox4", "Panel49", "Panel59", "Panel60", "Panel61", "Panel62", "Panel64", "Panel65", "BitBtn16"};
const std::initializer_list<std::string_view> kDahliaDisabled = {"Panel42", "Panel43", "Panel44",
                                                                       "GroupBox2"};

// Step 5.
void applyDahliaOrOthers(EffectList& e, BoardView& view, const BoardInputs& in) {
  if (isDahliaOrElder(in.productType)) {
    view.planCount = 16;
    e.visible({"suiTabSheet1"}, true);
    e.visible({"TabSheet3"}, false);
    e.visible(kDahliaHidden, false);
    e.enabled(kDahliaDisabled, false);
    e.enabled({kReadBackBox}, false);
    e.checked(kReadBackBox, false);
    return;
  }
  view.planCount = 48;
  e.visible(kDahliaHidden, true);
  e.enabled(kDahliaHidden, true);
  e.visible(kDahliaDisabled, true);
  e.enabled(kDahliaDisabled, true);
  e.enabled({kReadBackBox}, true);
  e.visible({"TabSheet3"}, !in.manYou);
  e.visible({"TabSheet8"}, in.manYou);
}

// Step 6: the picture-in-picture page of Larch and Myrtle.
void applyPipPage(EffectList& e, int productType) {
  const bool larch = productType == 12 || productType == 13;
  e.visible({"Panel12", "Panel13", "Panel14", "BitBtn5", "BitBtn6"}, !larch);
  e.top({"Panel15", "Panel16"}, larch ? 8 : 32);
  e.visible({"Panel33", "Panel34"}, larch);
  if (larch) {
    e.enabled({"suiButton72", "suiButton76", "suiButton98", "suiButton102"}, false);
  } else {
    e.enabled({"suiButton72", "suiButton76"}, true);
  }
}

void runSetBoard(const BoardInputs& in, BoardView& view) {
  view.effects.clear();
  EffectList e(view.effects);
  checkProductEntry(e, in.productType);
  if (in.productType == 4) view.cmdFormListIndex = 2;
  // Step 3 (the grid labels) depends on the units' sources, not on these
  // inputs: the session refills the grid around this call.
  if (in.accessLevel != 0) applyAccessLevel(e, in.productType);
  applyDahliaOrOthers(e, view, in);
  view.readEn = in.readEn;
}

}  // namespace

std::optional<ControlEffect> BoardView::find(std::string_view name) const {
  std::optional<ControlEffect> merged;
  for (const auto& eff : effects) {
    if (eff.name != name) continue;
    if (!merged) merged = ControlEffect{eff.name, {}, {}, {}, {}};
    if (eff.visible) merged->visible = eff.visible;
    if (eff.enabled) merged->enabled = eff.enabled;
    if (eff.checked) merged->checked = eff.checked;
    if (eff.top) merged->top = eff.top;
  }
  return merged;
}

BoardView setBoard(const BoardInputs& in) {
  BoardView view;
  BoardInputs current = in;
  runSetBoard(current, view);
  if (isDahliaOrElder(in.productType) && in.readEn) {
    // Clearing the ticked read-back box runs its rule: bReadEn := 0 is
    // saved and SetBoard runs again from step 1. The outer run then goes on
    // with steps 6 to 8, which read the new bReadEn: the net result is one
    // run with read-back off.
    current.readEn = false;
    view = BoardView{};
    runSetBoard(current, view);
    view.readEnSwitchedOff = true;
  }
  EffectList e(view.effects);
  applyPipPage(e, current.productType);
  return view;
}

}  // namespace wall
