#pragma once
// One settings file as text, read and edited the way the earlier Windows
// program's INI reader (the Windows private-profile functions) did:
//
//   - Section and key names match whole and without regard to case (ASCII
//     letters; other characters match as they are).
//   - Spaces and tabs around a line, a name or a value are stripped:
//     "[ S ]" is section S, " k = v " is key k with value v.
//   - A section line starts with '['; its name ends at the first ']' (at the
//     end of the line when there is none), and text after it is ignored.
//   - The first occurrence of a key in a section wins, and only the first
//     occurrence of a repeated section is searched.
//   - A line whose first non-blank character is ';' is a comment; nothing
//     else is (no comments after a value; '#' is an ordinary character).
//     A line without '=' that is neither a section nor a comment holds no key.
//   - One pair of matching outer quotes ("..." or '...') is removed from a
//     value; a value is at most 2047 characters (longer ones are cut).
//   - Lines end at CRLF, LF or a lone CR.
//
// Editing changes a key where it stands (its first occurrence, keeping the
// blanks around its value), appends a new key after the last line of its
// section that is neither blank nor a comment, and appends a new section at
// the end of the file. Every other line - comments, order, unknown keys, line
// endings - is kept byte for byte. New lines take the line ending of the
// file's first line (CRLF for a file that has none).
//
// Lookups go through hash indexes, so a read costs the same in a file of
// three keys and in one of three hundred thousand.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wall {

class IniDocument {
 public:
  // The longest value a read returns, in characters.
  static constexpr std::size_t kMaxValueLength = 2047;

  IniDocument();
  explicit IniDocument(std::string_view utf8Text);
  ~IniDocument();
  IniDocument(const IniDocument&);
  IniDocument& operator=(const IniDocument&);
  IniDocument(IniDocument&&) noexcept;
  IniDocument& operator=(IniDocument&&) noexcept;

  // The value of a key as read (blanks and one pair of outer quotes removed,
  // cut to kMaxValueLength characters), or nothing when the key is missing.
  // The view is valid until the document changes.
  std::optional<std::string_view> value(std::string_view section, std::string_view key) const;
  bool hasSection(std::string_view section) const;

  // Typed reads, with the rules of parseIniInt (ini_number.h). A boolean is
  // an integer other than 0; anything that is not an integer is the default.
  std::int32_t readInt(std::string_view section, std::string_view key, std::int32_t def) const;
  bool readBool(std::string_view section, std::string_view key, bool def) const;
  std::string readString(std::string_view section, std::string_view key, std::string_view def) const;

  // Sets a key. The value is written so that it reads back as given: a value
  // with blanks at either end or with matching outer quotes is put in double
  // quotes. Returns false, changing nothing, when the names or the value
  // cannot be stored (see canStore).
  bool set(std::string_view section, std::string_view key, std::string_view value);

  // Whether a write of these names and value would read back as written:
  // a section name must not be blank nor hold ']'; a key name must not be
  // blank, hold '=' nor start with '[' or ';'; no name nor value may hold a
  // line break. Names are taken without their outer blanks.
  static bool canStore(std::string_view section, std::string_view key, std::string_view value);

  // The whole text, every line with its own line ending.
  std::string text() const;
  std::string_view newline() const;
  std::size_t lineCount() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace wall
