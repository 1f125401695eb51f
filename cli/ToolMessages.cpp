// vorel-report's messages and output files.
#include "ToolMessages.h"

#include <cstdio>
#include <cstdlib>

#include "base/Error.h"
#include "base/FileIO.h"
#include "register/RegisterFile.h"

namespace vorel {

void BadArguments(const std::string& message) {
  std::fprintf(stderr, "vorel-report : %s\nEssayez « vorel-report --help ».\n", message.c_str());
  std::exit(2);
}

void PrintError(std::string_view message) {
  std::fprintf(stderr, "vorel-report : %s\n", ErrorBoxText(message).c_str());
}

bool SaveOutput(const std::string& path, std::string_view bytes, bool durable) {
  SaveOptions options;
  options.durable = durable;
  try {
    ReplaceFileContents(path, bytes, options);
    return true;
  } catch (const FileError&) {
    return false;
  }
}

int LoadNamedRegister(const std::string& path, RegisterList& list) {
  try {
    LoadRegister(path, list);
    return 0;
  } catch (const Error& e) {
    PrintError(path + " : " + e.what());
    return 1;
  }
}

std::string CannotCreateMessage(const std::string& path) {
  return FormatMessage("Impossible de créer le fichier %s", path);
}

}  // namespace vorel
