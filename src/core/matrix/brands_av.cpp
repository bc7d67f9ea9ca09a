// The AV brands' switch commands, one row per brand of the AV brand list.
// Their rows come next; until then an AV matrix sends nothing.
#include "core/matrix/brand_tables.h"
#include "core/matrix/format_families.h"

namespace wall {

std::span<const BrandRow> avBrandRows() { return {}; }

}  // namespace wall
