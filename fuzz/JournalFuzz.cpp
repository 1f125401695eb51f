// Arbitrary bytes as a rollback journal, in memory: the read never fails but with nothing, and
// a journal read writes back to bytes that read as the same journal.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "FuzzCheck.h"
#include "base/RollbackJournal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto journal = vorel::ReadJournal(bytes);
  if (!journal) return 0;
  const auto again = vorel::ReadJournal(vorel::WriteJournal(*journal));
  Check(again.has_value(), "a journal written reads again");
  Check(*again == *journal, "the same journal back");
  return 0;
}
