// The settings file.
#include "base/ProfileFile.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "base/AsciiCase.h"
#include "base/Error.h"
#include "base/FileIO.h"

namespace vorel {
namespace {

// Settings files are small; anything larger is not ours and is read no further.
constexpr std::streamsize kMaxFileSize = 1 << 20;

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  return EqualsIgnoringAsciiCase(Trim(a), Trim(b));
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  if (!in) return lines;
  std::string content(static_cast<size_t>(kMaxFileSize), '\0');
  in.read(content.data(), kMaxFileSize);
  content.resize(static_cast<size_t>(in.gcount()));
  size_t pos = 0;
  while (pos < content.size()) {
    size_t end = content.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = content.size();
    lines.push_back(content.substr(pos, end - pos));
    if (end < content.size() && content[end] == '\r' && end + 1 < content.size() &&
        content[end + 1] == '\n')
      ++end;
    pos = end + 1;
  }
  return lines;
}

// The section name of a header line "[name]", or nothing.
std::optional<std::string_view> SectionOf(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return line.substr(1, close - 1);
}

// The key of an entry line "key=value", or nothing.
std::optional<std::string_view> KeyOf(std::string_view line) {
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos || SectionOf(line)) return std::nullopt;
  return Trim(line.substr(0, eq));
}

// Lines [begin, end) of a section's body, begin being the line after its header; nothing
// when the section is absent.
struct SectionRange {
  size_t header, begin, end;
};
std::optional<SectionRange> FindSection(const std::vector<std::string>& lines,
                                        std::string_view section) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionOf(lines[i]);
    if (!name || !SameName(*name, section)) continue;
    size_t end = i + 1;
    while (end < lines.size() && !SectionOf(lines[end])) ++end;
    return SectionRange{i, i + 1, end};
  }
  return std::nullopt;
}

std::string FileName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  const auto fail = [&path] {
    throw Error(FormatMessage("Impossible d'écrire dans %s", FileName(path)));
  };
  const size_t slash = path.rfind('/');
  if (slash != std::string::npos && slash > 0) {
    // The configuration folder may not exist yet on a fresh account.
    const std::string dir = path.substr(0, slash);
    for (size_t i = 1; i <= dir.size(); ++i)
      if (i == dir.size() || dir[i] == '/') ::mkdir(dir.substr(0, i).c_str(), 0700);
  }
  std::string content;
  for (const std::string& line : lines) {
    content += line;
    content += "\r\n";
  }
  if (ReplaceFileContents(path, content) != SaveStatus::Ok) fail();
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

std::string ProfileFile::DefaultPath(std::string_view fileName) {
  std::string dir;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
    dir = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    dir = std::string(home) + "/.config";
  } else {
    dir = ".";
  }
  return dir + "/" + std::string(fileName);
}

std::optional<int> ParseProfileInteger(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return std::nullopt;
    value = value * base + digit;
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) return std::nullopt;
  return static_cast<int>(value);
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  const std::vector<std::string> lines = ReadLines(path_);
  const auto range = FindSection(lines, section);
  if (range) {
    for (size_t i = range->begin; i < range->end; ++i) {
      const auto k = KeyOf(lines[i]);
      if (!k || !SameName(*k, key)) continue;
      std::string_view value = Trim(std::string_view(lines[i]).substr(lines[i].find('=') + 1));
      if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
          value.back() == value.front())
        value = value.substr(1, value.size() - 2);
      return std::string(value);
    }
  }
  return std::string(defaultValue);
}

int ProfileFile::ReadInteger(std::string_view section, std::string_view key,
                             int defaultValue) const {
  const std::string text = ReadString(section, key, "");
  return ParseProfileInteger(text).value_or(defaultValue);
}

void ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  std::vector<std::string> lines = ReadLines(path_);
  std::string entry = std::string(key) + "=" + std::string(value);
  const auto range = FindSection(lines, section);
  if (!range) {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + std::string(section) + "]");
    lines.push_back(std::move(entry));
  } else {
    size_t last = range->header;  // the section's last non-blank line
    bool replaced = false;
    for (size_t i = range->begin; i < range->end; ++i) {
      if (const auto k = KeyOf(lines[i]); k && SameName(*k, key)) {
        lines[i] = std::move(entry);
        replaced = true;
        break;
      }
      if (!Trim(lines[i]).empty()) last = i;
    }
    if (!replaced) lines.insert(lines.begin() + static_cast<long>(last) + 1, std::move(entry));
  }
  WriteLines(path_, lines);
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void ProfileFile::EraseSection(std::string_view section) {
  std::vector<std::string> lines = ReadLines(path_);
  bool erased = false;
  while (const auto range = FindSection(lines, section)) {
    lines.erase(lines.begin() + static_cast<long>(range->header),
                lines.begin() + static_cast<long>(range->end));
    erased = true;
  }
  if (!erased) return;
  while (!lines.empty() && Trim(lines.back()).empty()) lines.pop_back();
  WriteLines(path_, lines);
}

}  // namespace vorel
