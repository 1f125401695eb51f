// Paths and folders of the file layer.
#include "base/FilePaths.h"

#include <cstdlib>

#include "base/SystemFiles.h"

namespace vorel {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void MakeFolders(const std::string& folder) {
  for (size_t i = 1; i <= folder.size(); ++i)
    if (i == folder.size() || folder[i] == '/') sys::MakeFolder(folder.substr(0, i), 0700);
}

std::string StateFolder() {
  if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
    return std::string(state) + "/vorel";
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.local/state/vorel";
}

}  // namespace vorel
