// The register file VOREL.DAT: fixed 267-byte records, no header. Cells keep the file's
// single-byte (Windows-1252) text untouched.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"
#include "base/SystemFiles.h"

namespace vorel {

inline constexpr const char* kRegisterFileName = "VOREL.DAT";
inline constexpr const char* kNameHeading = "Nom et prénom(s)";  // UTF-8
inline constexpr const char* kDateHeading = "Date de naissance";

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
  auto operator<=>(const Person&) const = default;
};

// One record, byte for byte: name length, 255 name bytes, date length, 10 date bytes; the
// fields cut to their capacity, zero filler.
void EncodeRecord(const Person& person, unsigned char* record);
// Never reads outside the record; a length byte above its capacity is held to it.
Person DecodeRecord(const unsigned char* record);

// The persons of a register file's bytes, one per whole record. An incomplete last record
// keeps the whole records before it, with the error "Lecture au-delà de la fin de fichier".
Result<std::vector<Person>> ReadRegister(std::string_view bytes);

// The bytes of the register file: one record per person.
std::string WriteRegister(const std::vector<Person>& persons);

struct RegisterFileContents {
  std::vector<Person> persons;
  // Of the file read; all zero when there was none.
  sys::FileIdentity identity;
  bool found = false;  // false for a missing file, which holds no one
};

// ReadRegister on the file at path, after what a killed save of it left was finished. A
// missing file holds no one and is no error; a pipe, a device or a folder is refused at once
// ("Accès au fichier refusé"). On a read error, the whole records read before it are kept
// with the error, in the register's wording.
Result<RegisterFileContents> LoadRegisterFile(const std::string& path);

// Saves the persons to the file at path through the careful save (base/FileIO.h), making its
// folder when missing: a failure leaves the old file whole. Returns the identity of the file
// written; throws Error "Impossible d'écrire dans %s" (with path) on failure.
sys::FileIdentity SaveRegisterFile(const std::string& path, const std::vector<Person>& persons);

// The register's sort: a diminishing-gap exchange sort on the names, byte-wise on unsigned
// codes. Equal names end in the order this exact procedure gives.
void SortPersons(std::vector<Person>& persons);

}  // namespace vorel
