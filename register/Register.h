// The register of persons: the persons with their rules, and the file they come from. One
// object for the whole run; the register editor, the chooser and the composition all work on
// it, so unsaved edits are visible to them. It saves only when the file on disk is still the
// one it loaded, or with the user's answer when another program changed it meanwhile.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Error.h"
#include "base/FileLock.h"
#include "register/RegisterFile.h"

namespace vorel {

inline constexpr const char* kSampleName = "MARTIN PAUL HENRI";
inline constexpr const char* kSampleDate = "14/03/1962";
// How long a program waits for another one to let go of the register.
inline constexpr std::chrono::milliseconds kRegisterLockWait{5000};

// What to do when the file changed on disk since it was loaded.
enum class SaveConflict {
  Ask,        // nothing is written: Save says so, and the caller asks the user
  Merge,      // this register's changes are applied to the file as it now is
  Overwrite,  // the file is replaced as if nothing had changed it
};

enum class SaveOutcome { Saved, ChangedElsewhere };

class Register {
 public:
  // Holds the sample person until it is loaded.
  explicit Register(std::string path);

  const std::string& path() const { return path_; }

  // Reads the file: the persons read are kept, damage or not, and the error that stopped the
  // reading, if any, is returned. A missing or empty file gives the sample person. Leftovers
  // of killed saves beside the file are cleared.
  [[nodiscard]] std::optional<Error> Load();

  // Never empty: a register without persons holds the sample person.
  const std::vector<Person>& persons() const { return persons_; }
  int size() const { return static_cast<int>(persons_.size()); }
  // Index 0 is the first person (row 1 of the editor's grid).
  const Person& person(int index) const { return persons_.at(static_cast<size_t>(index)); }
  // The file held no one when it was loaded (missing or empty): the sample person stands in.
  bool fileWasEmpty() const { return fileWasEmpty_; }

  void Append(Person person);
  // Appends many; where the file held no one, they take the sample person's place.
  void AppendAll(std::vector<Person> persons);
  void Replace(int index, Person person);
  // Removes rows top..bottom (1-based, as the editor's grid counts) the editor's way: the
  // rows after them move up, the register never drops below one row (an emptied row stays),
  // then the sample rule.
  void DeleteRows(int top, int bottom);
  void Sort();

  bool modified() const { return modified_; }
  // Called after every change of the persons or of the modified flag.
  void SetChangeCallback(std::function<void()> callback) { changed_ = std::move(callback); }

  // Takes the register's lock for a batch of work, from its load to its save (exclusive: a
  // register that saves holds no other) or to its end (shared), until ReleaseLock or the
  // register's end. Throws Error
  // (« Le fichier des personnes est utilisé par un autre programme. ») when another program
  // holds it for longer than kRegisterLockWait.
  void HoldLock(sys::LockKind kind);
  void ReleaseLock() { lock_.reset(); }

  // Writes the persons to the file, under the lock (taken for the moment of the save unless
  // held), when the file is still the one loaded or last saved, or as conflict says. Throws
  // Error when the lock stays taken, the file cannot be written ("Impossible d'écrire dans
  // …"), or a merge cannot read the file; nothing is lost then. Clears modified once saved.
  SaveOutcome Save(SaveConflict conflict);

 private:
  // Never empty, and a lone row without a date is the sample person.
  static void ApplyRules(std::vector<Person>& persons);
  void Changed();
  // This register's changes since the load or the last save, applied to persons: those
  // removed here go where still present, those added here join at the end.
  std::vector<Person> MergedInto(const std::vector<Person>& persons) const;

  std::string path_;
  std::vector<Person> persons_;
  // The persons as loaded or last saved: what the changes are measured against.
  std::vector<Person> baseline_;
  sys::FileIdentity identity_;
  bool fileWasEmpty_ = true;
  bool modified_ = false;
  std::function<void()> changed_;
  std::optional<FileLock> lock_;
};

}  // namespace vorel
