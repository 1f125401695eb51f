// Arbitrary bytes as vorel.ini: reading never fails, and a written entry reads back while the
// entries of other sections keep their values.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/ProfileFile.h"

namespace {

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

const std::string& IniPath() {
  static const std::string path = [] {
    std::string dir =
        ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/vorel-ini-XXXXXX" : "/tmp/vorel-ini-XXXXXX";
    Check(::mkdtemp(dir.data()) != nullptr, "temporary folder");
    return dir + "/vorel.ini";
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen(IniPath().c_str(), "wb");
  Check(file != nullptr, "input file");
  Check(size == 0 || std::fwrite(data, 1, size, file) == size, "input written");
  std::fclose(file);

  vorel::ProfileFile ini(IniPath());
  const int x = ini.ReadInteger("MainW", "x", 10);
  const std::string other = ini.ReadString("AnalWin", "w", "none");
  const std::string third = ini.ReadString("Other", "k", "none");
  (void)x;

  ini.WriteInteger("MainW", "x", 1234);
  Check(ini.ReadInteger("MainW", "x", 0) == 1234, "written entry reads back");
  Check(ini.ReadString("AnalWin", "w", "none") == other, "other section unchanged");
  Check(ini.ReadString("Other", "k", "none") == third, "third section unchanged");
  ini.EraseSection("MainW");
  Check(ini.ReadInteger("MainW", "x", -1) == -1, "erased section gone");
  Check(ini.ReadString("AnalWin", "w", "none") == other, "other section kept by the erase");
  return 0;
}
