// The register of persons.
#include "register/Register.h"

#include <algorithm>
#include <map>

#include "base/FileIO.h"
#include "base/FileMessages.h"
#include "base/RollbackJournal.h"

namespace vorel {
namespace {

// How many times each person occurs: two rows of the same name and date are two persons.
std::map<Person, int> Counts(const std::vector<Person>& persons) {
  std::map<Person, int> counts;
  for (const Person& p : persons) ++counts[p];
  return counts;
}

}  // namespace

Register::Register(std::string path) : path_(std::move(path)) {
  ApplyRules(persons_);
  baseline_ = persons_;
}

void Register::ApplyRules(std::vector<Person>& persons) {
  if (persons.empty()) persons.push_back(Person{});
  // One row without a date is the sample person's: an emptied register shows an example.
  if (persons.size() == 1 && persons[0].date.empty()) persons[0] = Person{kSampleName, kSampleDate};
}

void Register::Changed() {
  if (changed_) changed_();
}

std::optional<Error> Register::Load() {
  SweepLeftovers(path_);
  Result<RegisterFileContents> loaded = LoadRegisterFile(path_);
  persons_ = std::move(loaded.value.persons);
  identity_ = loaded.value.identity;
  fileWasEmpty_ = persons_.empty();
  ApplyRules(persons_);
  baseline_ = persons_;
  modified_ = false;
  Changed();
  return std::move(loaded.error);
}

void Register::Append(Person person) {
  persons_.push_back(std::move(person));
  modified_ = true;
  Changed();
}

void Register::AppendAll(std::vector<Person> persons) {
  if (persons.empty()) return;
  if (fileWasEmpty_ && persons_.size() == 1 && persons_ == baseline_) persons_.clear();
  persons_.insert(persons_.end(), std::make_move_iterator(persons.begin()),
                  std::make_move_iterator(persons.end()));
  modified_ = true;
  Changed();
}

void Register::Replace(int index, Person person) {
  persons_.at(static_cast<size_t>(index)) = std::move(person);
  modified_ = true;
  Changed();
}

void Register::DeleteRows(int top, int bottom) {
  const int count = size();
  top = std::max(top, 1);
  bottom = std::min(bottom, count);
  if (top <= bottom) {
    const int n = bottom - top + 1;
    // Rows after the block move up by n.
    for (int c = bottom + 1; c <= count; ++c) persons_[c - 1 - n] = persons_[c - 1];
    // The last n rows are emptied; a row goes only while two person rows remain.
    for (int i = 0; i < n; ++i) {
      persons_.back() = Person{};
      if (persons_.size() > 1) persons_.pop_back();
    }
  }
  ApplyRules(persons_);
  modified_ = true;
  Changed();
}

void Register::Sort() {
  SortPersons(persons_);
  modified_ = true;
  Changed();
}

void Register::HoldLock(sys::LockKind kind) {
  lock_.reset();
  lock_ = FileLock::Acquire(path_, kind, kRegisterLockWait, kind == sys::LockKind::Exclusive);
  if (!lock_) throw Error(FileMessageText(FileMessage::RegisterBusy));
}

std::vector<Person> Register::MergedInto(const std::vector<Person>& persons) const {
  std::map<Person, int> removed = Counts(baseline_);
  std::map<Person, int> added = Counts(persons_);
  for (auto& [person, count] : removed) {
    auto here = added.find(person);
    const int kept = here == added.end() ? 0 : std::min(count, here->second);
    count -= kept;
    if (here != added.end()) here->second -= kept;
  }
  // Removed here: taken out of the file's list where still there, the first one first.
  std::vector<Person> merged;
  merged.reserve(persons.size() + persons_.size());
  for (const Person& p : persons) {
    auto gone = removed.find(p);
    if (gone != removed.end() && gone->second > 0) {
      --gone->second;
      continue;
    }
    merged.push_back(p);
  }
  // Added here: at the end, in this register's order.
  for (const Person& p : persons_) {
    auto extra = added.find(p);
    if (extra != added.end() && extra->second > 0) {
      --extra->second;
      merged.push_back(p);
    }
  }
  return merged;
}

SaveOutcome Register::Save(SaveConflict conflict) {
  std::optional<FileLock> forThisSave;
  if (!lock_) {
    forThisSave = FileLock::Acquire(path_, sys::LockKind::Exclusive, kRegisterLockWait, true);
    if (!forThisSave) throw Error(FileMessageText(FileMessage::RegisterBusy));
  }
  FinishInterruptedWrite(path_);
  sys::FileInfo info;
  const sys::FileIdentity onDisk = sys::Stat(path_, info) ? info.identity : sys::FileIdentity{};
  if (onDisk != identity_) {
    if (conflict == SaveConflict::Ask) return SaveOutcome::ChangedElsewhere;
    if (conflict == SaveConflict::Merge) {
      Result<RegisterFileContents> now = LoadRegisterFile(path_);
      // Merging into part of a file would drop the rest of it.
      if (now.error) throw *now.error;
      persons_ = MergedInto(now.value.persons);
      ApplyRules(persons_);
      // The file as it now is becomes what the changes are measured against, so that a save
      // that fails now merges nothing twice when tried again.
      baseline_ = std::move(now.value.persons);
      ApplyRules(baseline_);
      identity_ = now.value.identity;
      Changed();
    }
  }
  identity_ = SaveRegisterFile(path_, persons_);
  baseline_ = persons_;
  fileWasEmpty_ = false;
  modified_ = false;
  Changed();
  return SaveOutcome::Saved;
}

}  // namespace vorel
