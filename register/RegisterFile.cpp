// The VOREL.DAT file.
#include "register/RegisterFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <numeric>

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/FileMessages.h"

namespace vorel {
namespace {

constexpr size_t kChunkRecords = 4096;

void EncodeRecords(const std::vector<Person>& persons, size_t begin, size_t end, std::string& out) {
  const size_t start = out.size();
  out.resize(start + (end - begin) * kRecordSize);
  auto* record = reinterpret_cast<unsigned char*>(out.data() + start);
  for (size_t i = begin; i < end; ++i, record += kRecordSize) EncodeRecord(persons[i], record);
}

}  // namespace

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

Result<std::vector<Person>> ReadRegister(std::string_view bytes) {
  Result<std::vector<Person>> result;
  size_t whole = bytes.size() / kRecordSize;
  if (whole > kMaxPersons) {
    whole = kMaxPersons;
    result.error.emplace(SystemErrorText(EFBIG));
  } else if (bytes.size() % kRecordSize != 0) {
    result.error.emplace(FileMessageText(FileMessage::ReadPastEnd));
  }
  result.value.reserve(whole);
  const auto* records = reinterpret_cast<const unsigned char*>(bytes.data());
  for (size_t i = 0; i < whole; ++i)
    result.value.push_back(DecodeRecord(records + i * kRecordSize));
  return result;
}

std::string WriteRegister(const std::vector<Person>& persons) {
  std::string bytes;
  EncodeRecords(persons, 0, persons.size(), bytes);
  return bytes;
}

Result<RegisterFileContents> LoadRegisterFile(const std::string& path) {
  Result<RegisterFileContents> result;
  sys::FileInfo info;
  if (!sys::Stat(path, info) && errno == ENOENT) return result;
  result.value.found = true;
  // Read only: a register on a read-only medium or without write rights still loads.
  Result<FileContents, FileError> file = ReadFile(path, kMaxPersons * kRecordSize);
  std::string& bytes = file.value.bytes;
  if (file.error) {
    result.error.emplace(SystemErrorText(file.error->systemError()));
    // After an error, the whole records read before it are kept.
    bytes.resize(bytes.size() - bytes.size() % kRecordSize);
  }
  result.value.identity = file.value.identity;
  Result<std::vector<Person>> records = ReadRegister(bytes);
  result.value.persons = std::move(records.value);
  if (!result.error) result.error = std::move(records.error);
  return result;
}

sys::FileIdentity SaveRegisterFile(const std::string& path, const std::vector<Person>& persons) {
  SaveOptions options;
  options.createFolders = true;
  // Records go out a chunk at a time, so a large register needs no copy of itself in memory.
  try {
    return ReplaceFile(
        path,
        [&persons](const FileWriter& write) {
          std::string buffer;
          buffer.reserve(kChunkRecords * kRecordSize);
          for (size_t begin = 0; begin < persons.size(); begin += kChunkRecords) {
            buffer.clear();
            EncodeRecords(persons, begin, std::min(begin + kChunkRecords, persons.size()), buffer);
            if (!write(buffer)) return false;
          }
          return true;
        },
        options);
  } catch (const FileError&) {
    throw Error(FileMessageText(FileMessage::CannotWrite, path));
  }
}

void SortPersons(std::vector<Person>& persons) {
  const size_t n = persons.size();
  if (n < 2) return;
  // The exchanges only ever compare names, so they run on ranks: equal names get equal
  // ranks and the procedure moves them exactly as it would move the names.
  std::vector<size_t> byName(n);
  std::iota(byName.begin(), byName.end(), 0);
  std::stable_sort(byName.begin(), byName.end(),
                   [&](size_t a, size_t b) { return persons[a].name < persons[b].name; });
  std::vector<std::uint32_t> rank(n);
  std::uint32_t current = 0;
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && persons[byName[i - 1]].name != persons[byName[i]].name) ++current;
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
  for (size_t index : order) sorted.push_back(std::move(persons[index]));
  persons = std::move(sorted);
}

}  // namespace vorel
