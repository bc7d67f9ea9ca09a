#pragma once
// Turning the bytes of Setting.ini into UTF-8 text and back.
//
// The earlier Windows program wrote its Chinese text in the GBK code page,
// without any marker; this program writes UTF-8 with a byte-order mark, so
// its own files are never ambiguous. Reading:
//   - a UTF-8 byte-order mark: UTF-8 (the mark is dropped);
//   - a UTF-16 byte-order mark (little or big endian): UTF-16;
//   - no mark: legacy GBK text, decoded as GB18030 (a superset of GBK) -
//     unless the bytes are valid UTF-8 whose non-ASCII characters are all
//     three-byte sequences, the shape Chinese takes in UTF-8 (a file saved by
//     a Linux editor). Short GBK text can be valid UTF-8 too: 模式1 in GBK is
//     C4 A3 CA BD 31, valid UTF-8 for "ģʽ1" - but made of two-byte
//     sequences, so it still reads as GBK.
// Bytes that cannot be decoded become U+FFFD; decoding never fails.

#include <string>
#include <string_view>

namespace wall {

enum class TextEncoding {
  Utf8Bom,    // UTF-8 with its byte-order mark: what this program writes
  Utf8,       // UTF-8 without a mark (ASCII text is reported as this)
  Utf16Le,    // UTF-16 little endian with its mark
  Utf16Be,    // UTF-16 big endian with its mark
  Gb18030,    // legacy GBK text, read as GB18030
};

struct DecodedText {
  std::string utf8;  // the text, without a byte-order mark
  TextEncoding encoding = TextEncoding::Utf8;
};

DecodedText decodeSettingsText(std::string_view bytes);

// The bytes this program writes: a UTF-8 byte-order mark and the text.
std::string encodeSettingsText(std::string_view utf8);

// GB18030 bytes of UTF-8 text (characters GB18030 cannot hold, and invalid
// UTF-8, become '?'). For tests and for generating legacy files.
std::string utf8ToGb18030(std::string_view utf8);

// True when `bytes` is valid UTF-8 and every non-ASCII character in it is a
// three-byte sequence.
bool looksLikeUtf8Chinese(std::string_view bytes);

}  // namespace wall
