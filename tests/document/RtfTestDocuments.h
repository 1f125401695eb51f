// Documents shared by the tests of the document model, its codecs and its rendering: report
// paragraphs, a report-like document and random ones.
#pragma once

#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "document/RichDocument.h"

namespace vorel {

// Readable failures for the model's structs.
inline void PrintTo(const CharFormat& f, std::ostream* out) {
  *out << '{' << f.font << ' ' << f.sizeHalfPoints << (f.bold ? " bold" : "")
       << (f.italic ? " italic" : "") << (f.underline ? " underline" : "") << " #"
       << int(f.color.red) << ',' << int(f.color.green) << ',' << int(f.color.blue)
       << (f.strike ? " strike" : "") << (f.script == Script::Super ? " super" : "")
       << (f.script == Script::Sub ? " sub" : "") << '}';
}

inline void PrintTo(const Run& r, std::ostream* out) {
  *out << '"' << r.text << "\" ";
  PrintTo(r.format, out);
}

inline void PrintTo(const TabStop& t, std::ostream* out) {
  *out << "{tab " << t.position << " kind " << int(t.kind) << " leader " << int(t.leader) << '}';
}

inline void PrintTo(const ParagraphFormat& f, std::ostream* out) {
  *out << "{fi " << f.firstIndent << " li " << f.leftIndent << " ri " << f.rightIndent << " align "
       << int(f.alignment);
  for (const TabStop& t : f.tabs) {
    *out << ' ';
    PrintTo(t, out);
  }
  *out << '}';
}

namespace test {

inline CharFormat Format(std::string font, int size, bool bold = false, bool italic = false,
                         bool underline = false, Color color = {}, bool strike = false,
                         Script script = Script::Normal) {
  return CharFormat{std::move(font), size, bold, italic, underline, color, strike, script};
}

inline Paragraph ReportParagraph(std::vector<Run> runs, CharFormat mark = {}) {
  Paragraph paragraph;
  paragraph.format.leftIndent = 1000;
  paragraph.format.rightIndent = 1000;
  for (const Run& run : runs) AppendRun(paragraph, run.text, run.format);
  paragraph.markFormat = std::move(mark);
  return paragraph;
}

// What the report window saves: a bold heading in Arial, body text full of accents, an
// empty paragraph between sections.
inline RichDocument ReportDocument() {
  const CharFormat heading = Format("Arial", 28, true);
  const CharFormat body = Format("Times New Roman", 24);
  RichDocument document;
  document.paragraphs.push_back(ReportParagraph({{"Qualités et défauts", heading}}, heading));
  document.paragraphs.push_back(
      ReportParagraph({{"Votre caractère est fort : l’œuvre coûte 5 €, déjà vu. ", body},
                       {"Très", Format("Times New Roman", 24, false, true)},
                       {" bien, ", body},
                       {"souligné", Format("Times New Roman", 24, false, false, true)},
                       {" et fin.", body}},
                      body));
  document.paragraphs.push_back(ReportParagraph({}, body));
  document.paragraphs.push_back(ReportParagraph({{"Aptitudes", heading}}, heading));
  document.paragraphs.push_back(ReportParagraph(
      {{"Une intelligence vive, des goûts éclectiques et une grande fidélité en amitié.", body}},
      body));
  return document;
}

// Random documents with every attribute, built through AppendRun so that adjacent runs of one
// format are already joined, as a reader gives them.
class RandomDocuments {
 public:
  explicit RandomDocuments(unsigned seed) : random_(seed) {}

  RichDocument Next() {
    RichDocument document;
    const int paragraphs = Between(1, 8);
    for (int i = 0; i < paragraphs; ++i) {
      Paragraph paragraph;
      paragraph.format.leftIndent = Between(-2000, 6000);
      paragraph.format.rightIndent = Between(-2000, 6000);
      paragraph.format.firstIndent = Between(-1000, 1000);
      paragraph.format.alignment = static_cast<Alignment>(Between(0, 3));
      if (Between(0, 2) == 0) {
        int position = Between(-500, 500);
        for (int t = Between(1, 5); t > 0; --t) {
          paragraph.format.tabs.push_back(TabStop{position, static_cast<TabKind>(Between(0, 3)),
                                                  static_cast<TabLeader>(Between(0, 6))});
          position += Between(1, 3000);
        }
      }
      const int runs = Between(0, 6);
      for (int r = 0; r < runs; ++r) AppendRun(paragraph, Text(), RandomFormat());
      paragraph.markFormat = RandomFormat();
      document.paragraphs.push_back(std::move(paragraph));
    }
    return document;
  }

 private:
  int Between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

  CharFormat RandomFormat() {
    static const std::vector<std::string> kFonts = {
        "Times New Roman", "Arial", "MS Sans Serif", "Courier New", "Symbol",
        "Ünïcødé",         "字体",  "A;B{C}\\D",     "Tab\there",   "Font ∞ 😀"};
    CharFormat format;
    format.font = kFonts[Between(0, static_cast<int>(kFonts.size()) - 1)];
    format.sizeHalfPoints = Between(0, 3) == 0 ? Between(2, 3276) : Between(16, 40);
    format.bold = Between(0, 1);
    format.italic = Between(0, 1);
    format.underline = Between(0, 1);
    format.strike = Between(0, 3) == 0;
    const int position = Between(0, 5);
    format.script = position == 4 ? Script::Super : position == 5 ? Script::Sub : Script::Normal;
    if (Between(0, 2) == 0)
      format.color = Color{static_cast<std::uint8_t>(Between(0, 255)),
                           static_cast<std::uint8_t>(Between(0, 255)),
                           static_cast<std::uint8_t>(Between(0, 255))};
    return format;
  }

  std::string Text() {
    static const std::vector<std::string> kPieces = {
        "a",  "Z", " ",  "mot", "\\",           "{",        "}",    "\t",       "\n",
        "é",  "œ", "€",  "’",   "\xC2\xA0",     "\xC2\xAD", "\x01", "\x1F",     "\x7F",
        "\r", "∞", "字", "😀",   "\xEF\xBF\xBD", ";",        "?",    "\xC2\x81", "\xC2\x80",
        "'",  "ÿ", "0"};
    std::string text;
    const int pieces = Between(1, 12);
    for (int i = 0; i < pieces; ++i)
      text += kPieces[Between(0, static_cast<int>(kPieces.size()) - 1)];
    return text;
  }

  std::mt19937 random_;
};

}  // namespace test
}  // namespace vorel
