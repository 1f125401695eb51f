// Persons to and from the CSV text that spreadsheets read and write.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "register/RegisterFile.h"

namespace vorel {

// Larger files are refused unread. At the shortest row ("A;1/1/2000" and a line end) this
// is about six million persons, within what the register file holds, so rows need no
// separate count.
inline constexpr size_t kMaxPersonsCsvBytes = size_t{64} << 20;

// The persons of a CSV file, in file order, as register records: each name through
// NormalisePersonName, each date as "dd/mm/yyyy". Accepted:
// - UTF-8 with or without a byte order mark; bytes that are not valid UTF-8 are read as
//   Windows-1252;
// - ";" or "," between fields: ";" when the first row holds one outside quotes, else ",";
// - fields in double quotes, with doubled quotes inside and line breaks kept;
// - CR LF, LF or CR line ends; empty rows (all fields blank) are skipped;
// - a header row: a first row whose second field holds no digit ("nom;date de naissance");
// - the name, then the date as d/m/yyyy or yyyy-m-d (one or two digits for day and month,
//   four for the year, blanks around), then only empty fields.
// All or nothing: the first bad row throws Error "Ligne N : reason." where N is the line of
// the file on which the row starts.
std::vector<Person> ParsePersonsCsv(std::string_view bytes);

// UTF-8 with a byte order mark and CR LF line ends, a header row "nom;date de naissance",
// then one "name;date" row per person; each field as CsvField writes it. Names are the
// register's Windows-1252 bytes, converted, without control characters (PrintableName).
//
// Reading this text back gives the same persons, hence the same register file, when every
// name already follows the name rule and every date is a valid "dd/mm/yyyy" (as the person
// entry writes them). Other records do not come back as they were: a name with accented
// letters or stray characters comes back under the rule (HÉLÈNE as HELENE), a date such as
// "1/2/1990" as "01/02/1990"; and the reading refuses the whole text when a name holds no
// letter, would pass 255 characters once spelled out (Æ → AE), or a date is empty or invalid.
std::string WritePersonsCsv(const std::vector<Person>& persons);

// A field of a CSV row: quoted when it holds the separator, '"', CR or LF. A field that
// begins with "=", "+", "-", "@", a tab or a CR, which a spreadsheet would take for a formula
// and run, gets a leading "'", as spreadsheets themselves write such text; the reading above
// takes that "'" away again.
std::string CsvField(std::string_view text, char separator);

// A register name as UTF-8 text for a file or a file name: control characters, which a name
// typed in the program never holds, are left out.
std::string PrintableName(std::string_view name);

}  // namespace vorel
