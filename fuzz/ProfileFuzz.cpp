// Arbitrary bytes as vorel.ini, in memory: reading never fails, a written entry reads back
// while the entries of other sections keep their values, and the bytes written read back
// the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "base/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vorel::ProfileText ini(std::string_view(reinterpret_cast<const char*>(data), size));
  const int x = ini.ReadInteger("MainW", "x", 10);
  const std::string other = ini.ReadString("AnalWin", "w", "none");
  const std::string third = ini.ReadString("Other", "k", "none");
  (void)x;

  ini.WriteString("MainW", "x", "1234");
  Check(ini.ReadInteger("MainW", "x", 0) == 1234, "written entry reads back");
  Check(ini.ReadString("AnalWin", "w", "none") == other, "other section unchanged");
  Check(ini.ReadString("Other", "k", "none") == third, "third section unchanged");
  // What the file would hold reads back as the same entries.
  const vorel::ProfileText reread(ini.Bytes());
  Check(reread.ReadInteger("MainW", "x", 0) == 1234, "written entry survives the file");
  Check(reread.ReadString("AnalWin", "w", "none") == other, "other section survives the file");
  ini.EraseSection("MainW");
  Check(ini.ReadInteger("MainW", "x", -1) == -1, "erased section gone");
  Check(ini.ReadString("AnalWin", "w", "none") == other, "other section kept by the erase");
  return 0;
}
