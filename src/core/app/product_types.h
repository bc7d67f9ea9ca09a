#pragma once
// The product types (processor boards) of the wall, 0 to 13, and what the
// rest of the program derives from them: the menu "产品选型", the plan
// count and the matrix table stride. (The defaults of the keys read after
// BoardSel live with the start-up settings.)

#include <array>
#include <string_view>

namespace wall {

inline constexpr int kDefaultBoardSel = 6;

// The boards with the 15-byte extended frames and 16 plans.
inline constexpr bool isDahliaOrElder(int productType) { return productType == 3 || productType == 4; }
inline constexpr int kKestrel = 10;

struct ProductMenuEntry {
  std::string_view objectName;  // the menu entry's name, e.g. "Dahlia1"
  std::string_view caption;     // the board's name, shown in both languages
  int productType;
  bool visibleInDesign;  // only four entries are shown until the login
};

// In menu order. No entry sets product type 11.
inline constexpr std::array<ProductMenuEntry, 13> kProductMenu = {{
    {"N50", "Aster", 0, true},
    {"N57", "Bramble A/B", 1, true},
    {"N60", "Cedar", 2, false},
    {"Dahlia1", "Dahlia", 3, true},
    {"Elder1", "Elder", 4, true},
    {"N51", "Fennel", 6, false},
    {"N383", "Gorse", 7, false},
    {"N52", "Heather", 5, false},
    {"N53", "Ivy", 8, false},
    {"N54", "Juniper", 9, false},
    {"N56", "Kestrel", 10, false},
    {"N59", "Larch", 12, false},
    {"N61", "Myrtle", 13, false},
}};

// Number of plans in the plan list: 16 on Dahlia and Elder, 48 otherwise.
inline constexpr int planCount(int productType) { return isDahliaOrElder(productType) ? 16 : 48; }

// AV entries per wall unit in the matrix tables and the plan recall stride.
inline constexpr int entriesPerUnit(int productType) { return productType == kKestrel ? 4 : 1; }

}  // namespace wall
