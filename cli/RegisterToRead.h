// The register a command of vorel-report reads from (the export, the reports of every person).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/ToolOutput.h"
#include "register/Register.h"

namespace vorel {

// The register at path, loaded and held for reading until it goes. Nothing, the reason said,
// when it cannot be opened at all (missing, a folder, a pipe, no permission) or another program
// holds it: a command then writes nothing. A register damaged part way keeps the persons read
// before the damage; the damage is said and damaged set.
std::optional<Register> OpenRegisterToRead(const std::string& path, const ToolOutput& io,
                                           bool& damaged);

// The persons the file holds: none where it held no one, though the register then shows the
// sample person (a convenience of the editor, never a person of the file).
const std::vector<Person>& PersonsInFile(const Register& persons);

}  // namespace vorel
