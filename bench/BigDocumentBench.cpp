// Big documents: very long paragraphs opened (read, cut, loaded into a text document and laid
// out at the report window's width, as "Ouvrir" does), and a file of many lines printed to PDF.
#include <benchmark/benchmark.h>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "document/LongParagraphs.h"
#include "document/PlainText.h"
#include "document/Rtf.h"
#include "render/DocumentBridge.h"
#include "render/PdfReport.h"
#include "render/ReportFonts.h"

namespace vorel {
namespace {

constexpr std::size_t kMegabyte = 1 << 20;
// About the report window's text width, in pixels.
constexpr int kWindowWidth = 800;

// An RTF file of about the given size holding one paragraph: words with accents, or words in
// bold and plain by turns, each turn a run of its own.
std::string OneParagraphRtf(std::size_t bytes, bool alternatingBold) {
  std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\\f0\\fs24 ";
  for (int i = 0; rtf.size() < bytes; ++i) {
    if (alternatingBold)
      rtf += i % 2 ? "\\b gras\\b0  " : "mot ";
    else
      rtf += "caract\\'e8re" + std::to_string(i % 97) + " ";
  }
  return rtf + "}";
}

void OpenAndLayOut(benchmark::State& state, bool alternatingBold) {
  InstallFontSubstitutes();
  const std::string rtf =
      OneParagraphRtf(static_cast<std::size_t>(state.range(0)) * kMegabyte / 4, alternatingBold);
  for (auto _ : state) {
    RichDocument document = *ReadRtf(rtf);
    SplitLongParagraphs(document);
    QTextDocument control;
    control.setDefaultFont(ReportFont());
    control.setTextWidth(kWindowWidth);
    LoadDocument(document, control);
    benchmark::DoNotOptimize(control.documentLayout()->documentSize());
    int lines = 0;
    for (QTextBlock block = control.begin(); block.isValid(); block = block.next())
      lines += block.layout()->lineCount();
    state.counters["paragraphs"] = static_cast<double>(document.paragraphs.size());
    state.counters["lines"] = lines;
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * rtf.size()));
}

// The argument is in quarters of a megabyte, so that the time's growth with the size shows.
void BM_OpenOneLongParagraph(benchmark::State& state) {
  OpenAndLayOut(state, false);
}
BENCHMARK(BM_OpenOneLongParagraph)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_OpenAlternatingBoldRuns(benchmark::State& state) {
  OpenAndLayOut(state, true);
}
BENCHMARK(BM_OpenAlternatingBoldRuns)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

// A text file of short lines, some fifty to a page, printed to PDF: each page draws only its
// own lines, so the time grows with the number of lines, not with its square.
void BM_PrintManyLinesToPdf(benchmark::State& state) {
  InstallFontSubstitutes();
  std::string text;
  for (int i = 0; i < state.range(0); ++i)
    text += "Une ligne courte, la " + std::to_string(i) + "e.\n";
  const RichDocument document = ReadPlainText(text, CharFormat{});
  for (auto _ : state) benchmark::DoNotOptimize(ReportPdf(document, "Vorel"));
}
BENCHMARK(BM_PrintManyLinesToPdf)
    ->Arg(4'000)
    ->Arg(8'000)
    ->Arg(16'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorel
