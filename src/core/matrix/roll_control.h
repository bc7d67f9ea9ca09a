#pragma once
// MatrixRollControl: the packet of one roll item in its brand's format, on
// the brand's port, followed by the brand's pause.
//
//   "MAINVAN"  F4 b(IN) 21 b(OUT) 00 v c  (v 00 below input 256, else 21;
//              c the sum of the five bytes after F4), the AV port rule, 21 ms
//   "EXTRON"   IN '*' OUT then '%' video, '$' audio, '!' both; AV port, 21 ms
//   "CREATEK5" IN then 'V', 'A' or 'B', OUT '.' CR; the VGA port rule, 100 ms
//
// The AV port rule here: device 2 when either the shared matrix port or the
// AV port flag is set, else the wall port.

#include <string>

#include "core/link/script.h"
#include "core/matrix/roll_config.h"
#include "core/settings/port_settings.h"

namespace wall {

inline constexpr int kRollAvPause = 21;
inline constexpr int kRollVgaPause = 100;

struct RollSend {
  Script script;
  std::string refused;  // why nothing was sent (empty when sent)
};

// An item whose brand or type is outside its list, or whose input or output
// has more than three decimal digits or is negative (values the formats
// cannot carry; only a hand-edited file holds them), sends nothing.
RollSend matrixRollControl(const RollItem& item, const PortFlags& flags);

// Appends the item's packet and pause to `script`; false when refused.
bool appendRollItem(Script& script, const RollItem& item, const PortFlags& flags);

}  // namespace wall
