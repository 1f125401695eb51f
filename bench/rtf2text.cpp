// Prints the text of an RTF file, one paragraph per line: our reader on the command line,
// timed beside other readers by compare_readers.sh. "--sample MB" prints a report-like RTF
// file of about MB megabytes instead.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/ReportSample.h"
#include "document/Rtf.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--sample") {
    const double megabytes = std::atof(argv[2]);
    std::cout << vorel::bench::ReportLikeRtf(static_cast<std::size_t>(megabytes * (1 << 20)));
    return 0;
  }
  if (argc != 2) {
    std::cerr << "usage: vorel_rtf2text FILE.rtf | --sample MEGABYTES\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary | std::ios::ate);
  if (!in) {
    std::cerr << "cannot open " << argv[1] << "\n";
    return 1;
  }
  std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const auto document = vorel::ReadRtf(bytes);
  if (!document) {
    std::cerr << argv[1] << " is not RTF\n";
    return 1;
  }
  const std::string text = document->PlainText();
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  return 0;
}
