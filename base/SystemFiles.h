// The operating system's file calls, behind one small interface: the rest of the lower layers
// call these and nothing of the system, so a port to another system replaces
// SystemFilesPosix.cpp alone. A failure returns false (or an invalid handle) and leaves the
// system's error code in errno.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorel::sys {

// What tells one file from another, and one version of a file from the next.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;  // modification time, nanoseconds since the epoch
  bool operator==(const FileIdentity&) const = default;
  // The same file, whatever its contents: device and inode.
  bool SameFile(const FileIdentity& other) const {
    return device == other.device && inode == other.inode;
  }
};

enum class FileType { Missing, Regular, Folder, Link, Other };

struct FileInfo {
  FileType type = FileType::Missing;
  FileIdentity identity;
  unsigned mode = 0;  // permission bits (07777)
  std::uint32_t owner = 0;
  std::uint32_t group = 0;
  std::uint64_t links = 0;
};

// The status of what path names, following symbolic links; false (errno) when there is none.
bool Stat(const std::string& path, FileInfo& info);
// The same without following a final symbolic link.
bool StatLink(const std::string& path, FileInfo& info);

// An open file; closed when the handle goes.
class Handle {
 public:
  Handle() = default;
  explicit Handle(int descriptor) : descriptor_(descriptor) {}
  ~Handle();
  Handle(Handle&& other) noexcept;
  Handle& operator=(Handle&& other) noexcept;
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  bool valid() const { return descriptor_ >= 0; }
  int descriptor() const { return descriptor_; }
  // A second handle on the same open file: it holds the same locks.
  Handle Duplicate() const;
  // Closes now; false when the close reported an error (a delayed write failure).
  bool Close();

 private:
  int descriptor_ = -1;
};

// A regular file for reading, without ever waiting on a pipe or a device: anything else fails
// with EACCES (a pipe, a device or a folder cannot be opened as a document).
Handle OpenRegularForReading(const std::string& path);
// An existing regular file for writing over it, read access too where the user has it.
Handle OpenForWritingInPlace(const std::string& path);
// A new file that did not exist (no link followed), read and write, with the given mode.
Handle CreateNewFile(const std::string& path, unsigned mode);
// A file that only serves to hold locks: created when missing (mode 0666 less the umask),
// opened for reading when it exists but may not be written.
Handle OpenLockFile(const std::string& path);

bool Info(const Handle& file, FileInfo& info);
// Reads up to size bytes at the file's position; 0 at the end, -1 on an error.
long ReadSome(const Handle& file, char* buffer, std::size_t size);
// Writes all bytes at the file's position, or at offset.
bool WriteAll(const Handle& file, std::string_view bytes);
bool WriteAllAt(const Handle& file, std::int64_t offset, std::string_view bytes);
bool Sync(const Handle& file);
bool Truncate(const Handle& file, std::int64_t size);
// Reserves size bytes for the file; the system's error code, 0 when done or when the file
// system cannot tell in advance.
int Reserve(const Handle& file, std::int64_t size);
bool SetOwner(const Handle& file, std::uint32_t owner, std::uint32_t group);
bool SetMode(const Handle& file, unsigned mode);

enum class LockKind { Shared, Exclusive };
// Takes the lock without waiting; false when another open file holds it (or on an error).
bool TryLock(const Handle& file, LockKind kind);

// Flushes a folder's entries (a new name) to the disk.
bool SyncFolder(const std::string& path);
bool Rename(const std::string& from, const std::string& to);
bool Remove(const std::string& path);
bool MakeFolder(const std::string& path, unsigned mode);
// The target of a symbolic link, as written in it.
std::optional<std::string> ReadLink(const std::string& path);
// Whether the effective user may write the file, as the system judges it.
bool MayWrite(const std::string& path);
bool HasAccessList(const std::string& path);
bool RandomBytes(void* buffer, std::size_t size);
// The names in a folder, "." and ".." left out; empty when it cannot be read.
std::vector<std::string> FolderEntries(const std::string& path);
std::uint32_t EffectiveUser();
// The wall clock, in the unit of FileIdentity::modifiedNs.
std::int64_t NowNs();

}  // namespace vorel::sys
