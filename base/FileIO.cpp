// File reading and the careful save.
#include "base/FileIO.h"

#include <cerrno>
#include <optional>

#include "base/FileMessages.h"
#include "base/RollbackJournal.h"

namespace vorel {
namespace {

enum class SaveStatus { Ok, CannotCreate, WriteFailed };

// A save writes ".NAME" + kTempMarker + kTempRandom random characters. Long names are cut so
// that the whole stays within a file name's limit.
constexpr std::string_view kTempMarker = ".vorel-tmp-";
constexpr size_t kTempRandom = 6;
constexpr size_t kMaxNamePart = 200;
// A temporary file younger than this may belong to a save that has not locked it yet.
constexpr std::int64_t kLeftoverAgeNs = 60'000'000'000;

std::string TempPrefix(const std::string& name) {
  return "." + name.substr(0, kMaxNamePart) + std::string(kTempMarker);
}

bool IsTempName(std::string_view name) {
  if (name.size() < 1 + kTempMarker.size() + kTempRandom || name.front() != '.') return false;
  return name.substr(name.size() - kTempRandom - kTempMarker.size(), kTempMarker.size()) ==
         kTempMarker;
}

// Whether path still names the file open in handle: a name may be taken over between two
// steps, and only one's own file may be renamed or removed.
bool StillNames(const std::string& path, const sys::Handle& handle) {
  sys::FileInfo named, held;
  return sys::StatLink(path, named) && sys::Info(handle, held) &&
         named.identity.SameFile(held.identity);
}

// Removes the temporary file at path when it is a leftover: no save holds its lock, and
// nothing wrote it for a minute.
void RemoveIfLeftover(const std::string& path) {
  sys::FileInfo linkInfo;
  if (!sys::StatLink(path, linkInfo) || linkInfo.type != sys::FileType::Regular) return;
  const sys::Handle file = sys::OpenRegularForReading(path);
  sys::FileInfo info;
  if (!file.valid() || !sys::TryLock(file, sys::LockKind::Exclusive) || !sys::Info(file, info))
    return;
  if (sys::NowNs() - info.identity.modifiedNs < kLeftoverAgeNs) return;
  if (StillNames(path, file)) sys::Remove(path);
}

// The file a chain of symbolic links ends at (path itself when it is no link); that file
// need not exist, as a link to a file yet to be made. Nothing for a loop.
std::optional<std::string> FollowLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    sys::FileInfo info;
    if (!sys::StatLink(path, info) || info.type != sys::FileType::Link) return path;
    const std::optional<std::string> target = sys::ReadLink(path);
    if (!target || target->empty()) return std::nullopt;
    path = target->front() == '/' ? *target : FolderOf(path) + "/" + *target;
  }
  return std::nullopt;
}

// A new hidden file of a fresh name beside the target, locked at once; its path in temp.
sys::Handle CreateTemp(const std::string& folder, const std::string& name, unsigned mode,
                       std::string& temp) {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char random[kTempRandom];
    if (!sys::RandomBytes(random, sizeof random)) return sys::Handle();
    std::string suffix;
    for (const unsigned char r : random) suffix += kLetters[r % (sizeof kLetters - 1)];
    temp = folder + "/" + TempPrefix(name) + suffix;
    sys::Handle file = sys::CreateNewFile(temp, mode);
    if (file.valid()) {
      // A fresh file is no leftover for a minute, so nobody can take it before this lock.
      sys::TryLock(file, sys::LockKind::Exclusive);
      return file;
    }
    if (errno != EEXIST) return file;
  }
  return sys::Handle();
}

// Writes the complete new contents over the file itself: the file keeps its links, owner,
// group and access list. Once the journal holds the old contents, space is reserved, so a
// full disk is found before anything is overwritten wherever the file system can tell; the
// journal puts back the old contents after any other failure, or a kill.
SaveStatus WriteInPlace(const std::string& target,
                        const std::function<bool(const FileWriter& write)>& produce,
                        sys::FileIdentity& saved) {
  std::string contents;
  if (!produce([&contents](std::string_view bytes) {
        contents.append(bytes);
        return true;
      }))
    return SaveStatus::WriteFailed;
  const sys::Handle file = sys::OpenForWritingInPlace(target);
  sys::FileInfo info;
  if (!file.valid() || !sys::Info(file, info)) return SaveStatus::CannotCreate;
  // The journal comes first: reserving space may already lengthen the file.
  std::optional<RollbackJournal> journal = RollbackJournal::Begin(target, file, info);
  if (!journal) return SaveStatus::WriteFailed;
  const int reserved =
      contents.empty() ? 0 : sys::Reserve(file, static_cast<std::int64_t>(contents.size()));
  if (reserved != 0) errno = reserved;
  const bool ok = reserved == 0 && sys::WriteAllAt(file, 0, contents) &&
                  sys::Truncate(file, static_cast<std::int64_t>(contents.size())) &&
                  sys::Sync(file);
  if (!ok) {
    const int error = errno;
    journal->RollBack(file);
    errno = error;
    return SaveStatus::WriteFailed;
  }
  journal->Commit();
  sys::FileInfo after;
  if (sys::Info(file, after)) saved = after.identity;
  return SaveStatus::Ok;
}

// The save's steps; ReplaceFile turns the outcome into its error.
SaveStatus Save(const std::string& path,
                const std::function<bool(const FileWriter& write)>& produce,
                const SaveOptions& options, sys::FileIdentity& saved) {
  const std::optional<std::string> resolved = FollowLinks(path);
  if (!resolved) return SaveStatus::CannotCreate;
  const std::string& target = *resolved;
  const std::string folder = FolderOf(target);
  const std::string name = NameOf(target);

  sys::FileInfo info;
  const bool exists = sys::Stat(target, info);
  if (!exists && errno != ENOENT) return SaveStatus::CannotCreate;
  if (exists) {
    // A pipe or a device is not a document; writing to one could wait for ever.
    if (info.type != sys::FileType::Regular) return SaveStatus::CannotCreate;
    // Write protection is the user's decision, even where the folder would allow a new file,
    // and even for a user whom the system lets write anything.
    if ((info.mode & 0222) == 0 || !sys::MayWrite(target)) {
      errno = EACCES;
      return SaveStatus::CannotCreate;
    }
  } else if (options.createFolders) {
    MakeFolders(folder);
  }
  if (exists && (info.links > 1 || sys::HasAccessList(target)))
    return WriteInPlace(target, produce, saved);

  std::string temp;
  sys::Handle file = CreateTemp(folder, name, exists ? 0600 : 0666, temp);
  if (!file.valid()) {
    // A folder the user may not write: the file itself still may be.
    return exists ? WriteInPlace(target, produce, saved) : SaveStatus::CannotCreate;
  }
  // A second handle keeps the lock until the rename, whatever becomes of the first, whose
  // close reports a delayed write error: no sweep takes the file for a leftover meanwhile.
  const sys::Handle held = file.Duplicate();
  // Removes the temporary file, if it is still this save's own, and keeps the reason.
  const auto discard = [&](SaveStatus status) {
    const int error = errno;
    if (StillNames(temp, held)) sys::Remove(temp);
    errno = error;
    return status;
  };
  if (!held.valid()) return discard(SaveStatus::WriteFailed);
  if (exists) {
    sys::FileInfo made;
    bool kept = sys::Info(file, made);
    if (kept && (made.owner != info.owner || made.group != info.group))
      kept = sys::SetOwner(file, info.owner, info.group);
    // After the owner: a change of owner clears the set-id bits.
    kept = kept && sys::SetMode(file, info.mode);
    if (!kept) {
      discard(SaveStatus::WriteFailed);
      return WriteInPlace(target, produce, saved);
    }
  }
  const bool written =
      produce([&](std::string_view bytes) { return sys::WriteAll(file, bytes); }) &&
      (!options.durable || sys::Sync(file)) && file.Close();
  if (!written) return discard(SaveStatus::WriteFailed);
  // Only one's own file takes the target's place.
  if (!StillNames(temp, held) || !sys::Rename(temp, target))
    return discard(SaveStatus::CannotCreate);
  if (options.durable) sys::SyncFolder(folder);
  sys::FileInfo after;
  if (sys::Info(held, after)) saved = after.identity;
  return SaveStatus::Ok;
}

}  // namespace

FileError::FileError(Kind kind, const std::string& path, int systemError)
    : Error([&] {
        switch (kind) {
          case Kind::CannotCreate:
            return FileMessageText(FileMessage::CannotCreate, path);
          case Kind::WriteFailed:
            return FileMessageText(FileMessage::WriteFailed);
          case Kind::CannotOpen:
            return FileMessageText(FileMessage::CannotOpen, path);
          case Kind::ReadFailed:
            break;
        }
        return FileMessageText(FileMessage::ReadFailed);
      }()),
      kind_(kind),
      systemError_(systemError) {}

sys::FileIdentity ReplaceFile(const std::string& path,
                              const std::function<bool(const FileWriter& write)>& produce,
                              const SaveOptions& options) {
  errno = 0;
  sys::FileIdentity saved;
  switch (Save(path, produce, options, saved)) {
    case SaveStatus::Ok:
      return saved;
    case SaveStatus::CannotCreate:
      throw FileError(FileError::Kind::CannotCreate, path, errno);
    case SaveStatus::WriteFailed:
      break;
  }
  throw FileError(FileError::Kind::WriteFailed, path, errno);
}

sys::FileIdentity ReplaceFileContents(const std::string& path, std::string_view bytes,
                                      const SaveOptions& options) {
  return ReplaceFile(
      path, [bytes](const FileWriter& write) { return write(bytes); }, options);
}

Result<FileContents, FileError> ReadFile(const std::string& path, std::size_t maxBytes) {
  Result<FileContents, FileError> result;
  FinishInterruptedWrite(path);
  const sys::Handle file = sys::OpenRegularForReading(path);
  sys::FileInfo info;
  if (!file.valid() || !sys::Info(file, info)) {
    result.error.emplace(FileError::Kind::CannotOpen, path, errno);
    return result;
  }
  std::string& bytes = result.value.bytes;
  if (static_cast<std::uint64_t>(info.identity.size) <= maxBytes)
    bytes.reserve(static_cast<size_t>(info.identity.size));
  char buffer[1 << 16];
  for (;;) {
    const long n = sys::ReadSome(file, buffer, sizeof buffer);
    if (n < 0) {
      result.error.emplace(FileError::Kind::ReadFailed, path, errno);
      break;
    }
    if (n == 0) break;
    if (bytes.size() + static_cast<size_t>(n) > maxBytes) {
      bytes.append(buffer, maxBytes - bytes.size());
      result.error.emplace(FileError::Kind::ReadFailed, path, EFBIG);
      break;
    }
    bytes.append(buffer, static_cast<size_t>(n));
  }
  // What was read, as it was when the reading ended.
  if (sys::Info(file, info)) result.value.identity = info.identity;
  return result;
}

void SweepLeftovers(const std::string& path) {
  const std::string folder = FolderOf(path);
  const std::string prefix = TempPrefix(NameOf(path));
  for (const std::string& entry : sys::FolderEntries(folder))
    if (entry.size() == prefix.size() + kTempRandom && entry.starts_with(prefix))
      RemoveIfLeftover(folder + "/" + entry);
}

void SweepFolderLeftovers(const std::string& folder) {
  for (const std::string& entry : sys::FolderEntries(folder))
    if (IsTempName(entry)) RemoveIfLeftover(folder + "/" + entry);
}

}  // namespace vorel
