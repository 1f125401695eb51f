// Reading and writing the persons CSV.
#include "register/PersonsCsv.h"

#include <algorithm>
#include <utility>

#include "base/Cp1252.h"
#include "base/Error.h"
#include "numerology/DateText.h"
#include "register/PersonName.h"

namespace vorel {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kHeader = "nom;date de naissance";
// A field quoted in a message is cut after this many characters.
constexpr size_t kShownCharacters = 30;

static_assert(kMaxPersonsCsvBytes / 11 < 10'000'000, "a full file fits the register");

// One row as far as the import needs it: a row of a million empty fields costs nothing.
struct Row {
  size_t line = 0;
  size_t fieldCount = 0;
  std::string name;
  std::string date;
  std::string extra;  // the first non-blank field after the date
};

bool IsBlank(std::string_view field) {
  return field.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view Trimmed(std::string_view field) {
  const size_t first = field.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return field.substr(first, field.find_last_not_of(" \t") - first + 1);
}

Error RowError(size_t line, std::string_view reason) {
  return Error("Ligne " + std::to_string(line) + " : " + std::string(reason) + ".");
}

// « field », on one line and cut short, for a message.
std::string Shown(std::string_view field) {
  field = Trimmed(field);
  std::string shown = "« ";
  size_t pos = 0;
  for (size_t count = 0; pos < field.size(); ++count) {
    if (count == kShownCharacters) {
      shown += "…";
      break;
    }
    const size_t start = pos;
    DecodeUtf8(field, pos);
    const char c = field[start];
    if (c == '\r' || c == '\n' || c == '\t')
      shown += ' ';
    else
      shown.append(field.substr(start, pos - start));
  }
  return shown + " »";
}

class CsvReader {
 public:
  CsvReader(std::string_view text, char separator)
      : text_(text), separator_(separator), stops_{separator, '\r', '\n'} {}

  // The next row, blank ones included; false at the end of the text.
  bool Next(Row& row) {
    if (pos_ >= text_.size()) return false;
    row.line = line_;
    row.fieldCount = 0;
    row.name.clear();
    row.date.clear();
    row.extra.clear();
    for (;;) {
      std::string& field = row.fieldCount == 0 ? row.name : row.fieldCount == 1 ? row.date : other_;
      other_.clear();
      ReadField(field);
      if (row.fieldCount >= 2 && row.extra.empty() && !IsBlank(other_)) row.extra.swap(other_);
      ++row.fieldCount;
      if (pos_ < text_.size() && text_[pos_] == separator_) {
        ++pos_;
        continue;
      }
      SkipLineEnd();
      return true;
    }
  }

 private:
  void SkipLineEnd() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_++] == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    ++line_;
  }

  void ReadField(std::string& field) {
    if (pos_ < text_.size() && text_[pos_] == '"') {
      const size_t openLine = line_;
      ++pos_;
      for (;;) {
        const size_t stop = text_.find_first_of("\"\r\n", pos_);
        if (stop == std::string_view::npos)
          throw RowError(openLine, "un guillemet ouvert n'est jamais refermé");
        field.append(text_.substr(pos_, stop - pos_));
        pos_ = stop;
        if (text_[pos_] != '"') {
          const size_t start = pos_;
          SkipLineEnd();
          field.append(text_.substr(start, pos_ - start));
        } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
          field += '"';
          pos_ += 2;
        } else {
          ++pos_;
          break;
        }
      }
    }
    // Unquoted text, and whatever follows a closing quote, runs to the separator or line end.
    const size_t stop = std::min(text_.find_first_of(stops_, pos_), text_.size());
    field.append(text_.substr(pos_, stop - pos_));
    pos_ = stop;
  }

  std::string_view text_;
  char separator_;
  std::string stops_;
  size_t pos_ = 0;
  size_t line_ = 1;
  std::string other_;
};

// ";" when the first row that is not blank splits on it, else ",".
char DetectSeparator(std::string_view text) {
  CsvReader reader(text, ';');
  Row row;
  while (reader.Next(row)) {
    if (row.fieldCount == 1 && IsBlank(row.name)) continue;
    return row.fieldCount > 1 ? ';' : ',';
  }
  return ';';
}

// A run of digits; count is their number, value is read from at most nine of them.
bool ReadDigits(std::string_view text, size_t& pos, int& value, size_t& count) {
  const size_t start = pos;
  value = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    if (pos - start < 9) value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  count = pos - start;
  return count > 0;
}

// "dd/mm/yyyy" from d/m/yyyy or yyyy-m-d; throws the row's error otherwise.
std::string RegisterDate(std::string_view field, size_t line) {
  const std::string_view text = Trimmed(field);
  int numbers[3] = {};
  size_t digits[3] = {};
  size_t pos = 0;
  const char separator = text.find('-') != std::string_view::npos ? '-' : '/';
  bool shaped = true;
  for (int i = 0; i < 3 && shaped; ++i) {
    shaped = ReadDigits(text, pos, numbers[i], digits[i]) &&
             (i == 2 ? pos == text.size() : pos < text.size() && text[pos++] == separator);
  }
  const bool iso = separator == '-';
  const size_t yearDigits = digits[iso ? 0 : 2];
  const bool dayMonthShaped =
      iso ? digits[1] <= 2 && digits[2] <= 2 && yearDigits == 4 : digits[0] <= 2 && digits[1] <= 2;
  if (!shaped || !dayMonthShaped)
    throw RowError(line,
                   "la date " + Shown(field) + " n'est pas de la forme jj/mm/aaaa ni aaaa-mm-jj");
  if (yearDigits != 4)
    throw RowError(line, "l'année de la date " + Shown(field) + " doit avoir quatre chiffres");
  const Date date =
      iso ? Date{numbers[2], numbers[1], numbers[0]} : Date{numbers[0], numbers[1], numbers[2]};
  if (!IsValidDate(date.year, date.month, date.day))
    throw RowError(line, "la date " + Shown(field) + " n'existe pas");
  return DateToText(date);
}

// Undoes CsvField's defence: "'=…" was written for "=…".
std::string_view Unprotected(std::string_view field) {
  if (field.size() >= 2 && field[0] == '\'' &&
      std::string_view("=+-@\t\r").find(field[1]) != std::string_view::npos)
    field.remove_prefix(1);
  return field;
}

Person PersonOfRow(const Row& row) {
  const std::string_view rowName = Unprotected(Trimmed(row.name));
  const std::string_view rowDate = Unprotected(Trimmed(row.date));
  if (IsBlank(rowName)) throw RowError(row.line, "le nom manque");
  if (row.fieldCount < 2 || IsBlank(row.date))
    throw RowError(row.line, "la date de naissance manque");
  if (!row.extra.empty())
    throw RowError(row.line, "le champ " + Shown(row.extra) +
                                 " est en trop ; seuls le nom et la date de naissance sont "
                                 "attendus");
  std::string name = NormalisePersonName(rowName);
  if (name.empty())
    throw RowError(row.line, "le nom " + Shown(rowName) + " ne contient aucune lettre");
  if (name.size() > kNameCapacity)
    throw RowError(row.line, "le nom a plus de " + std::to_string(kNameCapacity) + " caractères");
  return Person{std::move(name), RegisterDate(rowDate, row.line)};
}

bool IsHeader(const Row& row) {
  return row.fieldCount >= 2 && !IsBlank(row.date) &&
         std::none_of(row.date.begin(), row.date.end(),
                      [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::vector<Person> ParsePersonsCsv(std::string_view bytes) {
  if (bytes.size() > kMaxPersonsCsvBytes)
    throw Error("Le fichier est trop grand : plus de " + std::to_string(kMaxPersonsCsvBytes >> 20) +
                " Mio.");
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  // A workbook or a UTF-16 text has zero bytes; no CSV of names and dates does.
  if (bytes.find('\0') != std::string_view::npos)
    throw Error(
        "Le fichier n'est pas un texte lisible : enregistrez la feuille au format CSV, en "
        "UTF-8.");
  std::string converted;
  std::string_view text = bytes;
  if (!IsValidUtf8(text)) {
    converted = Cp1252ToUtf8(text);
    text = converted;
  }

  CsvReader reader(text, DetectSeparator(text));
  std::vector<Person> persons;
  bool first = true;
  Row row;
  while (reader.Next(row)) {
    if (IsBlank(row.name) && IsBlank(row.date) && row.extra.empty()) continue;
    if (std::exchange(first, false) && IsHeader(row)) continue;
    persons.push_back(PersonOfRow(row));
  }
  return persons;
}

std::string WritePersonsCsv(const std::vector<Person>& persons) {
  std::string out(kByteOrderMark);
  out += kHeader;
  out += "\r\n";
  for (const Person& person : persons) {
    out += CsvField(PrintableName(person.name), ';');
    out += ';';
    out += CsvField(Cp1252ToUtf8(person.date), ';');
    out += "\r\n";
  }
  return out;
}

std::string CsvField(std::string_view text, char separator) {
  std::string field;
  if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
    field += '\'';
  field += text;
  if (field.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos)
    return field;
  std::string quoted = "\"";
  for (const char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string PrintableName(std::string_view name) {
  std::string text;
  for (const unsigned char byte : name) {
    const char32_t c = Cp1252ToUnicode(byte);
    // C0 and C1 controls, and delete.
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) continue;
    AppendUtf8(text, c);
  }
  return text;
}

}  // namespace vorel
