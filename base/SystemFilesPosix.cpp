// The file calls of a POSIX system: the one file of the lower layers that includes its headers.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <ctime>

#include "base/SystemFiles.h"

namespace vorel::sys {
namespace {

void Fill(const struct stat& s, FileInfo& info) {
  if (S_ISREG(s.st_mode))
    info.type = FileType::Regular;
  else if (S_ISDIR(s.st_mode))
    info.type = FileType::Folder;
  else if (S_ISLNK(s.st_mode))
    info.type = FileType::Link;
  else
    info.type = FileType::Other;
  info.identity.device = static_cast<std::uint64_t>(s.st_dev);
  info.identity.inode = static_cast<std::uint64_t>(s.st_ino);
  info.identity.size = static_cast<std::int64_t>(s.st_size);
  info.identity.modifiedNs =
      static_cast<std::int64_t>(s.st_mtim.tv_sec) * 1'000'000'000 + s.st_mtim.tv_nsec;
  info.mode = s.st_mode & 07777;
  info.owner = s.st_uid;
  info.group = s.st_gid;
  info.links = static_cast<std::uint64_t>(s.st_nlink);
}

}  // namespace

bool Stat(const std::string& path, FileInfo& info) {
  struct stat s {};
  info = FileInfo{};
  if (::stat(path.c_str(), &s) != 0) return false;
  Fill(s, info);
  return true;
}

bool StatLink(const std::string& path, FileInfo& info) {
  struct stat s {};
  info = FileInfo{};
  if (::lstat(path.c_str(), &s) != 0) return false;
  Fill(s, info);
  return true;
}

Handle::~Handle() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

Handle::Handle(Handle&& other) noexcept : descriptor_(other.descriptor_) {
  other.descriptor_ = -1;
}

Handle& Handle::operator=(Handle&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = other.descriptor_;
    other.descriptor_ = -1;
  }
  return *this;
}

Handle Handle::Duplicate() const {
  return Handle(descriptor_ < 0 ? -1 : ::fcntl(descriptor_, F_DUPFD_CLOEXEC, 0));
}

bool Handle::Close() {
  const int descriptor = descriptor_;
  descriptor_ = -1;
  return descriptor < 0 || ::close(descriptor) == 0;
}

Handle OpenRegularForReading(const std::string& path) {
  // Looked at before it is opened: opening a pipe or a device can wait, or act.
  struct stat s {};
  if (::stat(path.c_str(), &s) != 0) return Handle();
  if (!S_ISREG(s.st_mode)) {
    errno = EACCES;
    return Handle();
  }
  Handle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!file.valid()) return file;
  // It may have been swapped for something else meanwhile.
  if (::fstat(file.descriptor(), &s) != 0 || !S_ISREG(s.st_mode)) {
    errno = EACCES;
    return Handle();
  }
  return file;
}

Handle OpenForWritingInPlace(const std::string& path) {
  const int flags = O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
  Handle file(::open(path.c_str(), O_RDWR | flags));
  if (!file.valid() && errno == EACCES) file = Handle(::open(path.c_str(), O_WRONLY | flags));
  struct stat s {};
  if (file.valid() && (::fstat(file.descriptor(), &s) != 0 || !S_ISREG(s.st_mode))) {
    errno = EACCES;
    return Handle();
  }
  return file;
}

Handle CreateNewFile(const std::string& path, unsigned mode) {
  return Handle(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                       static_cast<mode_t>(mode)));
}

Handle OpenLockFile(const std::string& path) {
  Handle file(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666));
  // A lock needs no write access: someone else's lock file may be read. When there is none to
  // read, the reason to tell is the first one: the folder may not be written.
  if (!file.valid() && (errno == EACCES || errno == EROFS)) {
    const int refused = errno;
    file = Handle(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (!file.valid() && errno == ENOENT) errno = refused;
  }
  struct stat s {};
  if (file.valid() && (::fstat(file.descriptor(), &s) != 0 || !S_ISREG(s.st_mode))) {
    errno = EACCES;
    return Handle();
  }
  return file;
}

bool Info(const Handle& file, FileInfo& info) {
  struct stat s {};
  info = FileInfo{};
  if (::fstat(file.descriptor(), &s) != 0) return false;
  Fill(s, info);
  return true;
}

long ReadSome(const Handle& file, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(file.descriptor(), buffer, size);
    if (n >= 0 || errno != EINTR) return static_cast<long>(n);
  }
}

bool WriteAll(const Handle& file, std::string_view bytes) {
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(file.descriptor(), bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    written += static_cast<size_t>(n);
  }
  return true;
}

bool WriteAllAt(const Handle& file, std::int64_t offset, std::string_view bytes) {
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::pwrite(file.descriptor(), bytes.data() + written, bytes.size() - written,
                               static_cast<off_t>(offset + static_cast<std::int64_t>(written)));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    written += static_cast<size_t>(n);
  }
  return true;
}

bool Sync(const Handle& file) {
  return ::fsync(file.descriptor()) == 0;
}

bool Truncate(const Handle& file, std::int64_t size) {
  return ::ftruncate(file.descriptor(), static_cast<off_t>(size)) == 0;
}

int Reserve(const Handle& file, std::int64_t size) {
  const int result = ::posix_fallocate(file.descriptor(), 0, static_cast<off_t>(size));
  // Only an answer that the space is missing counts; file systems that cannot reserve say so
  // otherwise.
  return result == ENOSPC || result == EFBIG || result == EDQUOT ? result : 0;
}

bool SetOwner(const Handle& file, std::uint32_t owner, std::uint32_t group) {
  return ::fchown(file.descriptor(), owner, group) == 0;
}

bool SetMode(const Handle& file, unsigned mode) {
  return ::fchmod(file.descriptor(), static_cast<mode_t>(mode)) == 0;
}

bool TryLock(const Handle& file, LockKind kind) {
  const int operation = (kind == LockKind::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
  for (;;) {
    if (::flock(file.descriptor(), operation) == 0) return true;
    if (errno != EINTR) return false;
  }
}

bool SyncFolder(const std::string& path) {
  Handle folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return folder.valid() && ::fsync(folder.descriptor()) == 0;
}

bool Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool Remove(const std::string& path) {
  return ::unlink(path.c_str()) == 0;
}

bool MakeFolder(const std::string& path, unsigned mode) {
  return ::mkdir(path.c_str(), static_cast<mode_t>(mode)) == 0;
}

std::optional<std::string> ReadLink(const std::string& path) {
  std::string target(PATH_MAX, '\0');
  const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
  if (n < 0 || static_cast<size_t>(n) >= target.size()) return std::nullopt;
  target.resize(static_cast<size_t>(n));
  return target;
}

bool MayWrite(const std::string& path) {
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

bool HasAccessList(const std::string& path) {
  return ::getxattr(path.c_str(), "system.posix_acl_access", nullptr, 0) > 0;
}

bool RandomBytes(void* buffer, std::size_t size) {
  auto* bytes = static_cast<unsigned char*>(buffer);
  while (size > 0) {
    const ssize_t n = ::getrandom(bytes, size, 0);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

std::vector<std::string> FolderEntries(const std::string& path) {
  std::vector<std::string> names;
  DIR* folder = ::opendir(path.c_str());
  if (!folder) return names;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(folder);
  return names;
}

std::uint32_t EffectiveUser() {
  return ::geteuid();
}

std::int64_t NowNs() {
  struct timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace vorel::sys
