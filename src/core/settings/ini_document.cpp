#include "core/settings/ini_document.h"

#include <cstring>
#include <utility>

#include "core/settings/ini_number.h"

namespace wall {

namespace {

enum class LineEnd : std::uint8_t { None, Lf, CrLf, Cr };
enum class LineKind : std::uint8_t { Blank, Comment, Section, Key, Other };

std::string_view endText(LineEnd end) {
  switch (end) {
    case LineEnd::Lf: return "\n";
    case LineEnd::CrLf: return "\r\n";
    case LineEnd::Cr: return "\r";
    case LineEnd::None: break;
  }
  return {};
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

unsigned char fold(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + 32) : u;
}

bool equalFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

// FNV-1a over the case-folded name; the seed keeps the keys of different
// sections apart.
std::uint64_t hashFolded(std::string_view s, std::uint64_t seed) {
  std::uint64_t h = 0xcbf29ce484222325ULL ^ (seed * 0x9E3779B97F4A7C15ULL);
  for (char c : s) {
    h ^= fold(c);
    h *= 0x100000001b3ULL;
  }
  return h ^ (h >> 29);
}

constexpr std::uint64_t kSectionSeed = 0xFFFFFFFFULL + 1;

bool isQuote(char c) { return c == '"' || c == '\''; }

// One pair of matching outer quotes removed, cut to the longest value a read
// returns (counted in characters, never splitting one).
std::string_view cookValue(std::string_view v) {
  if (v.size() >= 2 && isQuote(v.front()) && v.back() == v.front()) v = v.substr(1, v.size() - 2);
  if (v.size() <= IniDocument::kMaxValueLength) return v;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if ((static_cast<unsigned char>(v[i]) & 0xC0) != 0x80 && ++characters > IniDocument::kMaxValueLength) {
      return v.substr(0, i);
    }
  }
  return v;
}

// A value as written so that it reads back unchanged.
std::string encodeValue(std::string_view v) {
  const bool quote = !v.empty() && (isBlank(v.front()) || isBlank(v.back()) ||
                                    (v.size() >= 2 && isQuote(v.front()) && v.back() == v.front()));
  if (!quote) return std::string(v);
  std::string out;
  out.reserve(v.size() + 2);
  out += '"';
  out += v;
  out += '"';
  return out;
}

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

struct Line {
  std::string text;  // without its line ending
  LineEnd end = LineEnd::None;
  LineKind kind = LineKind::Other;
  std::uint32_t nameBegin = 0;  // the section's or the key's name, trimmed
  std::uint32_t nameLength = 0;
  std::uint32_t valueBegin = 0;  // a key's value, trimmed
  std::uint32_t valueLength = 0;

  std::string_view name() const { return std::string_view(text).substr(nameBegin, nameLength); }
  std::string_view rawValue() const { return std::string_view(text).substr(valueBegin, valueLength); }
};

Line classify(std::string_view s, LineEnd end) {
  Line line;
  line.text.assign(s);
  line.end = end;
  const std::string_view t = trim(s);
  const auto offset = [&](std::string_view part) { return static_cast<std::uint32_t>(part.data() - s.data()); };
  if (t.empty()) {
    line.kind = LineKind::Blank;
  } else if (t.front() == ';') {
    line.kind = LineKind::Comment;
  } else if (t.front() == '[') {
    std::string_view name = t.substr(1);
    name = trim(name.substr(0, name.find(']')));
    line.kind = LineKind::Section;
    line.nameBegin = offset(name);
    line.nameLength = static_cast<std::uint32_t>(name.size());
  } else if (const auto eq = t.find('='); eq != std::string_view::npos) {
    const std::string_view name = trim(t.substr(0, eq));
    const std::string_view value = trim(t.substr(eq + 1));
    line.kind = LineKind::Key;
    line.nameBegin = offset(name);
    line.nameLength = static_cast<std::uint32_t>(name.size());
    line.valueBegin = value.empty() ? offset(t) + static_cast<std::uint32_t>(eq) + 1 : offset(value);
    line.valueLength = static_cast<std::uint32_t>(value.size());
  }
  return line;
}

// An open-addressing hash table of (hash, block, line). The caller compares
// names, so the table holds no strings of its own.
class NameIndex {
 public:
  struct Entry {
    std::uint64_t hash = 0;
    std::uint32_t block = kEmpty;
    std::uint32_t line = 0;
  };
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFFU;

  template <class Match>
  const Entry* find(std::uint64_t hash, Match match) const {
    if (slots_.empty()) return nullptr;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      const Entry& e = slots_[i];
      if (e.block == kEmpty) return nullptr;
      if (e.hash == hash && match(e)) return &e;
    }
  }

  void insert(const Entry& e) {
    if ((count_ + 1) * 2 > slots_.size()) grow();
    place(e);
    ++count_;
  }

 private:
  void place(const Entry& e) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = e.hash & mask;
    while (slots_[i].block != kEmpty) i = (i + 1) & mask;
    slots_[i] = e;
  }

  void grow() {
    std::vector<Entry> old = std::move(slots_);
    slots_.assign(old.empty() ? 64 : old.size() * 2, Entry{});
    for (const Entry& e : old) {
      if (e.block != kEmpty) place(e);
    }
  }

  std::vector<Entry> slots_;
  std::size_t count_ = 0;
};

// A section line and the lines after it up to the next section line. Block
// 0 holds the lines before the first section and has no section line.
struct Block {
  std::vector<Line> lines;
  bool searched = false;  // the first block of its name: the only one read
};

}  // namespace

struct IniDocument::Impl {
  std::vector<Block> blocks;
  NameIndex sections;
  NameIndex keys;
  LineEnd newline = LineEnd::None;

  Impl() { blocks.emplace_back(); }

  void parse(std::string_view text) {
    const char* const data = text.data();
    std::size_t pos = 0;
    while (pos < text.size()) {
      const char* p = data + pos;
      const std::size_t rest = text.size() - pos;
      const auto* lf = static_cast<const char*>(std::memchr(p, '\n', rest));
      const std::size_t untilLf = lf ? static_cast<std::size_t>(lf - p) : rest;
      const auto* cr = static_cast<const char*>(std::memchr(p, '\r', untilLf));
      std::size_t length = untilLf;
      LineEnd end = lf ? LineEnd::Lf : LineEnd::None;
      if (cr) {
        length = static_cast<std::size_t>(cr - p);
        end = (length + 1 < rest && cr[1] == '\n') ? LineEnd::CrLf : LineEnd::Cr;
      }
      addLine(classify(std::string_view(p, length), end));
      pos += length + endText(end).size();
    }
  }

  void addLine(Line line) {
    if (newline == LineEnd::None) newline = line.end;
    if (line.kind == LineKind::Section) {
      const std::uint64_t h = hashFolded(line.name(), kSectionSeed);
      const std::string_view name = line.name();
      blocks.emplace_back();
      Block& block = blocks.back();
      const auto index = static_cast<std::uint32_t>(blocks.size() - 1);
      block.searched = !findSection(name, h);
      if (block.searched) sections.insert({h, index, 0});
      block.lines.push_back(std::move(line));
      return;
    }
    Block& block = blocks.back();
    const auto index = static_cast<std::uint32_t>(blocks.size() - 1);
    if (line.kind == LineKind::Key && block.searched && line.nameLength > 0) {
      const std::uint64_t h = hashFolded(line.name(), index);
      if (!findKey(index, line.name(), h)) {
        keys.insert({h, index, static_cast<std::uint32_t>(block.lines.size())});
      }
    }
    block.lines.push_back(std::move(line));
  }

  const NameIndex::Entry* findSection(std::string_view name, std::uint64_t h) const {
    return sections.find(h, [&](const NameIndex::Entry& e) {
      return equalFolded(blocks[e.block].lines.front().name(), name);
    });
  }

  const NameIndex::Entry* findKey(std::uint32_t block, std::string_view name, std::uint64_t h) const {
    return keys.find(h, [&](const NameIndex::Entry& e) {
      return e.block == block && equalFolded(blocks[e.block].lines[e.line].name(), name);
    });
  }

  // The line of a key, or nothing. Names are taken without outer blanks.
  const Line* lookup(std::string_view section, std::string_view key) const {
    section = trim(section);
    key = trim(key);
    if (section.empty() || key.empty()) return nullptr;
    const auto* s = findSection(section, hashFolded(section, kSectionSeed));
    if (!s) return nullptr;
    const auto* k = findKey(s->block, key, hashFolded(key, s->block));
    return k ? &blocks[k->block].lines[k->line] : nullptr;
  }

  LineEnd newLineEnd() const { return newline == LineEnd::None ? LineEnd::CrLf : newline; }

  Line* lastLine() {
    for (auto b = blocks.rbegin(); b != blocks.rend(); ++b) {
      if (!b->lines.empty()) return &b->lines.back();
    }
    return nullptr;
  }

  std::uint32_t appendSection(std::string_view name) {
    if (Line* last = lastLine()) {
      // A blank line before the new section, as a person would write it.
      if (last->end == LineEnd::None) last->end = newLineEnd();
      if (last->kind != LineKind::Blank) blocks.back().lines.push_back(classify("", newLineEnd()));
    }
    std::string header;
    header.reserve(name.size() + 2);
    header += '[';
    header += name;
    header += ']';
    addLine(classify(header, newLineEnd()));
    return static_cast<std::uint32_t>(blocks.size() - 1);
  }

  // A new key goes after the last line of its section that is neither blank
  // nor a comment: blank lines and comments before the next section belong
  // to that one. Only blank and comment lines move, and they are not indexed.
  void appendKey(std::uint32_t blockIndex, std::string_view key, std::string_view encoded, std::uint64_t h) {
    Block& block = blocks[blockIndex];
    std::size_t at = block.lines.size();
    while (at > 1 && (block.lines[at - 1].kind == LineKind::Blank || block.lines[at - 1].kind == LineKind::Comment)) {
      --at;
    }
    if (block.lines[at - 1].end == LineEnd::None) block.lines[at - 1].end = newLineEnd();
    std::string text;
    text.reserve(key.size() + 1 + encoded.size());
    text += key;
    text += '=';
    text += encoded;
    block.lines.insert(block.lines.begin() + static_cast<std::ptrdiff_t>(at), classify(text, newLineEnd()));
    keys.insert({h, blockIndex, static_cast<std::uint32_t>(at)});
  }

  static void replaceValue(Line& line, std::string_view encoded) {
    std::string text;
    text.reserve(line.text.size() + encoded.size());
    text.append(line.text, 0, line.valueBegin);
    text += encoded;
    text.append(line.text, line.valueBegin + line.valueLength);
    line = classify(text, line.end);
  }
};

IniDocument::IniDocument() : impl_(std::make_unique<Impl>()) {}

IniDocument::IniDocument(std::string_view utf8Text) : IniDocument() { impl_->parse(utf8Text); }

IniDocument::~IniDocument() = default;
IniDocument::IniDocument(const IniDocument& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}
IniDocument& IniDocument::operator=(const IniDocument& other) {
  if (this != &other) impl_ = std::make_unique<Impl>(*other.impl_);
  return *this;
}
IniDocument::IniDocument(IniDocument&&) noexcept = default;
IniDocument& IniDocument::operator=(IniDocument&&) noexcept = default;

std::optional<std::string_view> IniDocument::value(std::string_view section, std::string_view key) const {
  const Line* line = impl_->lookup(section, key);
  if (!line) return std::nullopt;
  return cookValue(line->rawValue());
}

bool IniDocument::hasSection(std::string_view section) const {
  section = trim(section);
  return !section.empty() && impl_->findSection(section, hashFolded(section, kSectionSeed));
}

std::int32_t IniDocument::readInt(std::string_view section, std::string_view key, std::int32_t def) const {
  const auto v = value(section, key);
  if (!v) return def;
  return parseIniInt(*v).value_or(def);
}

bool IniDocument::readBool(std::string_view section, std::string_view key, bool def) const {
  const auto v = value(section, key);
  if (!v) return def;
  const auto n = parseIniInt(*v);
  return n ? *n != 0 : def;
}

std::string IniDocument::readString(std::string_view section, std::string_view key, std::string_view def) const {
  return std::string(value(section, key).value_or(def));
}

bool IniDocument::canStore(std::string_view section, std::string_view key, std::string_view value) {
  section = trim(section);
  key = trim(key);
  if (section.empty() || section.find(']') != std::string_view::npos || hasLineBreak(section)) return false;
  if (key.empty() || key.front() == '[' || key.front() == ';' || key.find('=') != std::string_view::npos ||
      hasLineBreak(key)) {
    return false;
  }
  return !hasLineBreak(value);
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  if (!canStore(section, key, value)) return false;
  section = trim(section);
  key = trim(key);
  const std::string encoded = encodeValue(value);
  Impl& d = *impl_;
  const auto* s = d.findSection(section, hashFolded(section, kSectionSeed));
  const std::uint32_t block = s ? s->block : d.appendSection(section);
  const std::uint64_t h = hashFolded(key, block);
  if (const auto* k = d.findKey(block, key, h)) {
    Impl::replaceValue(d.blocks[k->block].lines[k->line], encoded);
  } else {
    d.appendKey(block, key, encoded, h);
  }
  return true;
}

std::string IniDocument::text() const {
  std::size_t size = 0;
  for (const Block& b : impl_->blocks) {
    for (const Line& l : b.lines) size += l.text.size() + 2;
  }
  std::string out;
  out.reserve(size);
  for (const Block& b : impl_->blocks) {
    for (const Line& l : b.lines) {
      out += l.text;
      out += endText(l.end);
    }
  }
  return out;
}

std::string_view IniDocument::newline() const { return endText(impl_->newLineEnd()); }

std::size_t IniDocument::lineCount() const {
  std::size_t n = 0;
  for (const Block& b : impl_->blocks) n += b.lines.size();
  return n;
}

}  // namespace wall
