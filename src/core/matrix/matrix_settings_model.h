#pragma once
// The rules of the matrix-settings dialog ("矩阵设置"), kept apart from its
// widgets: the fields of the four pages (brand, model, address, input
// count, delay) and which of them each brand shows, the letter addresses of
// "ITRON2", the output connection diagram with its two output selectors,
// and what "确  认" makes of it all. The widget mirrors this model; nothing
// here is written to the settings file before confirm.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/matrix/matrix_menus.h"
#include "core/matrix/matrix_state.h"

namespace wall {

// A message box's text in both interface languages.
struct Notice {
  std::string chinese;
  std::string english;
  const std::string& in(int language) const { return language == 0 ? chinese : english; }
};

// One page's fields. A list index of -1 means "no selection" (a stored
// value the list does not hold); confirm then keeps the stored value.
struct MatrixPage {
  int company = -1;     // brand list index
  int model = -1;       // model list index (AV and VGA)
  int address = -1;     // address list index = device address
  int inputCount = -1;  // input-count list index = inputs − 1
  int delay = -1;       // delay list index
  bool letterAddresses = false;  // the address list reads "*", "A" .. "Z" ("ITRON2")
  bool modelVisible = false;
  bool addressVisible = true;
  bool inputCountVisible = true;
  bool operator==(const MatrixPage&) const = default;
};

// An output selector opened on a diagram cell: the single one ("选择此屏对应的
// 矩阵输出", outputs 0..1000) or Kestrel's four-channel one ("矩阵输出对应设置",
// outputs 0..512 per list).
struct OutputSelector {
  enum class Form { Single, FourChannel };
  Form form = Form::Single;
  MatrixKind kind = MatrixKind::AV;
  int row = 0;
  int column = 0;
  std::array<std::string, 4> labels{};      // "AV1".."AV4", or "DVI1" first and "DVI2" fourth
  std::array<bool, 4> listVisible{};        // single: the first list only
  std::array<int, 4> selected{-1, -1, -1, -1};  // list index = output number; -1 none
  int listSize = 0;                         // entries per list, "不接矩阵" included
};

// What "确  认" produces: the settings to keep, the menus to show and the
// keys to write to the Matrix section, in the order they are written.
struct MatrixConfirmation {
  std::array<MatrixSettings, 4> settings{};
  std::array<MatrixTable, 4> outputMaps{};
  MatrixMenus menus;
  std::vector<std::pair<std::string, std::int32_t>> writes;
};

class MatrixSettingsModel {
 public:
  // The dialog as the application creates it: every page shows the stored
  // values; the diagram starts from the stored output maps.
  MatrixSettingsModel(const MatrixState& stored, const WallShape& wall);

  // The dialog is shown: the stored settings and the wall may have changed
  // since; the pages keep what the operator left in them, the brands'
  // rules are applied, the stored delays selected, and the diagram follows
  // the active page.
  void open(const MatrixState& stored, const WallShape& wall);

  const MatrixPage& page(MatrixKind kind) const { return pages_[index(kind)]; }

  void pickBrand(MatrixKind kind, int company);
  void pickModel(MatrixKind kind, int model) { pages_[index(kind)].model = model; }
  void pickAddress(MatrixKind kind, int address) { pages_[index(kind)].address = address; }
  void pickInputCount(MatrixKind kind, int index) { pages_[this->index(kind)].inputCount = index; }
  void pickDelay(MatrixKind kind, int index) { pages_[this->index(kind)].delay = index; }

  // The address list's entries ("0".."255" or "*", "A".."Z") and the text
  // the field shows.
  std::vector<std::string> addressEntries(MatrixKind kind) const;
  std::string addressText(MatrixKind kind) const;

  // The delay list: AV and VGA "0 ms" … "90 ms", "100 ms" … "1000 ms",
  // "1500 ms", "2000 ms"; DVI and YPbPr "0 ms", "50 ms", "100 ms" …
  static std::span<const int> delayChoices(MatrixKind kind);
  static std::string delayText(int ms);

  // Pages and diagram. The diagram kind follows the active page.
  void setActivePage(MatrixKind kind) { active_ = kind; }
  MatrixKind activePage() const { return active_; }
  MatrixKind diagramKind() const { return active_; }
  const WallShape& wall() const { return wall_; }
  const MatrixTable& diagram(MatrixKind kind) const { return maps_[index(kind)]; }

  // "一对一接法": entries 0 .. Row × Col − 1 of the diagram's table get
  // 1 .. Row × Col.
  void oneToOne();
  // "取消所有连接": every entry of the wall's units (all their channels) gets 0.
  void cancelAll();
  // A cell's text: one number; on Kestrel the AV cell's four numbers
  // separated by blanks and the DVI cell's two with six blanks between.
  std::string cellText(int row, int column) const;
  // Row height and column width of a grid of `width` × `height` pixels.
  std::pair<int, int> cellSize(int width, int height) const;

  // A double click on a cell: its selector, or a notice when the cell's
  // entries lie beyond the table (or outside the wall).
  std::variant<OutputSelector, Notice> openSelector(int row, int column) const;
  // "确  定" of a selector: stores its choices (a list without a selection
  // keeps the entry as it was).
  void applySelector(const OutputSelector& selector);

  MatrixConfirmation confirm() const;

 private:
  static std::size_t index(MatrixKind kind) { return static_cast<std::size_t>(kindIndex(kind)); }
  void applyBrandRules(MatrixKind kind, bool opening);
  void showNumberAddresses(MatrixKind kind);
  int entryOf(MatrixKind kind, int row, int column, int channel) const;
  MatrixSettings confirmedSettings(MatrixKind kind) const;

  std::array<MatrixPage, 4> pages_{};
  std::array<MatrixSettings, 4> stored_{};
  std::array<MatrixTable, 4> maps_{};
  WallShape wall_;
  MatrixKind active_ = MatrixKind::DVI;  // the page the dialog opens on
};

}  // namespace wall
