#pragma once
// The two full contents that the saver helper writes in turn, shared by the
// helper and the test that kills it. Large enough that writing one takes
// many pages, so that a save that is not atomic would show a mix.

#include <string>

#include "core/settings/ini_document.h"
#include "core/settings/settings_file.h"
#include "core/settings/text_encoding.h"

namespace wall::saver {

inline constexpr int kSections = 20;
inline constexpr int kKeysPerSection = 1000;

inline std::string sectionName(int s) { return "Saver" + std::to_string(s); }
inline std::string keyName(int k) { return "Key" + std::to_string(k); }
// Contents A and B differ in every value and in length.
inline std::string valueOf(char letter, int s, int k) {
  return std::string(letter == 'A' ? 8 : 13, letter) + std::to_string(s * kKeysPerSection + k);
}

// The exact bytes of the file after a save of `letter`'s contents.
inline std::string contentBytes(char letter) {
  IniDocument doc;
  for (int s = 0; s < kSections; ++s) {
    for (int k = 0; k < kKeysPerSection; ++k) doc.set(sectionName(s), keyName(k), valueOf(letter, s, k));
  }
  return encodeSettingsText(doc.text());
}

// Sets every key to `letter`'s value; saved by one replace when `batch` ends.
inline void writeContents(SettingsFile& file, char letter) {
  SettingsFile::Batch batch(file);
  for (int s = 0; s < kSections; ++s) {
    for (int k = 0; k < kKeysPerSection; ++k) file.writeString(sectionName(s), keyName(k), valueOf(letter, s, k));
  }
}

}  // namespace wall::saver
