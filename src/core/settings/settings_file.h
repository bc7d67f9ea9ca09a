#pragma once
// The settings file Setting.ini: one parsed document in memory, checked
// against the file at every access so that an edit made by someone else while
// the program runs is seen, and saved by an atomic replace (temporary file in
// the same folder, fsync, rename, fsync of the folder).
//
// Reads follow the earlier Windows program's INI reader (see ini_document.h):
// a key that is missing or not a number where a number is read yields the
// caller's default.
//
// Saving: by default every write (or every Batch) is saved before the call
// returns. A write-behind owner (io/) may instead install a save request
// callback; the file then marks itself dirty and the owner calls saveNow()
// from its own thread. All members are safe to call from several threads.
//
// Someone else's edit while we have unsaved changes: the file is read again
// and our unsaved keys are applied onto it, so neither side's edits are lost
// (for a key both changed, ours wins). A save that fails (folder gone or
// read-only, disk full) keeps the changes pending, and the next save tries
// again. A file that exists but cannot be read is never overwritten.
//
// Seeing an edit: the file's inode, size and modification time (with its
// nanoseconds) are compared at every access. File systems stamp times in
// ticks of a few milliseconds, so for a short while after a file was loaded
// an edit in place of the same size could keep the same stamp; during that
// while the content itself is compared.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace wall {

class SettingsFile {
 public:
  // Creates the file empty when it is missing (and its folder when that is
  // missing too). Never throws for a missing or unreadable file: an unreadable
  // file reads as empty.
  explicit SettingsFile(std::string path);
  ~SettingsFile();
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  const std::string& path() const;

  // Typed reads. Integers: optional sign and decimal digits, or hexadecimal
  // after '$', "0x" or "0X", within the 32-bit range; anything else yields
  // the default. Booleans: an integer other than 0 is true; anything that is
  // not an integer yields the default.
  std::int32_t readInt(std::string_view section, std::string_view key, std::int32_t def);
  bool readBool(std::string_view section, std::string_view key, bool def);
  std::string readString(std::string_view section, std::string_view key, std::string_view def);
  bool hasKey(std::string_view section, std::string_view key);

  // Writes change a key where it stands (its first occurrence), append a new
  // key at the end of its section and a new section at the end of the file.
  // Integers are written in decimal, booleans as "1" or "0". A value that
  // already reads back the same changes nothing.
  //
  // Returns false when the names or the value cannot be stored (a line
  // break, a key with '=', ...: IniDocument::canStore) - nothing changes -
  // or, when saving at once, when the save failed (the change stays pending;
  // lastError() says why). Inside a Batch or with a save request installed,
  // true only means the change is taken.
  bool writeInt(std::string_view section, std::string_view key, std::int32_t value);
  bool writeBool(std::string_view section, std::string_view key, bool value);
  bool writeString(std::string_view section, std::string_view key, std::string_view value);

  // Groups the reads and writes of one operation: the file is checked once,
  // when the outermost batch begins, the writes are saved together by one
  // atomic replace when it ends, and other threads wait meanwhile (keep
  // batches short). Batches nest. Whether the save worked: hasUnsavedChanges().
  class Batch {
   public:
    explicit Batch(SettingsFile& file);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    SettingsFile& file_;
  };

  // Installs the write-behind owner's callback: called (from the writing
  // thread, without locks held) whenever there are unsaved changes. Pass an
  // empty function to return to saving at once. The owner must uninstall it
  // and stop calling saveNow() before the file is destroyed; the destructor
  // makes one last attempt to save what is still pending.
  void setSaveRequest(std::function<void()> request);

  // Saves unsaved changes now by an atomic replace; returns false when the
  // file could not be written (the changes stay pending).
  bool saveNow();
  bool hasUnsavedChanges() const;
  // Why the last save or read failed; empty after a success.
  std::string lastError() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Where Setting.ini lives: `explicitPath` (--settings) when given, else the
// WALLCONTROL_SETTINGS environment variable, else beside the executable when
// that folder is writable, else $XDG_CONFIG_HOME/wallcontrol/Setting.ini
// (~/.config when XDG_CONFIG_HOME is unset).
std::string locateSettingsFile(std::string_view explicitPath, std::string_view executableDir);

}  // namespace wall
