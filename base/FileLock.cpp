// The lock of a file.
#include "base/FileLock.h"

#include <cerrno>
#include <cstdlib>
#include <thread>

#include "base/FilePaths.h"

namespace vorel {
namespace {

// The user's own runtime folder, made when missing; nothing when it is not the user's.
std::optional<std::string> RuntimeFolder() {
  std::string folder;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/')
    folder = std::string(runtime) + "/vorel";
  else
    folder = "/tmp/vorel-" + std::to_string(sys::EffectiveUser());
  MakeFolders(folder);
  // In a folder that all may write, another user could have made it first.
  sys::FileInfo info;
  if (!sys::StatLink(folder, info) || info.type != sys::FileType::Folder ||
      info.owner != sys::EffectiveUser())
    return std::nullopt;
  return folder;
}

sys::Handle OpenLock(const std::string& path) {
  sys::Handle lock = sys::OpenLockFile(FolderOf(path) + "/." + NameOf(path) + ".lock");
  if (lock.valid() || (errno != EACCES && errno != EROFS && errno != EPERM)) return lock;
  // The folder may not be written: the lock lives in the runtime folder, under the file's
  // identity (or its folder's, with its name, while it does not exist).
  const std::optional<std::string> runtime = RuntimeFolder();
  if (!runtime) return sys::Handle();
  sys::FileInfo info;
  std::string name;
  if (sys::Stat(path, info))
    name = std::to_string(info.identity.device) + "-" + std::to_string(info.identity.inode);
  else if (sys::Stat(FolderOf(path), info))
    name = std::to_string(info.identity.device) + "-" + std::to_string(info.identity.inode) + "-" +
           NameOf(path);
  else
    return sys::Handle();
  return sys::OpenLockFile(*runtime + "/" + name + ".lock");
}

}  // namespace

std::optional<FileLock> FileLock::Acquire(const std::string& path, sys::LockKind kind,
                                          std::chrono::milliseconds wait, bool createFolders) {
  if (createFolders) MakeFolders(FolderOf(path));
  sys::Handle lock = OpenLock(path);
  if (!lock.valid()) return FileLock(sys::Handle());
  return WaitFor(std::move(lock), kind, wait);
}

std::optional<FileLock> FileLock::AcquireLockFile(const std::string& lockPath, sys::LockKind kind,
                                                  std::chrono::milliseconds wait) {
  sys::Handle lock = sys::OpenLockFile(lockPath);
  if (!lock.valid()) return std::nullopt;
  return WaitFor(std::move(lock), kind, wait);
}

std::optional<FileLock> FileLock::WaitFor(sys::Handle lock, sys::LockKind kind,
                                          std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (!sys::TryLock(lock, kind)) {
    if (errno != EWOULDBLOCK && errno != EAGAIN) return FileLock(sys::Handle());
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return FileLock(std::move(lock));
}

}  // namespace vorel
