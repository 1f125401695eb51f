// File reading and replacement.
#include "base/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vorel {
namespace {

std::optional<size_t> gFailAfter;

// total counts the bytes of the file written so far, for the test hook.
bool WriteAll(int fd, std::string_view bytes, size_t& total) {
  size_t written = 0;
  while (written < bytes.size()) {
    size_t chunk = bytes.size() - written;
    if (gFailAfter) {
      if (total >= *gFailAfter) {
        errno = ENOSPC;
        return false;
      }
      chunk = std::min(chunk, *gFailAfter - total);
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

// Those of the file replaced, or the usual ones of a new file.
mode_t ReplacementFileMode(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

void SetWriteFailureAfterForTesting(std::optional<size_t> bytes) {
  gFailAfter = bytes;
}

SaveStatus ReplaceFile(const std::string& path,
                       const std::function<bool(const FileWriter& write)>& produce, bool durable) {
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return SaveStatus::CannotCreate;
  bool ok = ::fchmod(fd, ReplacementFileMode(path)) == 0;
  size_t total = 0;
  ok = ok && produce([fd, &total](std::string_view bytes) { return WriteAll(fd, bytes, total); });
  ok = ok && (!durable || ::fsync(fd) == 0);
  ok = ::close(fd) == 0 && ok;
  if (!ok) {
    ::unlink(temp.c_str());
    return SaveStatus::WriteFailed;
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return SaveStatus::CannotCreate;
  }
  if (durable) {
    // The new name must reach the disk too, or a crash could bring the old file back.
    const int dir = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
      ::fsync(dir);
      ::close(dir);
    }
  }
  return SaveStatus::Ok;
}

SaveStatus ReplaceFileContents(const std::string& path, std::string_view bytes, bool durable) {
  return ReplaceFile(
      path, [bytes](const FileWriter& write) { return write(bytes); }, durable);
}

ReadStatus ReadFileContents(const std::string& path, std::string& bytes, size_t maxBytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ReadStatus::CannotOpen;
  bytes.clear();
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
      static_cast<size_t>(info.st_size) <= maxBytes)
    bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return ReadStatus::ReadFailed;
    }
    if (n == 0) break;
    if (bytes.size() + static_cast<size_t>(n) > maxBytes) {
      ::close(fd);
      return ReadStatus::ReadFailed;
    }
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return ReadStatus::Ok;
}

}  // namespace vorel
