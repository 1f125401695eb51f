// Register list operations and the VOREL.DAT file.
#include "register/RegisterFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <numeric>

#include "base/Error.h"
#include "base/FileIO.h"

namespace vorel {
namespace {

constexpr size_t kChunkRecords = 4096;

}  // namespace

std::string IoErrorText(int errorCode) {
  switch (errorCode) {
    case ENOENT:
    case ENOTDIR:
      return "Fichier introuvable";
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
      return "Nom de fichier incorrect";
    case EMFILE:
    case ENFILE:
      return "Trop de fichiers ouverts";
    case EACCES:
    case EPERM:
    case EROFS:
      return "Accès au fichier refusé";
    default:
      return FormatMessage("Erreur E/S %d", std::to_string(errorCode));
  }
}

void PutSamplePerson(RegisterList& list) {
  if (list.persons.size() == 1 && list.persons[0].date.empty())
    list.persons[0] = Person{kSampleName, kSampleDate};
}

void EncodeRecord(const Person& person, unsigned char* record) {
  std::memset(record, 0, kRecordSize);
  const size_t nameLength = std::min<size_t>(person.name.size(), kNameCapacity);
  const size_t dateLength = std::min<size_t>(person.date.size(), kDateCapacity);
  record[0] = static_cast<unsigned char>(nameLength);
  std::memcpy(record + 1, person.name.data(), nameLength);
  record[256] = static_cast<unsigned char>(dateLength);
  std::memcpy(record + 257, person.date.data(), dateLength);
}

Person DecodeRecord(const unsigned char* record) {
  // The name's length byte cannot exceed its capacity; the date's can, in a damaged file.
  const size_t nameLength = record[0];
  const size_t dateLength = std::min<size_t>(record[256], kDateCapacity);
  return Person{std::string(reinterpret_cast<const char*>(record + 1), nameLength),
                std::string(reinterpret_cast<const char*>(record + 257), dateLength)};
}

void ReadRegister(std::string_view bytes, RegisterList& list) {
  list.persons.clear();
  std::optional<std::string> error;
  size_t whole = bytes.size() / kRecordSize;
  if (whole > kMaxPersons) {
    whole = kMaxPersons;
    error = IoErrorText(EFBIG);
  } else if (bytes.size() % kRecordSize != 0) {
    error = "Lecture au-delà de la fin de fichier";
  }
  list.persons.reserve(std::max<size_t>(whole, 1));
  const auto* records = reinterpret_cast<const unsigned char*>(bytes.data());
  for (size_t i = 0; i < whole; ++i)
    list.persons.push_back(DecodeRecord(records + i * kRecordSize));
  if (list.persons.empty()) list.persons.push_back(Person{});
  PutSamplePerson(list);
  list.modified = false;
  if (error) throw Error(*error);
}

namespace {

void EncodeRecords(const RegisterList& list, size_t begin, size_t end, std::string& out) {
  const size_t start = out.size();
  out.resize(start + (end - begin) * kRecordSize);
  auto* record = reinterpret_cast<unsigned char*>(out.data() + start);
  for (size_t i = begin; i < end; ++i, record += kRecordSize) EncodeRecord(list.persons[i], record);
}

}  // namespace

std::string WriteRegister(const RegisterList& list) {
  std::string bytes;
  EncodeRecords(list, 0, list.persons.size(), bytes);
  return bytes;
}

void LoadRegister(const std::string& path, RegisterList& list) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) return ReadRegister({}, list);
  // Read only: a register on a read-only medium or without write rights still loads.
  std::string bytes;
  std::optional<std::string> error;
  try {
    ReadFileContents(path, bytes, kMaxPersons * kRecordSize);
  } catch (const FileError& e) {
    error = IoErrorText(e.systemError());
    // After an error, the whole records read before it are kept.
    bytes.resize(bytes.size() - bytes.size() % kRecordSize);
  }
  ReadRegister(bytes, list);
  if (error) throw Error(*error);
}

void SaveRegister(const std::string& path, RegisterList& list, SaveOptions options) {
  options.createFolders = true;
  // Records go out a chunk at a time, so a large register needs no copy of itself in memory.
  try {
    ReplaceFile(
        path,
        [&list](const FileWriter& write) {
          std::string buffer;
          buffer.reserve(kChunkRecords * kRecordSize);
          for (size_t begin = 0; begin < list.persons.size(); begin += kChunkRecords) {
            buffer.clear();
            EncodeRecords(list, begin, std::min(begin + kChunkRecords, list.persons.size()),
                          buffer);
            if (!write(buffer)) return false;
          }
          return true;
        },
        options);
  } catch (const FileError&) {
    throw Error(FormatMessage("Impossible d'écrire dans %s", path));
  }
  list.modified = false;
}

void SortRegister(RegisterList& list) {
  list.modified = true;
  const size_t n = list.persons.size();
  if (n < 2) return;
  // The exchanges only ever compare names, so they run on ranks: equal names get equal
  // ranks and the procedure moves them exactly as it would move the names.
  std::vector<size_t> byName(n);
  std::iota(byName.begin(), byName.end(), 0);
  std::stable_sort(byName.begin(), byName.end(),
                   [&](size_t a, size_t b) { return list.persons[a].name < list.persons[b].name; });
  std::vector<std::uint32_t> rank(n);
  std::uint32_t current = 0;
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && list.persons[byName[i - 1]].name != list.persons[byName[i]].name) ++current;
    rank[byName[i]] = current;
  }
  std::vector<size_t> order(n);
  std::iota(order.begin(), order.end(), 0);

  size_t gap = n;
  do {
    gap /= 2;
    bool exchanged;
    do {
      exchanged = false;
      for (size_t c = 0; c + gap < n; ++c) {
        if (rank[c] > rank[c + gap]) {
          std::swap(rank[c], rank[c + gap]);
          std::swap(order[c], order[c + gap]);
          exchanged = true;
        }
      }
    } while (exchanged);
  } while (gap != 1);

  std::vector<Person> sorted;
  sorted.reserve(n);
  for (size_t index : order) sorted.push_back(std::move(list.persons[index]));
  list.persons = std::move(sorted);
}

void DeleteRows(RegisterList& list, int top, int bottom) {
  const int count = list.PersonCount();
  top = std::max(top, 1);
  bottom = std::min(bottom, count);
  if (top <= bottom) {
    const int n = bottom - top + 1;
    // Rows after the block move up by n.
    for (int c = bottom + 1; c <= count; ++c) list.persons[c - 1 - n] = list.persons[c - 1];
    // The last n rows are emptied; a row goes only while two person rows remain.
    for (int i = 0; i < n; ++i) {
      list.persons.back() = Person{};
      if (list.persons.size() > 1) list.persons.pop_back();
    }
  }
  PutSamplePerson(list);
  list.modified = true;
}

}  // namespace vorel
