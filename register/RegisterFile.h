// The register of persons: the list the register editor holds, and its file VOREL.DAT of
// fixed 267-byte records. Cells keep the file's single-byte (Windows-1252) text untouched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/FileIO.h"

namespace vorel {

inline constexpr const char* kRegisterFileName = "VOREL.DAT";
inline constexpr const char* kNameHeading = "Nom et prénom(s)";  // UTF-8
inline constexpr const char* kDateHeading = "Date de naissance";
inline constexpr const char* kSampleName = "MARTIN PAUL HENRI";
inline constexpr const char* kSampleDate = "14/03/1962";

inline constexpr int kRecordSize = 267;
inline constexpr int kNameCapacity = 255;
inline constexpr int kDateCapacity = 10;
// Beyond this a file is not a register anyone typed: loading refuses it rather than exhaust
// memory, and nothing may grow a register past it.
inline constexpr size_t kMaxPersons = 10'000'000;

struct Person {
  std::string name;  // Windows-1252 bytes
  std::string date;  // "dd/mm/yyyy"
  bool operator==(const Person&) const = default;
};

// Rows 1..N of the grid are persons[0..N-1]; the heading row 0 is not stored. Never empty
// once loaded: a register without persons holds the sample person.
struct RegisterList {
  std::vector<Person> persons;
  bool modified = false;
  int PersonCount() const { return static_cast<int>(persons.size()); }
};

// When the list holds one person whose date is empty, that person becomes the sample person.
void PutSamplePerson(RegisterList& list);

// One record, byte for byte: name length, 255 name bytes, date length, 10 date bytes; the
// fields cut to their capacity, zero filler.
void EncodeRecord(const Person& person, unsigned char* record);
// Never reads outside the record; a length byte above its capacity is held to it.
Person DecodeRecord(const unsigned char* record);

// Fills the list from the bytes of a register file (the list is emptied first). No bytes
// give the sample person. An incomplete last record keeps the whole records before it, then
// throws Error "Lecture au-delà de la fin de fichier". Either way the list ends with at least
// one person, sample rule applied, modified cleared.
void ReadRegister(std::string_view bytes, RegisterList& list);

// The bytes of the register file for the list: one record per person.
std::string WriteRegister(const RegisterList& list);

// ReadRegister on the file at path. A missing file gives the sample person; a pipe, a device
// or a folder is refused at once as a file that cannot be opened. On an error the whole
// records read before it are kept, then Error is thrown with the error's French text.
void LoadRegister(const std::string& path, RegisterList& list);

// Saves every person to the file at path through the careful save (base/FileIO.h), making
// its folder when missing: a failure leaves the old file whole. Clears modified on success;
// throws Error "Impossible d'écrire dans %s" (with path) on failure, modified unchanged.
void SaveRegister(const std::string& path, RegisterList& list, SaveOptions options = {});

// The register's sort: a diminishing-gap exchange sort on the names, byte-wise on unsigned
// codes. Equal names end in the order this exact procedure gives. Marks the list modified.
void SortRegister(RegisterList& list);

// Removes rows top..bottom (grid rows, 1-based) the editor's way: the rows after them move
// up, the list never drops below one person row (an emptied row stays), then the sample
// rule. Marks the list modified.
void DeleteRows(RegisterList& list, int top, int bottom);

// The French text of a system error code, as the register's load reports it.
std::string IoErrorText(int errorCode);

}  // namespace vorel
