// Whole-file reads and safe whole-file replacement for the documents the program saves.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vorel {

enum class SaveStatus { Ok, CannotCreate, WriteFailed };

// Receives the next bytes of a file being written; false when the write failed.
using FileWriter = std::function<bool(std::string_view bytes)>;

// Writes what produce hands to its writer into a temporary file beside path, flushes it to
// the disk (unless durable is false, for batch output that can simply be made again), then
// puts it in place of path: a failure at any point, or produce returning false, leaves an
// existing file as it was.
SaveStatus ReplaceFile(const std::string& path,
                       const std::function<bool(const FileWriter& write)>& produce,
                       bool durable = true);

// The same for bytes already in memory.
SaveStatus ReplaceFileContents(const std::string& path, std::string_view bytes,
                               bool durable = true);

enum class ReadStatus { Ok, CannotOpen, ReadFailed };

// Refuses files above maxBytes as ReadFailed.
ReadStatus ReadFileContents(const std::string& path, std::string& bytes, size_t maxBytes);

// Tests make a replacement fail after this many bytes of the file, as a full disk would.
void SetWriteFailureAfterForTesting(std::optional<size_t> bytes);

}  // namespace vorel
