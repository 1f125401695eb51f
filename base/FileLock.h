// A lock that one program holds on a file while it reads or writes it, so that two programs
// never write the same file at once. The lock is taken on a lock file beside the file,
// ".NAME.lock", which no save ever replaces: a lock on the file itself would stay on the old
// file once a save replaced it. Where that folder may not be written, the lock file is
// "DEVICE-INODE.lock" in the user's runtime folder ($XDG_RUNTIME_DIR/vorel).
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "base/SystemFiles.h"

namespace vorel {

class FileLock {
 public:
  // Takes the lock of the file at path, waiting up to wait while another program holds it;
  // nothing when it is still held then. Makes the file's missing folders when asked. Where
  // no lock file can be made at all, the lock is taken on nothing and only stands for one.
  static std::optional<FileLock> Acquire(const std::string& path, sys::LockKind kind,
                                         std::chrono::milliseconds wait, bool createFolders);
  // The lock of the lock file at lockPath itself, made when missing: nothing when that file
  // cannot be opened, or when another program holds the lock for longer than wait.
  static std::optional<FileLock> AcquireLockFile(const std::string& lockPath, sys::LockKind kind,
                                                 std::chrono::milliseconds wait);

  FileLock(FileLock&&) = default;
  FileLock& operator=(FileLock&&) = default;

 private:
  explicit FileLock(sys::Handle handle) : handle_(std::move(handle)) {}
  // Takes the lock on the open lock file, waiting up to wait; nothing when it stays held. A lock
  // the system cannot take at all is taken on nothing.
  static std::optional<FileLock> WaitFor(sys::Handle lock, sys::LockKind kind,
                                         std::chrono::milliseconds wait);

  sys::Handle handle_;
};

}  // namespace vorel
