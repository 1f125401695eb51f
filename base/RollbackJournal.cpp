// The rollback journal of writes over a file itself.
#include "base/RollbackJournal.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>

#include "base/FileLock.h"
#include "base/FilePaths.h"

namespace vorel {
namespace {

constexpr std::string_view kMagic = "vorel-journal 1\n";
constexpr size_t kChunk = size_t{1} << 16;
// A write over a file takes well under this; a read waits that long for one under way.
constexpr auto kLockWait = std::chrono::seconds(5);

std::string JournalFolder() {
  return StateFolder() + "/journal";
}

std::string BaseFor(const sys::FileIdentity& identity) {
  return JournalFolder() + "/" + std::to_string(identity.device) + "-" +
         std::to_string(identity.inode);
}

// FNV-1a, 64 bits: enough to tell a whole copy from a damaged one.
class Checksum {
 public:
  void Add(std::string_view bytes) {
    for (const char c : bytes) {
      value_ ^= static_cast<unsigned char>(c);
      value_ *= 0x100000001b3ULL;
    }
  }
  std::uint64_t value() const { return value_; }

 private:
  std::uint64_t value_ = 0xcbf29ce484222325ULL;
};

template <typename T>
bool ParseField(std::string_view& text, std::string_view name, T& value) {
  if (!text.starts_with(name) || text.size() <= name.size() || text[name.size()] != ' ')
    return false;
  text.remove_prefix(name.size() + 1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data() + text.size() || *end != '\n') return false;
  text.remove_prefix(static_cast<size_t>(end - text.data()) + 1);
  return true;
}

}  // namespace

std::string WriteJournal(const JournalRecord& j) {
  std::string out(kMagic);
  out += "device " + std::to_string(j.device) + "\n";
  out += "inode " + std::to_string(j.inode) + "\n";
  out += "size " + std::to_string(j.size) + "\n";
  out += "checksum " + std::to_string(j.checksum) + "\n";
  out += "path " + j.path;  // the rest of the file: a path may hold any byte
  return out;
}

std::optional<JournalRecord> ReadJournal(std::string_view text) {
  JournalRecord j;
  if (!text.starts_with(kMagic)) return std::nullopt;
  text.remove_prefix(kMagic.size());
  if (!ParseField(text, "device", j.device) || !ParseField(text, "inode", j.inode) ||
      !ParseField(text, "size", j.size) || !ParseField(text, "checksum", j.checksum) ||
      !text.starts_with("path "))
    return std::nullopt;
  j.path = std::string(text.substr(5));
  return j;
}

namespace {

bool ReadAll(const sys::Handle& file, std::string& bytes, size_t limit) {
  char buffer[kChunk];
  for (;;) {
    const long n = sys::ReadSome(file, buffer, sizeof buffer);
    if (n < 0) return false;
    if (n == 0) return true;
    if (bytes.size() + static_cast<size_t>(n) > limit) return false;
    bytes.append(buffer, static_cast<size_t>(n));
  }
}

// Copies from (at its position) to the start of to, then cuts to there; the checksum and
// the size of what was copied. False on any failure.
bool Copy(const sys::Handle& from, const sys::Handle& to, Checksum& checksum, std::int64_t& size) {
  char buffer[kChunk];
  size = 0;
  for (;;) {
    const long n = sys::ReadSome(from, buffer, sizeof buffer);
    if (n < 0) return false;
    if (n == 0) break;
    const std::string_view chunk(buffer, static_cast<size_t>(n));
    checksum.Add(chunk);
    if (!sys::WriteAllAt(to, size, chunk)) return false;
    size += n;
  }
  return sys::Truncate(to, size) && sys::Sync(to);
}

void RemoveJournal(const std::string& base) {
  // The journal first: without it, the copy is only a leftover.
  sys::Remove(base + ".journal");
  sys::Remove(base + ".rollback");
  sys::Remove(base + ".journal-new");
}

// Under the lock: when the journal of base is there and names the file at path (status
// info), puts its old contents back. False when they should have gone back and could not.
bool Recover(const std::string& base, const std::string& path, const sys::FileInfo& info) {
  std::string text;
  {
    const sys::Handle journalFile = sys::OpenRegularForReading(base + ".journal");
    if (!journalFile.valid()) return errno == ENOENT;
    if (!ReadAll(journalFile, text, 1 << 16)) return false;
  }
  const std::optional<JournalRecord> journal = ReadJournal(text);
  sys::FileInfo named;
  const bool sameFile =
      journal && journal->device == info.identity.device && journal->inode == info.identity.inode &&
      (journal->path == path ||
       (sys::Stat(journal->path, named) && named.identity.SameFile(info.identity)));
  if (!sameFile) {
    // Another file has taken this one's number since: the journal is of no use.
    RemoveJournal(base);
    return true;
  }
  const sys::Handle copy = sys::OpenRegularForReading(base + ".rollback");
  sys::FileInfo copyInfo;
  if (!copy.valid() || !sys::Info(copy, copyInfo) || copyInfo.identity.size != journal->size) {
    RemoveJournal(base);
    return true;
  }
  const sys::Handle file = sys::OpenForWritingInPlace(path);
  if (!file.valid()) return false;
  Checksum checksum;
  std::int64_t size = 0;
  if (!Copy(copy, file, checksum, size)) return false;
  // The journal is written after its copy is whole on the disk, so a different copy means the
  // disk lost data; there is then nothing better to put back.
  RemoveJournal(base);
  return checksum.value() == journal->checksum;
}

}  // namespace

std::optional<RollbackJournal> RollbackJournal::Begin(const std::string& path,
                                                      const sys::Handle& file,
                                                      const sys::FileInfo& info) {
  MakeFolders(JournalFolder());
  const std::string base = BaseFor(info.identity);
  std::optional<FileLock> lock =
      FileLock::AcquireLockFile(base + ".lock", sys::LockKind::Exclusive, kLockWait);
  if (!lock) return std::nullopt;
  // A write killed before this one left its journal: its old contents are what this write
  // replaces, so they go back first.
  sys::FileInfo journalInfo;
  if (sys::StatLink(base + ".journal", journalInfo) && !Recover(base, path, info))
    return std::nullopt;
  sys::Remove(base + ".rollback");
  sys::Remove(base + ".journal-new");

  JournalRecord journal;
  journal.device = info.identity.device;
  journal.inode = info.identity.inode;
  journal.path = path;
  {
    const sys::Handle copy = sys::CreateNewFile(base + ".rollback", 0600);
    Checksum checksum;
    if (!copy.valid() || !Copy(file, copy, checksum, journal.size)) {
      sys::Remove(base + ".rollback");
      return std::nullopt;
    }
    journal.checksum = checksum.value();
  }
  {
    sys::Handle pending = sys::CreateNewFile(base + ".journal-new", 0600);
    const bool written = pending.valid() && sys::WriteAll(pending, WriteJournal(journal)) &&
                         sys::Sync(pending) && pending.Close();
    // The rename makes the journal appear whole or not at all.
    if (!written || !sys::Rename(base + ".journal-new", base + ".journal")) {
      RemoveJournal(base);
      return std::nullopt;
    }
  }
  sys::SyncFolder(JournalFolder());
  return RollbackJournal(base, std::move(*lock));
}

void RollbackJournal::Commit() {
  RemoveJournal(base_);
}

bool RollbackJournal::RollBack(const sys::Handle& file) {
  const sys::Handle copy = sys::OpenRegularForReading(base_ + ".rollback");
  Checksum checksum;
  std::int64_t size = 0;
  if (!copy.valid() || !Copy(copy, file, checksum, size)) return false;
  RemoveJournal(base_);
  return true;
}

void FinishInterruptedWrite(const std::string& path) {
  sys::FileInfo info;
  if (!sys::Stat(path, info) || info.type != sys::FileType::Regular) return;
  const std::string base = BaseFor(info.identity);
  sys::FileInfo journalInfo;
  if (!sys::StatLink(base + ".journal", journalInfo)) return;
  const std::optional<FileLock> lock =
      FileLock::AcquireLockFile(base + ".lock", sys::LockKind::Exclusive, kLockWait);
  // Still held after the wait: a write under way that does not end; the read goes on.
  if (!lock) return;
  Recover(base, path, info);
}

}  // namespace vorel
