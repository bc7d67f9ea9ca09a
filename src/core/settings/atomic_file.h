#pragma once
// Whole-file reads and atomic replacement, for the settings file.
//
// A replacement writes a temporary file in the same folder, flushes it to
// the disk, renames it over the file and flushes the folder: a crash or a
// power loss at any moment leaves either the old or the new file, never a
// mix. Temporary files are named ".<name>.<pid>.<n>.tmp" so that a later
// run can tell a dead writer's leftovers from a live writer's work.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wall {

// What identifies one version of a file: an edit in place changes the size
// or the modification time, a replacement changes the inode.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t mtimeSeconds = 0;
  std::int64_t mtimeNanoseconds = 0;
  bool operator==(const FileStamp&) const = default;
};

struct FileContents {
  std::string bytes;
  FileStamp stamp;  // of the file the bytes were read from
};

// Reads a regular file whole. Fails (with a message in `error`) for a file
// that is missing, unreadable, not a regular file or larger than maxSize.
std::optional<FileContents> readWholeFile(const std::string& path, std::int64_t maxSize, std::string& error);

// The stamp of the file now; nothing when it cannot be examined (errno set).
std::optional<FileStamp> stampOf(const std::string& path);

// Replaces the file with `bytes` atomically and durably, keeping its
// permission bits (and its owner where allowed); a symbolic link is followed
// and its target replaced. Returns the stamp of the new file, or nothing
// with a message in `error` - then the old file is untouched and no
// temporary file is left.
std::optional<FileStamp> replaceFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

// Removes temporary files left beside `path` by writers that are no longer
// running (killed in the middle of a save).
void removeStaleTemporaryFiles(const std::string& path);

}  // namespace wall
