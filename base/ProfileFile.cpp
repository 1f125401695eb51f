// The settings file.
#include "base/ProfileFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "base/AsciiCase.h"
#include "base/Error.h"
#include "base/FileIO.h"
#include "base/FileMessages.h"

namespace vorel {
namespace {

// Settings files are small; anything larger is not ours and is read no further.
constexpr size_t kMaxFileSize = 1 << 20;

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  return EqualsIgnoringAsciiCase(Trim(a), Trim(b));
}

std::vector<std::string> SplitLines(std::string_view content) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < content.size()) {
    size_t end = content.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = content.size();
    lines.emplace_back(content.substr(pos, end - pos));
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

ProfileText::ProfileText(std::string_view bytes) : lines_(SplitLines(bytes)) {}

std::string ProfileText::Bytes() const {
  std::string content;
  for (const std::string& line : lines_) {
    content += line;
    content += "\r\n";
  }
  return content;
}

std::string ProfileText::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  const auto range = FindSection(lines_, section);
  if (range) {
    for (size_t i = range->begin; i < range->end; ++i) {
      const auto k = KeyOf(lines_[i]);
      if (!k || !SameName(*k, key)) continue;
      std::string_view value = Trim(std::string_view(lines_[i]).substr(lines_[i].find('=') + 1));
      if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
          value.back() == value.front())
        value = value.substr(1, value.size() - 2);
      return std::string(value);
    }
  }
  return std::string(defaultValue);
}

int ProfileText::ReadInteger(std::string_view section, std::string_view key,
                             int defaultValue) const {
  const std::string text = ReadString(section, key, "");
  return ParseProfileInteger(text).value_or(defaultValue);
}

void ProfileText::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  std::string entry = std::string(key) + "=" + std::string(value);
  const auto range = FindSection(lines_, section);
  if (!range) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::move(entry));
    return;
  }
  size_t last = range->header;  // the section's last non-blank line
  for (size_t i = range->begin; i < range->end; ++i) {
    if (const auto k = KeyOf(lines_[i]); k && SameName(*k, key)) {
      lines_[i] = std::move(entry);
      return;
    }
    if (!Trim(lines_[i]).empty()) last = i;
  }
  lines_.insert(lines_.begin() + static_cast<long>(last) + 1, std::move(entry));
}

bool ProfileText::EraseSection(std::string_view section) {
  bool erased = false;
  while (const auto range = FindSection(lines_, section)) {
    lines_.erase(lines_.begin() + static_cast<long>(range->header),
                 lines_.begin() + static_cast<long>(range->end));
    erased = true;
  }
  if (erased)
    while (!lines_.empty() && Trim(lines_.back()).empty()) lines_.pop_back();
  return erased;
}

std::pair<ProfileText, bool> ProfileFile::Read() const {
  Result<FileContents, FileError> file = ReadFile(path_, kMaxFileSize);
  if (file.error && file.error->kind() == FileError::Kind::CannotOpen) {
    // Missing, or no file at all (a folder in its place, which a write then reports): there
    // is nothing to lose. A file that may not be read may hold anything.
    sys::FileInfo info;
    return {ProfileText(""), !sys::Stat(path_, info) || info.type != sys::FileType::Regular};
  }
  // A file larger than the limit is read as far as it.
  return {ProfileText(file.value.bytes), file.ok()};
}

bool ProfileFile::Update(const std::function<void(ProfileText& entries)>& change) {
  auto [text, whole] = Read();
  if (!whole) return false;
  change(text);
  SaveOptions options;
  // The configuration folder may not exist yet on a fresh account.
  options.createFolders = true;
  try {
    ReplaceFileContents(path_, text.Bytes(), options);
  } catch (const FileError&) {
    throw Error(FileMessageText(FileMessage::CannotWrite, NameOf(path_)));
  }
  return true;
}

ProfileText ProfileFile::Entries() const {
  return Read().first;
}

}  // namespace vorel
