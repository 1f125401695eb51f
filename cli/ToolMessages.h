// How vorel-report speaks: messages on the error output, its output files, its exit statuses.
#pragma once

#include <string>
#include <string_view>

namespace vorel {

struct RegisterList;

// Bad arguments: the message, a pointer to --help, exit status 2.
[[noreturn]] void BadArguments(const std::string& message);

// "vorel-report : message." on the error output.
void PrintError(std::string_view message);

// Puts bytes in place of the file at path; false when it could not. durable: flushed to the
// disk before it replaces the old file.
bool SaveOutput(const std::string& path, std::string_view bytes, bool durable = true);

// Loads the register a command names. A file damaged part way is said on the error output
// and its whole records are kept: returns 1 then, else 0.
int LoadNamedRegister(const std::string& path, RegisterList& list);

// The message of an output file that could not be written, as the report window gives it.
std::string CannotCreateMessage(const std::string& path);

}  // namespace vorel
