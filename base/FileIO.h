// Whole-file reads of regular files, and the one careful save every document of the program
// goes through.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vorel {

// CannotCreate: the file may not or cannot be written (write-protected, not a regular file,
// its folder missing); nothing was touched. WriteFailed: the writing itself failed.
enum class SaveStatus { Ok, CannotCreate, WriteFailed };

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
// next save of the same file. produce returning false fails the save as WriteFailed.
SaveStatus ReplaceFile(const std::string& path,
                       const std::function<bool(const FileWriter& write)>& produce,
                       const SaveOptions& options = {});

// The same for bytes already in memory.
SaveStatus ReplaceFileContents(const std::string& path, std::string_view bytes,
                               const SaveOptions& options = {});

enum class ReadStatus { Ok, CannotOpen, ReadFailed };

// Opens path for reading if it is a regular file, without ever waiting on a pipe or a
// device. Returns the descriptor, or -1 with errno set (EACCES for a pipe, a device or a
// folder: they cannot be opened as a document).
int OpenRegularFile(const std::string& path);

// Regular files only (others are CannotOpen). A file above maxBytes is ReadFailed, with its
// first maxBytes bytes in bytes.
ReadStatus ReadFileContents(const std::string& path, std::string& bytes, size_t maxBytes);

}  // namespace vorel
