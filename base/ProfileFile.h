// Our stand-in for the ini profile functions: the entries of a small settings file, read and
// written with the classic semantics. Section and key names compare without case; an existing
// entry is updated in place; a missing section goes at the end of the file, a missing key at
// the end of its section; 8-bit text with CR LF line ends; the file is created at the first
// write. Every reading and writing opens the file anew: nothing stays open.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorel {

// The entries of a settings file's bytes, in memory: what ProfileFile does between reading
// the file and writing it back.
class ProfileText {
 public:
  explicit ProfileText(std::string_view bytes);

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // Leading blanks and a sign allowed; hexadecimal after "$", "0x" or "0X"; any other text,
  // or a missing entry, gives the default.
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // False when there was no such section: nothing changed.
  bool EraseSection(std::string_view section);

  // The file's bytes: the lines with CR LF ends.
  std::string Bytes() const;

 private:
  std::vector<std::string> lines_;
};

class ProfileFile {
 public:
  explicit ProfileFile(std::string path);

  // "$XDG_CONFIG_HOME/vorel.ini", else "~/.config/vorel.ini".
  static std::string DefaultPath(std::string_view fileName = "vorel.ini");

  // The entries as the file holds them now; a file that is missing, unreadable, or no regular
  // file has none.
  ProfileText Entries() const;

  // Reads the file once, lets change edit its entries, and writes it once. A file that could
  // not be read whole (larger than settings ever are, or a read error) is not written: writing
  // back only what was read would lose the rest. Returns whether it was written; throws Error
  // "Impossible d'écrire dans <file name>" when the writing failed.
  bool Update(const std::function<void(ProfileText& entries)>& change);

  const std::string& Path() const { return path_; }

 private:
  // The entries, and whether the file was read whole (a missing file is: it holds none).
  std::pair<ProfileText, bool> Read() const;

  std::string path_;
};

// The integer rule of ReadInteger, on its own.
std::optional<int> ParseProfileInteger(std::string_view text);

}  // namespace vorel
