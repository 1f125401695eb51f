// Whole-file reads of regular files, and the one careful save every document of the program
// goes through.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/Error.h"

namespace vorel {

// A file could not be saved or read. Its message is the documents' own wording; the register
// and the settings, which word their failures otherwise, put theirs in its place.
class FileError : public Error {
 public:
  enum class Kind {
    CannotCreate,  // may not or cannot be written (write-protected, not a regular file, no
                   // folder); nothing was touched
    WriteFailed,   // the writing itself failed
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
  // Tests: the writes to the disk fail as a full disk would once this many bytes went out.
  std::optional<size_t> failAfterBytes;
};

// Saves what produce hands to its writer as the file at path, respecting what the user set
// up there:
// - an existing file the user may not write is refused (CannotCreate), untouched;
// - a symbolic link is followed: the file it points to is saved, the link stays;
// - a file with other hard links, an owner or group a new file could not keep, an access
//   list, or a folder that may not be written, is written in place once the new contents
//   are complete in memory;
// - otherwise the contents go to a hidden temporary file beside it that then takes its
//   place, with the old file's mode, owner and group, so a failure or a crash at any moment
//   leaves the whole old file or the whole new one.
// A failed save leaves no temporary file; one left by a killed process is removed by the
// next save of the same file. Throws FileError (CannotCreate or WriteFailed); produce
// returning false fails the save as WriteFailed.
void ReplaceFile(const std::string& path,
                 const std::function<bool(const FileWriter& write)>& produce,
                 const SaveOptions& options = {});

// The same for bytes already in memory.
void ReplaceFileContents(const std::string& path, std::string_view bytes,
                         const SaveOptions& options = {});

// Opens path for reading if it is a regular file, without ever waiting on a pipe or a
// device. Returns the descriptor, or -1 with errno set (EACCES for a pipe, a device or a
// folder: they cannot be opened as a document).
int OpenRegularFile(const std::string& path);

// Regular files only (others are CannotOpen). Throws FileError; bytes then holds what was read
// before the failure: the first maxBytes bytes of a file larger than that.
void ReadFileContents(const std::string& path, std::string& bytes, size_t maxBytes);

}  // namespace vorel
