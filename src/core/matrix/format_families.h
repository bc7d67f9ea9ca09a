#pragma once
// The format families shared by many brands, as BrandFormat values the
// brand rows take with their parameters: ffFrame(sw(0x03, 0x05, 0x04)) is a
// whole row's format. own() and ownSteps() carry a brand's format of its
// own, written in the Packet notation.

#include <string_view>

#include "core/matrix/brand_format.h"

namespace wall {

BrandFormat noFormat();
BrandFormat own(PacketFn packet);
BrandFormat ownSteps(StepsFn steps);

// One packet for all outputs: xC5 xB1 b(ID) k b(L) w sw('Q','R','S') input,
// outputs, sumC5. k by the kind (AV xA2, VGA xA3 or xA4 for SourceCode 1,
// DVI xA5, YPbPr xA6) unless given.
BrandFormat qrvFrame(std::uint8_t k = 0);

// h b(ID) x01 b(2n + 2) m, n pairs b(OUT − 1) b(IN − offset), c.
struct PairListOptions {
  std::uint8_t h = 0x96;
  int inputOffset = 1;
  int maxPairs = 0;
};
BrandFormat pairList(SwitchChoice m, PairCheck check, PairListOptions options = {});

BrandFormat ffFrame(SwitchChoice t);  // xFF b(ID) t b(IN) b(OUT) xAA
BrandFormat bbFrame(SwitchChoice t);  // xBB x04 b(ID) t b(IN) b(OUT) x55
BrandFormat f2Frame();                // xF2 hi(IN) lo(IN) x22 b(OUT) b(ID) x00 xor
BrandFormat f2ZeroFrame();            // xF2 hi(IN) lo(IN) x2A b(OUT) x00 x00 xor
BrandFormat negFrame(std::uint8_t a); // xFF x07 a x02 b(IN − 1) b(OUT − 1) neg
BrandFormat negFrameById();           // the same with a = b(ID)
BrandFormat f8Frame();                // xF8 b(IN) x00 x81 b(OUT) x00 x00 c xFF

BrandFormat letterText(char s);      // a D2(OUT) s D2(IN) '!'
BrandFormat starText();              // D(IN) '*' D(OUT) sw('!', '%', '$')
BrandFormat bangText(char c);        // '!' x0D once, then '!' D(ID) ':' c D(IN) '*' D(OUT) x0D
BrandFormat zeroBangText(char c);    // '!' x00 D(ID) ':' c x00 D(IN) '*' x00 D(OUT) x0D
BrandFormat extaText(SwitchChoice t);  // '!' D(ID) ':' t D(IN) '*' D(OUT) x0D, no opening
BrandFormat qbText(SwitchChoice t);    // t D2(OUT) '<' Z2(IN) x0D
BrandFormat provFrame(SwitchChoice t); // xBA b(ID) x01 x04 t b(OUT − 1) b(IN − 1) sum
BrandFormat swchText();              // '[SWCH,' '0'+ID ',' D(IN) ',0,' D(OUT) ']', IN and OUT to 99
BrandFormat pvText(SwitchChoice p, SwitchChoice q);  // 'P' p D2(ID) 'S' q D2(IN) D2(OUT) 'NT'

struct CommaOptions {
  char open = 0;   // a character before the text ('<'), 0 for none
  char close = 0;  // a character after the tail ('>'), 0 for none
  int shift = 0;   // IN and OUT written as IN + shift, OUT + shift
};
// D(IN) ',' D(OUT) ',' [address ',D,' when ID ≥ 1] tail
BrandFormat commaText(SwitchChoice tail, CommaOptions options = {});

// D(IN) middle, then D(OUT) separator per output, the last separator being
// '.', then the trailer.
BrandFormat listText(SwitchChoice middle, char separator = ',', std::string_view trailer = {});

// Packets of up to `pairs` pairs: xEB a x02 b(2n), pairs b(OUT − 1)
// b(IN − 1), sum of bytes 2 to the last pair byte.
BrandFormat pairGroups(AddressFn address, int pairs);

// One packet: b(x40 + OUT) per output, then x40, '0' + IN, '!'.
BrandFormat outputLetters();

// The largest packet a one-packet family builds: the frame area of the
// command buffer.
inline constexpr int kMaxPacketBytes = 1000;
// Pairs a pair-list frame carries at most: its length byte b(2n + 2) must
// still count them.
inline constexpr int kMaxListPairs = 126;
// The QRV frame is completed when its length byte reaches this.
inline constexpr int kQrvLengthLimit = 150;

}  // namespace wall
