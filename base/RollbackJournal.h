// The journal of a write over a file itself: before the first byte is written over, a copy
// of the old contents and a small journal naming the file go to the state folder; once the
// new contents are whole on the disk, the journal goes. A read that finds a journal left by a
// killed write puts the old contents back first, so the file is always old or new, whole.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/FileLock.h"
#include "base/SystemFiles.h"

namespace vorel {

class RollbackJournal {
 public:
  // Keeps the current contents of file (open for reading and writing at path, its status in
  // info) and writes the journal. Nothing when that could not be done: the write over the
  // file must then not begin.
  static std::optional<RollbackJournal> Begin(const std::string& path, const sys::Handle& file,
                                              const sys::FileInfo& info);

  // The new contents are whole on the disk: the journal and the copy go.
  void Commit();
  // The write failed part way: the old contents go back now. False when even that failed; the
  // journal then stays, for the next read to try again.
  bool RollBack(const sys::Handle& file);

  ~RollbackJournal() = default;
  RollbackJournal(RollbackJournal&&) = default;
  RollbackJournal& operator=(RollbackJournal&&) = default;

 private:
  RollbackJournal(std::string base, FileLock lock)
      : base_(std::move(base)), lock_(std::move(lock)) {}

  std::string base_;  // the journal's path without its extension
  FileLock lock_;     // held for the time of the write
};

// What every read does first: when a journal of the file at path is there, its write was
// killed (or is running: it is waited for), and the old contents are put back.
void FinishInterruptedWrite(const std::string& path);

// A journal's contents: the file it names and the copy of its old contents that it vouches for.
struct JournalRecord {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;       // of the copy
  std::uint64_t checksum = 0;  // of the copy
  std::string path;
  bool operator==(const JournalRecord&) const = default;
};

// The journal's bytes, and back; nothing for bytes that are not a whole journal. A journal is
// read from the user's state folder: outside bytes, like any file.
std::string WriteJournal(const JournalRecord& record);
std::optional<JournalRecord> ReadJournal(std::string_view bytes);

}  // namespace vorel
