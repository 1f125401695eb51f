// The register a command reads.
#include "cli/RegisterToRead.h"

#include <cerrno>

#include "base/FileIO.h"

namespace vorel {

std::optional<Register> OpenRegisterToRead(const std::string& path, const ToolOutput& io,
                                           bool& damaged) {
  damaged = false;
  if (!sys::OpenRegularForReading(path).valid()) {
    io.Error(FileError(FileError::Kind::CannotOpen, path, errno).what());
    return std::nullopt;
  }
  std::optional<Register> persons(std::in_place, path);
  try {
    persons->HoldLock(sys::LockKind::Shared);
  } catch (const Error& e) {
    io.Error(e.what());
    return std::nullopt;
  }
  if (const std::optional<Error> error = persons->Load()) {
    io.Error(path + " : " + error->what());
    damaged = true;
  }
  return persons;
}

const std::vector<Person>& PersonsInFile(const Register& persons) {
  static const std::vector<Person> kNone;
  return persons.fileWasEmpty() ? kNone : persons.persons();
}

}  // namespace vorel
