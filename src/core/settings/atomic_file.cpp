#include "core/settings/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace wall {

namespace {

std::string errnoText(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

FileStamp stampFrom(const struct stat& st) {
  FileStamp s;
  s.device = st.st_dev;
  s.inode = st.st_ino;
  s.size = st.st_size;
  s.mtimeSeconds = st.st_mtim.tv_sec;
  s.mtimeNanoseconds = st.st_mtim.tv_nsec;
  return s;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A symbolic link is saved through: the link stays and its target changes.
std::string resolveLink(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char* real = realpath(path.c_str(), nullptr);
  if (!real) return path;  // a dangling link: replaced by the file
  std::string target(real);
  std::free(real);
  return target;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

std::string temporaryPrefix(const std::string& name) { return "." + name + "."; }

// A new temporary file beside the target, created with the default
// permissions (0666 less the umask).
int createTemporary(const std::string& folder, const std::string& name, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = folder + "/" + temporaryPrefix(name) + std::to_string(::getpid()) + "." +
               std::to_string(counter.fetch_add(1)) + ".tmp";
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

std::optional<FileStamp> stampOf(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return stampFrom(st);
}

std::optional<FileContents> readWholeFile(const std::string& path, std::int64_t maxSize, std::string& error) {
  error.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = errnoText("cannot open", path);
    return std::nullopt;
  }
  FileContents contents;
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    error = errnoText("cannot examine", path);
  } else if (!S_ISREG(st.st_mode)) {
    error = "not a regular file: " + path;
  } else if (st.st_size > maxSize) {
    error = "too large to be a settings file: " + path;
  }
  if (!error.empty()) {
    ::close(fd);
    return std::nullopt;
  }
  contents.stamp = stampFrom(st);
  contents.bytes.resize(static_cast<std::size_t>(st.st_size));
  std::size_t used = 0;
  while (true) {
    if (used == contents.bytes.size()) contents.bytes.resize(used + 65536);  // the file grew meanwhile
    const ssize_t n = ::read(fd, contents.bytes.data() + used, contents.bytes.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error = errnoText("cannot read", path);
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    used += static_cast<std::size_t>(n);
    if (static_cast<std::int64_t>(used) > maxSize) {
      error = "too large to be a settings file: " + path;
      ::close(fd);
      return std::nullopt;
    }
  }
  contents.bytes.resize(used);
  ::close(fd);
  return contents;
}

std::optional<FileStamp> replaceFileAtomically(const std::string& givenPath, std::string_view bytes,
                                               std::string& error) {
  const std::string path = resolveLink(givenPath);
  const std::string folder = folderOf(path);
  std::string tempPath;
  const int fd = createTemporary(folder, nameOf(path), tempPath);
  if (fd < 0) {
    error = errnoText("cannot create a temporary file in", folder);
    return std::nullopt;
  }
  auto fail = [&](const std::string& what) -> std::optional<FileStamp> {
    error = errnoText(what, tempPath);
    ::close(fd);
    ::unlink(tempPath.c_str());
    return std::nullopt;
  };
  struct stat old;
  if (::stat(path.c_str(), &old) == 0) {
    // Keep the file's permissions and, when we may, its owner: a file that
    // an administrator prepared must not become someone else's.
    ::fchmod(fd, old.st_mode & 07777);
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
      [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    }
  }
  if (!writeAll(fd, bytes)) return fail("cannot write");
  if (::fsync(fd) != 0) return fail("cannot flush");
  struct stat written;
  if (::fstat(fd, &written) != 0) return fail("cannot examine");
  if (::close(fd) != 0) {
    error = errnoText("cannot close", tempPath);
    ::unlink(tempPath.c_str());
    return std::nullopt;
  }
  if (::rename(tempPath.c_str(), path.c_str()) != 0) {
    error = errnoText("cannot rename over", path);
    ::unlink(tempPath.c_str());
    return std::nullopt;
  }
  if (!syncFolder(folder)) {
    // The new file is in place but may not survive a power loss yet.
    error = errnoText("cannot flush the folder", folder);
    return std::nullopt;
  }
  return stampFrom(written);
}

void removeStaleTemporaryFiles(const std::string& givenPath) {
  const std::string path = resolveLink(givenPath);
  const std::string folder = folderOf(path);
  const std::string prefix = temporaryPrefix(nameOf(path));
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name(entry->d_name);
    if (!name.starts_with(prefix) || !name.ends_with(".tmp")) continue;
    const std::string rest(name.substr(prefix.size()));
    char* end = nullptr;
    const long pid = std::strtol(rest.c_str(), &end, 10);
    if (end == rest.c_str() || *end != '.' || pid <= 0 || pid > INT_MAX) continue;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
      ::unlink((folder + "/" + std::string(name)).c_str());
    }
  }
  ::closedir(dir);
}

}  // namespace wall
