// Where the program finds its own files: the register, the help document, and where the
// toolkit may keep its file dialogs' memory.
#pragma once

#include <string>

namespace vorel {

// The directory of the running executable, with a trailing '/'.
std::string ExecutableDirectory();

// The user's data folder for Vorel, with a trailing '/': "$XDG_DATA_HOME/vorel/", else
// "~/.local/share/vorel/". Nothing creates it until the register's first save.
std::string UserDataDirectory();

// The register: VOREL.DAT beside the program when one is there (a program folder carried
// on a removable disk keeps its register with it), else in the user's data folder.
// programDir ends with '/'.
std::string RegisterFilePath(const std::string& programDir);

// The help document: VOREL.HLP beside the program, else in share/vorel/ under the install
// prefix (programDir being its bin/). Beside the program when neither is there, so that the
// help window names the file it looked for.
std::string HelpFilePath(const std::string& programDir);

// Qt's file dialogs keep their history in a settings file of their own; it goes to
// "$XDG_CACHE_HOME/vorel/" (else "~/.cache/vorel/") rather than beside vorel.ini.
void KeepToolkitSettingsInCache();

}  // namespace vorel
