// Saves two full contents of a settings file in turn, forever, writing one
// line "saved" to its standard output after each save. A test kills it at
// random moments and checks that the file is always one of the two.
//
// Usage: settings_saver_loop FILE

#include <unistd.h>

#include <cstdio>

#include "settings_saver_contents.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
    return 2;
  }
  wall::SettingsFile file(argv[1]);
  for (char letter = 'B';; letter = letter == 'A' ? 'B' : 'A') {
    wall::saver::writeContents(file, letter);
    if (file.hasUnsavedChanges()) {
      std::fprintf(stderr, "save failed: %s\n", file.lastError().c_str());
      return 1;
    }
    if (::write(STDOUT_FILENO, "saved\n", 6) != 6) return 1;
  }
}
