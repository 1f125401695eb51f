// Whole-file reads of regular files, and the one careful save every document of the program
// goes through.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "base/Error.h"
#include "base/FilePaths.h"
#include "base/Result.h"
#include "base/SystemFiles.h"

namespace vorel {

// A file could not be saved or read. Its message is the documents' own wording; the register
// and the settings, which word their failures otherwise, put theirs in its place.
class FileError : public Error {
 public:
  enum class Kind {
    CannotCreate,  // may not or cannot be written (write-protected, not a regular file, no
                   // folder); nothing was touched
    WriteFailed,   // the writing itself failed; the old file is whole
    CannotOpen,    // missing, unreadable, or not a regular file
    ReadFailed,    // the reading failed, or the file is larger than the reader takes
  };
  FileError(Kind kind, const std::string& path, int systemError);
  Kind kind() const { return kind_; }
  // The system's error code (errno) behind it; EFBIG for a file larger than the reader takes.
  int systemError() const { return systemError_; }

 private:
  Kind kind_;
  int systemError_;
};

// Receives the next bytes of a file being written; false when the write failed.
using FileWriter = std::function<bool(std::string_view bytes)>;

struct SaveOptions {
  // Flush the file (and its new name) to the disk before returning. Batch output that can
  // simply be made again may skip it.
  bool durable = true;
  // Make the missing folders of the path (mode 0700), as a first save in a fresh data
  // folder needs.
  bool createFolders = false;
};

// Saves what produce hands to its writer as the file at path, respecting what the user set
// up there:
// - an existing file with no write permission bit, or that the user may not write, is
//   refused (CannotCreate), untouched, whoever the user is;
// - a symbolic link is followed: the file it points to is saved, the link stays;
// - a file with other hard links, an owner or group a new file could not keep, an access
//   list, or in a folder that may not be written, is written over in place once the new
//   contents are complete in memory, after a rollback copy of the old contents and a journal
//   were written to the state folder: a kill at any moment leaves, at the next read, the
//   whole old file or the whole new one;
// - otherwise the contents go to a hidden temporary file of a fresh name beside it, locked
//   while in use, that then takes its place with the old file's mode, owner and group.
// A failed save leaves the old file whole and no temporary file. Throws FileError
// (CannotCreate or WriteFailed); produce returning false fails the save as WriteFailed.
// Returns the identity of the file saved.
sys::FileIdentity ReplaceFile(const std::string& path,
                              const std::function<bool(const FileWriter& write)>& produce,
                              const SaveOptions& options = {});

// The same for bytes already in memory.
sys::FileIdentity ReplaceFileContents(const std::string& path, std::string_view bytes,
                                      const SaveOptions& options = {});

struct FileContents {
  std::string bytes;
  sys::FileIdentity identity;  // of the file these bytes were read from
};

// Reads a regular file whole (others are CannotOpen), after finishing what a killed in-place
// save of it left (see ReplaceFile). On an error, the value holds what was read before it:
// the first maxBytes bytes of a file larger than that.
Result<FileContents, FileError> ReadFile(const std::string& path, std::size_t maxBytes);

// Removes the temporary files that killed saves of the file at path left beside it: those no
// save holds and that were last written over a minute ago.
void SweepLeftovers(const std::string& path);
// The same for every file of a folder.
void SweepFolderLeftovers(const std::string& folder);

}  // namespace vorel
