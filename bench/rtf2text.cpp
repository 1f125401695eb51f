// Prints the text of an RTF file, one paragraph per line: our reader on the command line,
// timed beside other readers by compare_readers.sh. "--sample MB" prints a report-like RTF
// file of about MB megabytes instead.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "bench/ReportSample.h"
#include "platform/Rtf.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--sample") {
    const double megabytes = std::atof(argv[2]);
    // Escapes make the file about 8% larger than its text.
    const auto text = static_cast<std::size_t>(megabytes * 0.92 * (1 << 20));
    std::cout << vorel::WriteRtf(vorel::bench::ReportLikeDocument(text));
    return 0;
  }
  if (argc != 2) {
    std::cerr << "usage: vorel_rtf2text FILE.rtf | --sample MEGABYTES\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "cannot open " << argv[1] << "\n";
    return 1;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const auto document = vorel::ReadRtf(bytes.str());
  if (!document) {
    std::cerr << argv[1] << " is not RTF\n";
    return 1;
  }
  const std::string text = document->PlainText();
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  return 0;
}
