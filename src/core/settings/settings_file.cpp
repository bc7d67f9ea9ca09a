#include "core/settings/settings_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/settings/atomic_file.h"
#include "core/settings/ini_document.h"
#include "core/settings/text_encoding.h"

namespace wall {

namespace {

// Far beyond the largest real settings file (a full 30 x 30 wall with 48
// plans is about 10 MB); a larger file is taken as not a settings file.
constexpr std::int64_t kMaxFileSize = 256LL * 1024 * 1024;

// How long after its last change a file is compared by content: longer than
// the time stamp tick of the file systems a settings file lives on.
constexpr std::int64_t kRacyWindowNs = 100'000'000;

bool isRacy(const FileStamp& stamp) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const std::int64_t age = (now.tv_sec - stamp.mtimeSeconds) * 1'000'000'000LL + (now.tv_nsec - stamp.mtimeNanoseconds);
  return age < kRacyWindowNs && age > -kRacyWindowNs;
}

std::string foldedPair(std::string_view section, std::string_view key) {
  std::string s;
  s.reserve(section.size() + key.size() + 1);
  for (char c : section) s += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  s += '\n';  // names never hold a line break
  for (char c : key) s += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  return s;
}

struct PendingWrite {
  std::string section;
  std::string key;
  std::string value;
};

}  // namespace

struct SettingsFile::Impl {
  std::string path;
  mutable std::recursive_mutex mutex;
  IniDocument doc;
  std::optional<FileStamp> stamp;  // the file version `doc` was read from
  bool readable = true;            // false: the file exists but could not be read
  std::string racyBytes;           // the bytes read, while the stamp alone cannot tell an edit
  bool racy = false;

  // Changes not yet saved, in the order made, one entry per key.
  std::vector<PendingWrite> pending;
  std::unordered_map<std::string, std::size_t> pendingIndex;

  int batchDepth = 0;  // changed only by the thread that holds `mutex`
  bool batchChecked = false;
  bool batchChanged = false;
  std::function<void()> saveRequest;
  std::string lastError;
  bool staleTemporariesRemoved = false;

  explicit Impl(std::string p) : path(std::move(p)) { createIfMissing(); }

  // The earlier program created the file empty before every access; so do
  // we, with its folder.
  void createIfMissing() {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 || errno != ENOENT) return;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code ec;
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd >= 0) ::close(fd);
  }

  void reapplyPending() {
    for (const PendingWrite& w : pending) doc.set(w.section, w.key, w.value);
  }

  // The file cannot be read: it reads as empty. When something is there
  // (a file we may not read, a folder ...), it is never overwritten; when
  // nothing is (its folder cannot be made), a save may still create it.
  void becomeUnreadable(const std::string& error) {
    struct stat st;
    readable = ::lstat(path.c_str(), &st) != 0;
    lastError = error;
    stamp.reset();
    racy = false;
    racyBytes.clear();
    doc = IniDocument();
    reapplyPending();
  }

  // Brings `doc` up to date with the file (our unsaved changes on top).
  void refresh() {
    auto now = stampOf(path);
    if (!now && errno == ENOENT) {
      createIfMissing();
      now = stampOf(path);
    }
    if (now && stamp && *now == *stamp && !racy) return;
    std::string error;
    auto contents = readWholeFile(path, kMaxFileSize, error);
    if (!contents) return becomeUnreadable(error);
    if (!readable) lastError.clear();
    readable = true;
    const bool unchanged = racy && stamp && contents->stamp == *stamp && contents->bytes == racyBytes;
    stamp = contents->stamp;
    racy = isRacy(contents->stamp);
    if (unchanged) {
      if (!racy) racyBytes.clear();
      return;
    }
    doc = IniDocument(decodeSettingsText(contents->bytes).utf8);
    reapplyPending();
    racyBytes = racy ? std::move(contents->bytes) : std::string();
  }

  // Before a read or a write: the file is checked at every access, except
  // inside a batch, which sees the file as it was when the batch began.
  void access() {
    if (batchDepth > 0 && batchChecked) return;
    refresh();
    batchChecked = batchDepth > 0;
  }

  void remember(std::string_view section, std::string_view key, std::string_view value) {
    auto [it, added] = pendingIndex.try_emplace(foldedPair(section, key), pending.size());
    if (added) {
      pending.push_back({std::string(section), std::string(key), std::string(value)});
    } else {
      pending[it->second].value = value;
    }
  }

  bool saveLocked() {
    refresh();  // someone else's edits since our last look are kept
    if (pending.empty()) return true;
    if (!readable) {
      lastError = "not saved: " + path + " exists but cannot be read (" + lastError + ")";
      return false;
    }
    // (A missing file that could not be created makes the save fail below.)
    std::string error;
    const auto written = replaceFileAtomically(path, encodeSettingsText(doc.text()), error);
    if (!written) {
      lastError = error;
      return false;
    }
    stamp = written;
    racy = false;
    racyBytes.clear();
    pending.clear();
    pendingIndex.clear();
    lastError.clear();
    if (!staleTemporariesRemoved) {
      staleTemporariesRemoved = true;
      removeStaleTemporaryFiles(path);
    }
    return true;
  }

  bool write(std::string_view section, std::string_view key, std::string_view value) {
    if (!IniDocument::canStore(section, key, value)) return false;
    std::function<void()> request;
    bool ok = true;
    {
      std::lock_guard lock(mutex);
      access();
      const auto current = doc.value(section, key);
      const bool changed = !current || *current != value;
      if (!changed && pending.empty()) return true;
      if (changed) {
        doc.set(section, key, value);
        remember(section, key, value);
      }
      if (batchDepth > 0) {
        batchChanged = true;
        return true;
      }
      if (saveRequest) {
        request = saveRequest;
      } else {
        ok = saveLocked();
      }
    }
    if (request) request();
    return ok;
  }

  void beginBatch() {
    mutex.lock();
    if (batchDepth++ == 0) {
      batchChecked = false;
      batchChanged = false;
    }
  }

  void endBatch() {
    std::function<void()> request;
    if (--batchDepth == 0 && batchChanged) {
      if (saveRequest) {
        request = saveRequest;
      } else {
        saveLocked();
      }
    }
    mutex.unlock();
    if (request) request();
  }
};

SettingsFile::SettingsFile(std::string path) : impl_(std::make_unique<Impl>(std::move(path))) {}

SettingsFile::~SettingsFile() {
  std::lock_guard lock(impl_->mutex);
  if (!impl_->pending.empty()) impl_->saveLocked();
}

const std::string& SettingsFile::path() const { return impl_->path; }

std::int32_t SettingsFile::readInt(std::string_view section, std::string_view key, std::int32_t def) {
  std::lock_guard lock(impl_->mutex);
  impl_->access();
  return impl_->doc.readInt(section, key, def);
}

bool SettingsFile::readBool(std::string_view section, std::string_view key, bool def) {
  std::lock_guard lock(impl_->mutex);
  impl_->access();
  return impl_->doc.readBool(section, key, def);
}

std::string SettingsFile::readString(std::string_view section, std::string_view key, std::string_view def) {
  std::lock_guard lock(impl_->mutex);
  impl_->access();
  return impl_->doc.readString(section, key, def);
}

bool SettingsFile::hasKey(std::string_view section, std::string_view key) {
  std::lock_guard lock(impl_->mutex);
  impl_->access();
  return impl_->doc.value(section, key).has_value();
}

bool SettingsFile::writeInt(std::string_view section, std::string_view key, std::int32_t value) {
  return impl_->write(section, key, std::to_string(value));
}

bool SettingsFile::writeBool(std::string_view section, std::string_view key, bool value) {
  return impl_->write(section, key, value ? "1" : "0");
}

bool SettingsFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  return impl_->write(section, key, value);
}

SettingsFile::Batch::Batch(SettingsFile& file) : file_(file) { file_.impl_->beginBatch(); }

SettingsFile::Batch::~Batch() { file_.impl_->endBatch(); }

void SettingsFile::setSaveRequest(std::function<void()> request) {
  bool pendingNow = false;
  {
    std::lock_guard lock(impl_->mutex);
    impl_->saveRequest = request;
    pendingNow = !impl_->pending.empty();
  }
  // Changes made before the owner came are its to save too.
  if (request && pendingNow) request();
}

bool SettingsFile::saveNow() {
  std::lock_guard lock(impl_->mutex);
  return impl_->saveLocked();
}

bool SettingsFile::hasUnsavedChanges() const {
  std::lock_guard lock(impl_->mutex);
  return !impl_->pending.empty();
}

std::string SettingsFile::lastError() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->lastError;
}

std::string locateSettingsFile(std::string_view explicitPath, std::string_view executableDir) {
  constexpr std::string_view kName = "Setting.ini";
  if (!explicitPath.empty()) return std::string(explicitPath);
  if (const char* env = std::getenv("WALLCONTROL_SETTINGS"); env && *env) return env;
  std::string dir(executableDir.empty() ? "." : executableDir);
  if (::access(dir.c_str(), W_OK) == 0) {
    if (dir.back() != '/') dir += '/';
    return dir + std::string(kName);
  }
  // Relative values of XDG_CONFIG_HOME are to be ignored (XDG base directories).
  std::string config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
    config = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    config = std::string(home) + "/.config";
  } else if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && *user->pw_dir) {
    config = std::string(user->pw_dir) + "/.config";
  } else {
    config = ".config";  // no home at all: beside the current folder
  }
  return config + "/wallcontrol/" + std::string(kName);
}

}  // namespace wall
