// The register to and from CSV files.
#include "cli/PersonsTransfer.h"

#include <string>
#include <vector>

#include "base/FileIO.h"
#include "base/FileMessages.h"
#include "cli/RegisterToRead.h"
#include "register/PersonsCsv.h"
#include "register/Register.h"

namespace vorel {

int ImportPersons(const ReportArguments& a, const ToolOutput& io) {
  Result<FileContents, FileError> csv = ReadFile(a.csv, kMaxPersonsCsvBytes);
  if (csv.error) {
    if (csv.error->kind() == FileError::Kind::CannotOpen)
      io.Error(csv.error->what());
    else
      io.Error(FileMessageText(FileMessage::CannotRead, a.csv) +
               " (erreur de lecture, ou plus de " + std::to_string(kMaxPersonsCsvBytes >> 20) +
               " Mio)");
    return 1;
  }
  std::vector<Person> imported;
  try {
    imported = ParsePersonsCsv(csv.value.bytes);
  } catch (const Error& e) {
    io.Error(a.csv + " : " + e.what());
    return 1;
  }

  // One writer at a time, from the reading of the register to its saving.
  Register persons(a.registerFile);
  try {
    persons.HoldLock(sys::LockKind::Exclusive);
  } catch (const Error& e) {
    io.Error(e.what());
    return 1;
  }
  if (const std::optional<Error> error = persons.Load()) {
    // Saving now would lose the records that could not be read.
    io.Error(a.registerFile + " : " + error->what());
    return 1;
  }
  if (imported.empty()) {
    io.err << "Aucune personne dans " << a.csv << " : " << a.registerFile
           << " n'est pas modifié.\n";
    return 0;
  }
  const size_t existing = persons.fileWasEmpty() ? 0 : persons.persons().size();
  if (existing + imported.size() > kMaxPersons) {
    io.Error(a.registerFile + " : le fichier des personnes ne peut pas dépasser " +
             std::to_string(kMaxPersons) + " personnes ; il en a " + std::to_string(existing) +
             " et le fichier CSV en ajoute " + std::to_string(imported.size()));
    return 1;
  }
  const size_t count = imported.size();
  persons.AppendAll(std::move(imported));
  try {
    // Under the lock nobody else changed the file, unless by hand: those changes are kept.
    persons.Save(SaveConflict::Merge);
  } catch (const Error& e) {
    io.Error(e.what());
    return 1;
  }
  io.err << count << " personnes ajoutées à " << a.registerFile << '\n';
  return 0;
}

int ExportPersons(const ReportArguments& a, const ToolOutput& io) {
  // The persons read before any damage are still worth having.
  bool damaged = false;
  const std::optional<Register> persons = OpenRegisterToRead(a.registerFile, io, damaged);
  if (!persons) return 1;
  const int status = damaged ? 1 : 0;
  const std::vector<Person>& list = PersonsInFile(*persons);
  try {
    ReplaceFileContents(a.csv, WritePersonsCsv(list));
  } catch (const FileError& e) {
    io.Error(e.what());
    return 1;
  }
  io.err << list.size() << " personnes écrites dans " << a.csv << '\n';
  return status;
}

}  // namespace vorel
