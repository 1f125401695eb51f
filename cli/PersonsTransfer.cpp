// The register to and from CSV files.
#include "PersonsTransfer.h"

#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ToolMessages.h"
#include "base/Error.h"
#include "base/FileIO.h"
#include "register/PersonsCsv.h"
#include "register/RegisterFile.h"

namespace vorel {
namespace {

enum class RegisterState { Missing, Empty, HasRecords };

// A missing or empty file loads as the sample person, who stands for "no one yet".
RegisterState StateOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return RegisterState::Missing;
  return S_ISREG(info.st_mode) && info.st_size == 0 ? RegisterState::Empty
                                                    : RegisterState::HasRecords;
}

}  // namespace

int ImportPersons(const ReportArguments& a) {
  std::string bytes;
  try {
    ReadFileContents(a.csv, bytes, kMaxPersonsCsvBytes);
  } catch (const FileError& e) {
    if (e.kind() == FileError::Kind::CannotOpen)
      PrintError(e.what());
    else
      PrintError(FormatMessage("Impossible de lire le fichier %s", a.csv) +
                 " (erreur de lecture, ou plus de " + std::to_string(kMaxPersonsCsvBytes >> 20) +
                 " Mio)");
    return 1;
  }
  std::vector<Person> imported;
  try {
    imported = ParsePersonsCsv(bytes);
  } catch (const Error& e) {
    PrintError(a.csv + " : " + e.what());
    return 1;
  }

  const RegisterState state = StateOf(a.registerFile);
  RegisterList list;
  try {
    LoadRegister(a.registerFile, list);
  } catch (const Error& e) {
    // Saving now would lose the records that could not be read.
    PrintError(a.registerFile + " : " + e.what());
    return 1;
  }
  if (imported.empty()) {
    std::fprintf(stderr, "Aucune personne dans %s : %s n'est pas modifié.\n", a.csv.c_str(),
                 a.registerFile.c_str());
    return 0;
  }
  if (state != RegisterState::HasRecords) list.persons.clear();
  if (list.persons.size() + imported.size() > kMaxPersons) {
    PrintError(a.registerFile + " : le fichier des personnes ne peut pas dépasser " +
               std::to_string(kMaxPersons) + " personnes ; il en a " +
               std::to_string(list.persons.size()) + " et le fichier CSV en ajoute " +
               std::to_string(imported.size()));
    return 1;
  }
  list.persons.insert(list.persons.end(), imported.begin(), imported.end());
  list.modified = true;
  try {
    SaveRegister(a.registerFile, list);
  } catch (const Error& e) {
    PrintError(e.what());
    return 1;
  }
  std::fprintf(stderr, "%zu personnes ajoutées à %s\n", imported.size(), a.registerFile.c_str());
  return 0;
}

int ExportPersons(const ReportArguments& a) {
  const RegisterState state = StateOf(a.registerFile);
  if (state == RegisterState::Missing) {
    PrintError(FormatMessage("Impossible d'ouvrir le fichier %s", a.registerFile));
    return 1;
  }
  RegisterList list;
  // The persons read before any damage are still worth having.
  int status = LoadNamedRegister(a.registerFile, list);
  if (state == RegisterState::Empty) list.persons.clear();
  if (!SaveOutput(a.csv, WritePersonsCsv(list.persons))) {
    PrintError(CannotCreateMessage(a.csv));
    return 1;
  }
  std::fprintf(stderr, "%zu personnes écrites dans %s\n", list.persons.size(), a.csv.c_str());
  return status;
}

}  // namespace vorel
