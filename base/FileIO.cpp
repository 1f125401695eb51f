// File reading and the careful save.
#include "base/FileIO.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

namespace vorel {
namespace {

enum class SaveStatus { Ok, CannotCreate, WriteFailed };

// A save writes ".NAME" + kTempMarker with nothing after it; only while another save of the
// same file holds that name does it take six random characters more. Long names are cut so
// that the whole stays within a file name's limit.
constexpr std::string_view kTempMarker = ".vorel-tmp-";
constexpr size_t kTempRandom = 6;
constexpr size_t kMaxNamePart = 200;

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now; false when the close reported an error (a delayed write failure).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Writes bytes at the descriptor's position; total counts the bytes of the file written so
// far, for the full-disk test hook.
bool WriteAll(int fd, std::string_view bytes, size_t& total,
              const std::optional<size_t>& failAfter) {
  size_t written = 0;
  while (written < bytes.size()) {
    size_t chunk = bytes.size() - written;
    if (failAfter) {
      if (total >= *failAfter) {
        errno = ENOSPC;
        return false;
      }
      chunk = std::min(chunk, *failAfter - total);
    }
    const ssize_t n = ::write(fd, bytes.data() + written, chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    written += static_cast<size_t>(n);
    total += static_cast<size_t>(n);
  }
  return true;
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a chain of symbolic links ends at (path itself when it is no link); that file
// need not exist, as a link to a file yet to be made. Nothing for a loop.
std::optional<std::string> FollowLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0 || static_cast<size_t>(n) >= target.size()) return std::nullopt;
    target.resize(static_cast<size_t>(n));
    path = target.front() == '/' ? target : DirectoryOf(path) + "/" + target;
  }
  return std::nullopt;
}

void MakeFolders(const std::string& dir) {
  for (size_t i = 1; i <= dir.size(); ++i)
    if (i == dir.size() || dir[i] == '/') ::mkdir(dir.substr(0, i).c_str(), 0700);
}

std::string TempPrefix(const std::string& name) {
  return "." + name.substr(0, kMaxNamePart) + std::string(kTempMarker);
}

// True when the file at path is a leftover, a temporary file no save holds any more: a save
// in progress holds a lock on its own, so a file whose lock can be taken belongs to nobody.
bool IsLeftover(int dirFd, const char* path) {
  Descriptor fd(::openat(dirFd, path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  struct stat info {};
  if (fd.Get() < 0 || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  return ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0;
}

// Removes the temporary files with random names that killed saves of this file left. Only
// saves that ran at the same time as another make such names, so this runs only when the
// usual name is taken: a folder of ten thousand reports is not read at every save.
void RemoveLeftovers(const std::string& dir, const std::string& name) {
  DIR* folder = ::opendir(dir.c_str());
  if (!folder) return;
  const std::string prefix = TempPrefix(name);
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view entryName = entry->d_name;
    if (entryName.size() != prefix.size() + kTempRandom ||
        entryName.substr(0, prefix.size()) != prefix)
      continue;
    if (IsLeftover(::dirfd(folder), entry->d_name)) ::unlinkat(::dirfd(folder), entry->d_name, 0);
  }
  ::closedir(folder);
}

// A new hidden file beside the target, locked for the time of the save; its path in temp.
int CreateTemp(const std::string& dir, const std::string& name, mode_t mode, std::string& temp) {
  // The usual name; one a killed save left is taken over.
  temp = dir + "/" + TempPrefix(name);
  for (int attempt = 0;; ++attempt) {
    const int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd >= 0) {
      ::flock(fd, LOCK_EX | LOCK_NB);
      return fd;
    }
    if (errno != EEXIST) return -1;
    if (attempt > 0 || !IsLeftover(AT_FDCWD, temp.c_str())) break;
    ::unlink(temp.c_str());
  }
  // Another save of the same file is under way: a name of its own, and the random names
  // that earlier saves of that kind left are cleared.
  RemoveLeftovers(dir, name);
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char random[kTempRandom];
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) return -1;
    std::string suffix;
    for (unsigned char r : random) suffix += kLetters[r % (sizeof kLetters - 1)];
    temp = dir + "/" + TempPrefix(name) + suffix;
    const int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd >= 0) {
      ::flock(fd, LOCK_EX | LOCK_NB);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

bool HasAccessList(const std::string& path) {
  return ::getxattr(path.c_str(), "system.posix_acl_access", nullptr, 0) > 0;
}

void SyncFolder(const std::string& dir) {
  // The new name must reach the disk too, or a crash could bring the old file back.
  Descriptor fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) ::fsync(fd.Get());
}

// Writes the complete new contents over the file itself: the file keeps its links, owner,
// group and access list. Space is reserved first, so a full disk is found before anything
// is overwritten wherever the file system can tell.
SaveStatus WriteInPlace(const std::string& target,
                        const std::function<bool(const FileWriter& write)>& produce,
                        const SaveOptions& options) {
  std::string contents;
  if (!produce([&contents](std::string_view bytes) {
        contents.append(bytes);
        return true;
      }))
    return SaveStatus::WriteFailed;
  Descriptor fd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  struct stat info {};
  if (fd.Get() < 0 || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode))
    return SaveStatus::CannotCreate;
  if (!contents.empty()) {
    const int reserved = ::posix_fallocate(fd.Get(), 0, static_cast<off_t>(contents.size()));
    if (reserved == ENOSPC || reserved == EFBIG || reserved == EDQUOT)
      return SaveStatus::WriteFailed;
  }
  size_t total = 0;
  bool ok = WriteAll(fd.Get(), contents, total, options.failAfterBytes);
  ok = ok && ::ftruncate(fd.Get(), static_cast<off_t>(contents.size())) == 0;
  ok = ok && (!options.durable || ::fsync(fd.Get()) == 0);
  ok = fd.Close() && ok;
  return ok ? SaveStatus::Ok : SaveStatus::WriteFailed;
}

// The save's steps; ReplaceFile turns the outcome into its error.
SaveStatus Save(const std::string& path,
                const std::function<bool(const FileWriter& write)>& produce,
                const SaveOptions& options) {
  const std::optional<std::string> resolved = FollowLinks(path);
  if (!resolved) return SaveStatus::CannotCreate;
  const std::string& target = *resolved;
  const std::string dir = DirectoryOf(target);
  const std::string name = NameOf(target);

  struct stat info {};
  const bool exists = ::stat(target.c_str(), &info) == 0;
  if (!exists && errno != ENOENT) return SaveStatus::CannotCreate;
  if (exists) {
    // A pipe or a device is not a document; writing to one could wait for ever.
    if (!S_ISREG(info.st_mode)) return SaveStatus::CannotCreate;
    // Write protection is the user's decision, even where the folder would allow a new file.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
      return SaveStatus::CannotCreate;
  } else if (options.createFolders) {
    MakeFolders(dir);
  }
  if (exists && (info.st_nlink > 1 || HasAccessList(target)))
    return WriteInPlace(target, produce, options);

  std::string temp;
  Descriptor fd(CreateTemp(dir, name, exists ? 0600 : 0666, temp));
  if (fd.Get() < 0) {
    // A folder the user may not write: the file itself still may be.
    return exists ? WriteInPlace(target, produce, options) : SaveStatus::CannotCreate;
  }
  if (exists) {
    struct stat made {};
    bool kept = ::fstat(fd.Get(), &made) == 0;
    if (kept && (made.st_uid != info.st_uid || made.st_gid != info.st_gid))
      kept = ::fchown(fd.Get(), info.st_uid, info.st_gid) == 0;
    // After the owner: a change of owner clears the set-id bits.
    kept = kept && ::fchmod(fd.Get(), info.st_mode & 07777) == 0;
    if (!kept) {
      ::unlink(temp.c_str());
      return WriteInPlace(target, produce, options);
    }
  }
  size_t total = 0;
  bool ok = produce([&](std::string_view bytes) {
    return WriteAll(fd.Get(), bytes, total, options.failAfterBytes);
  });
  ok = ok && (!options.durable || ::fsync(fd.Get()) == 0);
  // The close reports a delayed write error; a second descriptor keeps the lock until the
  // rename, which tells a save of the same file meanwhile that this one is no leftover.
  const Descriptor lock(ok ? ::dup(fd.Get()) : -1);
  ok = fd.Close() && ok;
  if (!ok) {
    ::unlink(temp.c_str());
    return SaveStatus::WriteFailed;
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return SaveStatus::CannotCreate;
  }
  if (options.durable) SyncFolder(dir);
  return SaveStatus::Ok;
}

}  // namespace

FileError::FileError(Kind kind, const std::string& path, int systemError)
    : Error([&] {
        switch (kind) {
          case Kind::CannotCreate:
            return FormatMessage("Impossible de créer le fichier %s", path);
          case Kind::WriteFailed:
            return std::string("Erreur à l'enregistrement de flux");
          case Kind::CannotOpen:
            return FormatMessage("Impossible d'ouvrir le fichier %s", path);
          case Kind::ReadFailed:
            break;
        }
        return std::string("Erreur au chargement de flux");
      }()),
      kind_(kind),
      systemError_(systemError) {}

void ReplaceFile(const std::string& path,
                 const std::function<bool(const FileWriter& write)>& produce,
                 const SaveOptions& options) {
  errno = 0;
  switch (Save(path, produce, options)) {
    case SaveStatus::Ok:
      return;
    case SaveStatus::CannotCreate:
      throw FileError(FileError::Kind::CannotCreate, path, errno);
    case SaveStatus::WriteFailed:
      throw FileError(FileError::Kind::WriteFailed, path, errno);
  }
}

void ReplaceFileContents(const std::string& path, std::string_view bytes,
                         const SaveOptions& options) {
  ReplaceFile(
      path, [bytes](const FileWriter& write) { return write(bytes); }, options);
}

int OpenRegularFile(const std::string& path) {
  // Looked at before it is opened: opening a pipe or a device can wait, or act.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return -1;
  if (!S_ISREG(info.st_mode)) {
    errno = EACCES;
    return -1;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return -1;
  // It may have been swapped for something else meanwhile.
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    errno = EACCES;
    return -1;
  }
  return fd;
}

void ReadFileContents(const std::string& path, std::string& bytes, size_t maxBytes) {
  bytes.clear();
  Descriptor fd(OpenRegularFile(path));
  if (fd.Get() < 0) throw FileError(FileError::Kind::CannotOpen, path, errno);
  struct stat info {};
  if (::fstat(fd.Get(), &info) == 0 && static_cast<size_t>(info.st_size) <= maxBytes)
    bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileError(FileError::Kind::ReadFailed, path, errno);
    }
    if (n == 0) break;
    if (bytes.size() + static_cast<size_t>(n) > maxBytes) {
      bytes.append(buffer, maxBytes - bytes.size());
      throw FileError(FileError::Kind::ReadFailed, path, EFBIG);
    }
    bytes.append(buffer, static_cast<size_t>(n));
  }
}

}  // namespace vorel
