// Paths as the file layer takes them apart, and the folders it makes.
#pragma once

#include <string>

namespace vorel {

// The folder part of a path ("." for a bare name) and its last part.
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);

// Makes the missing folders of a folder path, mode 0700.
void MakeFolders(const std::string& folder);

// Where the program keeps its state between runs: "$XDG_STATE_HOME/vorel", else
// "~/.local/state/vorel".
std::string StateFolder();

}  // namespace vorel
