#include "sim/matrix_packet_decoder.h"

#include <array>

namespace wall::sim {

namespace {

using Result = Scan<MatrixSwitch>;
using Span = std::span<const std::uint8_t>;

// A list text longer than this is not one the engine builds (its packets
// fit the 1000-byte frame area).
constexpr std::size_t kLongestText = 1000;

bool isDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }
bool isUpper(std::uint8_t c) { return c >= 'A' && c <= 'Z'; }
bool isLetter(std::uint8_t c) { return isUpper(c) || (c >= 'a' && c <= 'z'); }

Result done(Span p, std::size_t n, MatrixSwitch s) {
  s.bytes.assign(p.begin(), p.begin() + static_cast<std::ptrdiff_t>(n));
  return Result::complete(n, std::move(s));
}

// D(v): one to three decimal digits from `at`. Sets `value` and moves `at`;
// NeedMore when the digits may go on, NoMatch when there are none.
ScanStatus readDecimal(Span p, std::size_t& at, int& value) {
  const std::size_t start = at;
  value = 0;
  while (at < p.size() && isDigit(p[at]) && at - start < 3) value = value * 10 + (p[at++] - '0');
  if (at == start) return at < p.size() ? ScanStatus::NoMatch : ScanStatus::NeedMore;
  if (at == p.size()) return ScanStatus::NeedMore;
  return ScanStatus::Complete;
}

int d2(std::uint8_t hi, std::uint8_t lo) { return (hi - '0') * 10 + (lo - '0'); }

// xFF b(ID) t b(IN) b(OUT) xAA
Result scanFF(Span p) {
  if (p.size() < 6) return Result::needMore();
  if (p[5] != 0xAA) return Result::noMatch();
  return done(p, 6, {MatrixFamily::FFFrame, p[1], std::nullopt, p[3], {p[4]}, {}});
}

// xBB x04 b(ID) t b(IN) b(OUT) x55
Result scanBB(Span p) {
  if (p.size() < 2) return Result::needMore();
  if (p[1] != 0x04) return Result::noMatch();
  if (p.size() < 7) return Result::needMore();
  if (p[6] != 0x55) return Result::noMatch();
  return done(p, 7, {MatrixFamily::BBFrame, p[2], std::nullopt, p[4], {p[5]}, {}});
}

// a D2(OUT) s D2(IN) '!', a '*' (ID 0) or 'A'..'Z' (ID 1..26)
Result scanLetter(Span p) {
  if (p.size() < 7) {
    for (std::size_t i = 1; i < p.size(); ++i) {
      const bool ok = (i == 3) ? (p[i] == '<' || p[i] == '(') : isDigit(p[i]);
      if (!ok) return Result::noMatch();
    }
    return Result::needMore();
  }
  if (!isDigit(p[1]) || !isDigit(p[2]) || (p[3] != '<' && p[3] != '(') || !isDigit(p[4]) || !isDigit(p[5]) ||
      p[6] != '!') {
    return Result::noMatch();
  }
  const int id = p[0] == '*' ? 0 : p[0] - 0x40;
  return done(p, 7, {MatrixFamily::LetterText, id, std::nullopt, d2(p[4], p[5]), {d2(p[1], p[2])}, {}});
}

// D(IN) then '*' D(OUT) sw('!', '%', '$') (star text), or a middle letter
// and D(OUT) separators ending in '.' (list text).
Result scanDecimalText(Span p) {
  std::size_t at = 0;
  int in = 0;
  if (ScanStatus st = readDecimal(p, at, in); st != ScanStatus::Complete) return {st, 0, {}};
  if (p[at] == '*') {
    ++at;
    int out = 0;
    if (ScanStatus st = readDecimal(p, at, out); st != ScanStatus::Complete) return {st, 0, {}};
    if (p[at] != '!' && p[at] != '%' && p[at] != '$') return Result::noMatch();
    return done(p, at + 1, {MatrixFamily::StarText, std::nullopt, std::nullopt, in, {out}, {}});
  }
  if (!isLetter(p[at])) return Result::noMatch();
  ++at;
  MatrixSwitch s{MatrixFamily::ListText, std::nullopt, std::nullopt, in, {}, {}};
  while (true) {
    int out = 0;
    if (ScanStatus st = readDecimal(p, at, out); st != ScanStatus::Complete) {
      return st == ScanStatus::NeedMore && at < kLongestText ? Result::needMore() : Result::noMatch();
    }
    s.outputs.push_back(out);
    const std::uint8_t sep = p[at++];
    if (sep == '.') return done(p, at, std::move(s));
    if (sep != ',' && sep != '&') return Result::noMatch();
  }
}

// h b(ID) x01 b(2n + 2) m, n pairs b(OUT − 1) b(IN − 1), then c: the sum of
// the bytes before it, that sum with x96 replaced by x6A, or x00.
Result scanPairList(Span p) {
  if (p.size() < 4) return p.size() >= 3 && p[2] != 0x01 ? Result::noMatch() : Result::needMore();
  const std::size_t len = p[3];
  if (p[2] != 0x01 || len < 4 || len % 2 != 0) return Result::noMatch();
  const std::size_t n = len + 4;
  if (p.size() < n) return Result::needMore();
  unsigned sum = 0;
  for (std::size_t i = 0; i + 1 < n; ++i) sum += p[i];
  const auto low = static_cast<std::uint8_t>(sum & 0xFF);
  const std::uint8_t c = p[n - 1];
  if (c != low && c != (low == 0x96 ? 0x6A : low) && c != 0x00) return Result::noMatch();
  MatrixSwitch s{MatrixFamily::PairList, p[1], std::nullopt, 0, {}, {}};
  for (std::size_t i = 5; i + 2 < n; i += 2) {
    s.outputs.push_back(p[i] + 1);
    s.in = p[i + 1] + 1;  // every pair carries the same input
  }
  return done(p, n, std::move(s));
}

std::optional<MatrixKind> qrvKind(std::uint8_t k) {
  switch (k) {
    case 0xA2: return MatrixKind::AV;
    case 0xA3:
    case 0xA4: return MatrixKind::VGA;
    case 0xA5: return MatrixKind::DVI;
    case 0xA6: return MatrixKind::YPbPr;
    default: return std::nullopt;
  }
}

// xC5 xB1 b(ID) k b(L) w sw('Q','R','S') input, outputs, sumC5; L counts w
// to the last output part.
Result scanQrv(Span p) {
  if (p.size() < 2) return Result::needMore();
  if (p[1] != 0xB1) return Result::noMatch();
  if (p.size() < 7) return Result::needMore();
  const std::size_t len = p[4];
  const std::uint8_t w = p[5];
  const std::size_t part = w == 0x25 ? 2 : 1;
  if ((w != 0x15 && w != 0x25) || len < 2 + part || (len - 2) % part != 0) return Result::noMatch();
  if (p[6] != 'Q' && p[6] != 'R' && p[6] != 'S') return Result::noMatch();
  const std::size_t n = 5 + len + 1;
  if (p.size() < n) return Result::needMore();
  unsigned sum = 0;
  for (std::size_t i = 2; i + 1 < n; ++i) sum += p[i];
  auto check = static_cast<std::uint8_t>(sum & 0xFF);
  if (check == 0xC5) check = 0x3A;
  if (p[n - 1] != check) return Result::noMatch();
  auto number = [&](std::size_t at) { return part == 2 ? p[at] << 8 | p[at + 1] : int{p[at]}; };
  MatrixSwitch s{MatrixFamily::QrvFrame, p[2], qrvKind(p[3]), number(7), {}, {}};
  for (std::size_t at = 7 + part; at + 1 < n; at += part) s.outputs.push_back(number(at));
  return done(p, n, std::move(s));
}

}  // namespace

std::string_view familyName(MatrixFamily family) {
  static constexpr std::array<std::string_view, 7> names = {"FF frame",    "BB frame",  "star text", "letter text",
                                                            "list text",   "pair list", "QRV frame"};
  return names[static_cast<std::size_t>(family)];
}

Scan<MatrixSwitch> scanMatrixPacket(std::span<const std::uint8_t> p) {
  if (p.empty()) return Result::needMore();
  const std::uint8_t head = p[0];
  if (head == 0xFF) return scanFF(p);
  if (head == 0xBB) return scanBB(p);
  if (head == 0xC5) return scanQrv(p);
  if (head == 0x96 || head == 0xBA) return scanPairList(p);
  if (head == '*' || isUpper(head)) return scanLetter(p);
  if (isDigit(head)) return scanDecimalText(p);
  return Result::noMatch();
}

std::string describe(const MatrixSwitch& s) {
  std::string text(familyName(s.family));
  if (s.id) text += " id " + std::to_string(*s.id);
  if (s.kind) text += " " + std::string(kindLabel(*s.kind));
  text += ": in " + std::to_string(s.in) + " -> out";
  for (std::size_t i = 0; i < s.outputs.size(); ++i) text += (i ? ", " : " ") + std::to_string(s.outputs[i]);
  if (s.outputs.empty()) text += " none";
  return text;
}

}  // namespace wall::sim
