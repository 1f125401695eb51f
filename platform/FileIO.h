// Whole-file reads and safe whole-file replacement for the documents the program saves.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorel {

enum class SaveStatus { Ok, CannotCreate, WriteFailed };

// Writes bytes to a temporary file beside path, flushes it to the disk (unless durable is
// false, for batch output that can simply be made again), then puts it in place of path: a
// failure at any point leaves an existing file as it was.
SaveStatus ReplaceFileContents(const std::string& path, std::string_view bytes,
                               bool durable = true);

enum class ReadStatus { Ok, CannotOpen, ReadFailed };

// Refuses files above maxBytes as ReadFailed.
ReadStatus ReadFileContents(const std::string& path, std::string& bytes, size_t maxBytes);

// The permissions for a file that replaces path: those of the file it replaces, or the usual
// ones of a new file.
unsigned ReplacementFileMode(const std::string& path);

// Tests make writes fail after this many bytes, as a full disk would.
void SetWriteFailureAfterForTesting(std::optional<size_t> bytes);

}  // namespace vorel
