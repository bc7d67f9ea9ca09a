#pragma once
// Pieces of brand formats that more than one row or kind uses: the code
// table of the small four-by-four switchers and the key protocol of the
// brands driven by key presses.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "core/matrix/brand_format.h"

namespace wall {

// The two-character code for input 1..4 to output 1..4 ("LKV344", "IDOT",
// "MX0404", "HDMXs"); nothing for a number outside 1..4.
std::optional<std::string_view> fourByFourCode(int in, int out);

// Writes the code's characters, or refuses the packet outside 1..4.
void putFourByFourCode(Packet& p, int in, int out);

// The address letter of the "SL" brands: x40 + ID, an ID of 0 or above 26
// taken as 1.
std::uint8_t slAddressLetter(int id);

// Fields limited to 99 (one or two digits): when a value is 100 or more the
// packet is refused, naming the brand, and true is returned.
bool refuseOver99(Packet& p, std::initializer_list<int> values, std::string_view brand);

// One key event: '*8' Z2(ID) 'K0,' D2(key) ',' e, with e '1' for the press
// and '0' for the release, then x0D when the brand ends its events so.
Packet& keyEvent(Packet& p, int id, int key, bool press, bool carriageReturn);

// Press and release of a key, each followed by the pause.
void keyStroke(PacketSteps& steps, int id, int key, bool carriageReturn);

// The decimal digits of a value, most significant first (0 gives {0}).
std::vector<int> decimalDigits(int v);

}  // namespace wall
