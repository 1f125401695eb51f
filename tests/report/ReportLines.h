// Checks shared by the tests of the compositions: lines met in order, and the look every
// composed report shares.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Cp1252.h"
#include "document/RichDocument.h"

namespace vorel::test {

// The first expected line not found after the one before it, or "" when all are there in
// order.
inline std::string MissingInOrder(const RichDocument& doc, const std::vector<std::string>& lines) {
  size_t next = 0;
  for (const std::string& line : lines) {
    while (next < doc.paragraphs.size() && doc.paragraphs[next].Text() != line) ++next;
    if (next == doc.paragraphs.size()) return line;
    ++next;
  }
  return "";
}

inline bool HasLine(const RichDocument& doc, const std::string& line) {
  for (const Paragraph& p : doc.paragraphs)
    if (p.Text() == line) return true;
  return false;
}

// Every line 50 points in from both edges, in Times New Roman 12 but the title (the third
// line, Arial bold); each tab of a line has its stop; a non-breaking space before every
// « : ; ! ? ».
inline void ExpectReportLook(const RichDocument& doc, const std::string& name) {
  ASSERT_GT(doc.paragraphs.size(), 3u) << name;
  for (size_t i = 0; i < doc.paragraphs.size(); ++i) {
    const Paragraph& p = doc.paragraphs[i];
    const std::string text = p.Text();
    EXPECT_EQ(p.format.leftIndent, 1000) << name << " line " << i + 1;
    EXPECT_EQ(p.format.rightIndent, 1000) << name << " line " << i + 1;
    EXPECT_EQ(p.format.firstIndent, 0) << name << " line " << i + 1;
    EXPECT_LE(p.runs.size(), 1u) << name << " line " << i + 1;
    const CharFormat& f = p.runs.empty() ? p.markFormat : p.runs[0].format;
    EXPECT_EQ(f.font, i == 2 ? "Arial" : "Times New Roman") << name << " line " << i + 1;
    EXPECT_TRUE(i != 2 || f.bold) << name;
    EXPECT_EQ(f.sizeHalfPoints, 24) << name << " line " << i + 1;
    EXPECT_LE(std::count(text.begin(), text.end(), '\t'), static_cast<long>(p.format.tabs.size()))
        << name << ": " << text;
    size_t pos = 0;
    char32_t before = 0;
    while (pos < text.size()) {
      const char32_t c = DecodeUtf8(text, pos).value_or(0);
      if (c == ':' || c == ';' || c == '!' || c == '?') {
        EXPECT_EQ(before, U'\u00A0') << name << ": " << text;
      }
      before = c;
    }
  }
}

}  // namespace vorel::test
