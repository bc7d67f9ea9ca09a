#include "core/settings/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace wall {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Skips a run of ASCII bytes eight at a time; the settings file is mostly
// ASCII, and this keeps the check of a large file to a few milliseconds.
std::size_t skipAscii(std::string_view s, std::size_t i) {
  while (i + 8 <= s.size()) {
    std::uint64_t word;
    std::memcpy(&word, s.data() + i, sizeof word);
    if (word & 0x8080808080808080ULL) break;
    i += 8;
  }
  while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
  return i;
}

// A valid three-byte sequence at i (no overlong forms, no surrogates)?
bool isThreeByteSequence(std::string_view s, std::size_t i) {
  if (i + 3 > s.size()) return false;
  const auto b0 = static_cast<unsigned char>(s[i]);
  const auto b1 = static_cast<unsigned char>(s[i + 1]);
  const auto b2 = static_cast<unsigned char>(s[i + 2]);
  if (b0 < 0xE0 || b0 > 0xEF || !isContinuation(b1) || !isContinuation(b2)) return false;
  if (b0 == 0xE0 && b1 < 0xA0) return false;  // overlong
  if (b0 == 0xED && b1 > 0x9F) return false;  // UTF-16 surrogate
  return true;
}

void appendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string decodeUtf16(std::string_view bytes, bool littleEndian) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  auto unit = [&](std::size_t i) -> std::uint32_t {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return littleEndian ? (a | (b << 8)) : ((a << 8) | b);
  };
  std::size_t i = 0;
  for (; i + 2 <= bytes.size(); i += 2) {
    const std::uint32_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 4 <= bytes.size()) {
      const std::uint32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    if (u >= 0xD800 && u <= 0xDFFF) {
      out += kReplacement;  // a lone surrogate
    } else {
      appendUtf8(out, u);
    }
  }
  if (i < bytes.size()) out += kReplacement;  // an odd last byte
  return out;
}

// Converts with iconv; a byte sequence the source encoding does not know
// becomes `bad` and conversion goes on after it.
std::string convert(std::string_view in, const char* to, const char* from, std::string_view bad) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);  // cannot happen with glibc
  std::string out;
  out.resize(in.size() * 2 + 16);
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  std::size_t used = 0;
  while (srcLeft > 0) {
    char* dst = out.data() + used;
    std::size_t dstLeft = out.size() - used;
    const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    used = out.size() - dstLeft;
    if (rc != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    // EILSEQ (an invalid sequence) or EINVAL (cut off at the end): replace
    // one byte and go on.
    if (out.size() - used < bad.size()) out.resize(out.size() * 2);
    std::memcpy(out.data() + used, bad.data(), bad.size());
    used += bad.size();
    ++src;
    --srcLeft;
  }
  iconv_close(cd);
  out.resize(used);
  return out;
}

}  // namespace

bool looksLikeUtf8Chinese(std::string_view bytes) {
  std::size_t i = 0;
  while (true) {
    i = skipAscii(bytes, i);
    if (i >= bytes.size()) return true;
    if (!isThreeByteSequence(bytes, i)) return false;
    i += 3;
  }
}

DecodedText decodeSettingsText(std::string_view bytes) {
  if (bytes.substr(0, 3) == kUtf8Bom) {
    return {std::string(bytes.substr(3)), TextEncoding::Utf8Bom};
  }
  if (bytes.substr(0, 2) == "\xFF\xFE") {
    return {decodeUtf16(bytes.substr(2), true), TextEncoding::Utf16Le};
  }
  if (bytes.substr(0, 2) == "\xFE\xFF") {
    return {decodeUtf16(bytes.substr(2), false), TextEncoding::Utf16Be};
  }
  if (looksLikeUtf8Chinese(bytes)) return {std::string(bytes), TextEncoding::Utf8};
  return {convert(bytes, "UTF-8", "GB18030", kReplacement), TextEncoding::Gb18030};
}

std::string encodeSettingsText(std::string_view utf8) {
  std::string out;
  out.reserve(kUtf8Bom.size() + utf8.size());
  out += kUtf8Bom;
  out += utf8;
  return out;
}

std::string utf8ToGb18030(std::string_view utf8) { return convert(utf8, "GB18030", "UTF-8", "?"); }

}  // namespace wall
