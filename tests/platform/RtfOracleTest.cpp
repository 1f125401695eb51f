// Other programs read what the writer writes: pandoc and AbiWord always, LibreOffice where it
// is installed. Each test is skipped, with the reason, when its program is missing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

#include "platform/Cp1252.h"
#include "platform/Rtf.h"
#include "tests/platform/RtfTestDocuments.h"

namespace vorel {
namespace {

namespace fs = std::filesystem;

class TempDir {
 public:
  TempDir() {
    path_ =
        fs::temp_directory_path() / ("vorel-rtf-oracle-" + std::to_string(std::random_device{}()));
    fs::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

bool HasProgram(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// The programs can hang on a bad day; none may hold the suite.
int RunWithTimeout(const std::string& command) {
  return std::system(("timeout --kill-after=5 60 " + command).c_str());
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string Quote(const fs::path& path) {
  return "'" + path.string() + "'";
}

// The report plus a coloured paragraph with a tab and a character outside Windows-1252.
RichDocument OracleDocument() {
  RichDocument document = test::ReportDocument();
  const CharFormat red = test::Format("Times New Roman", 24, false, false, false, {200, 0, 0});
  document.paragraphs.push_back(
      test::ReportParagraph({{"Chiffre — mot\tcolonne", red}, {" ∞", CharFormat{}}}, CharFormat{}));
  return document;
}

fs::path WriteDocument(const TempDir& dir, const RichDocument& document) {
  const fs::path path = dir.path() / "rapport.rtf";
  std::ofstream(path, std::ios::binary) << WriteRtf(document);
  return path;
}

// --- pandoc's native output: a tree of constructors, lists and Haskell strings ---

struct PandocText {
  std::vector<std::string> paragraphs;
  std::vector<std::string> strong, emph, underline;
};

std::string HaskellString(std::string_view text, size_t& pos) {
  std::string out;
  ++pos;  // opening quote
  while (pos < text.size() && text[pos] != '"') {
    if (text[pos] != '\\') {
      out += text[pos++];
      continue;
    }
    ++pos;
    if (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
      char32_t codePoint = 0;
      while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])))
        codePoint = codePoint * 10 + (text[pos++] - '0');
      AppendUtf8(out, codePoint);
    } else if (pos < text.size()) {
      const char escaped = text[pos++];
      if (escaped == 'n') out += '\n';
      if (escaped == 't') out += '\t';
      if (escaped == '"' || escaped == '\\') out += escaped;
      // \& separates a numeric escape from a digit and stands for nothing
    }
  }
  ++pos;
  return out;
}

PandocText ParsePandocNative(std::string_view native) {
  PandocText result;
  std::vector<std::string> open;  // the constructor of each open list
  std::string pending;            // the last constructor name seen
  const auto inside = [&](std::string_view name) {
    return std::find(open.begin(), open.end(), name) != open.end();
  };
  const auto add = [&](const std::string& text) {
    if (!result.paragraphs.empty()) result.paragraphs.back() += text;
    if (inside("Strong")) result.strong.back() += text;
    if (inside("Emph")) result.emph.back() += text;
    if (inside("Underline")) result.underline.back() += text;
  };
  for (size_t pos = 0; pos < native.size();) {
    const char c = native[pos];
    if (std::isalpha(static_cast<unsigned char>(c))) {
      const size_t start = pos;
      while (pos < native.size() && std::isalnum(static_cast<unsigned char>(native[pos]))) ++pos;
      pending = native.substr(start, pos - start);
      if (pending == "Space" || pending == "SoftBreak") add(" ");
    } else if (c == '"') {
      const std::string text = HaskellString(native, pos);
      if (pending == "Str") add(text);
    } else if (c == '[') {
      ++pos;
      open.push_back(pending);
      if (pending == "Para") result.paragraphs.emplace_back();
      if (pending == "Strong") result.strong.emplace_back();
      if (pending == "Emph") result.emph.emplace_back();
      if (pending == "Underline") result.underline.emplace_back();
      pending.clear();
    } else {
      if (c == ']' && !open.empty()) open.pop_back();
      ++pos;
    }
  }
  return result;
}

TEST(RtfOracle, PandocReadsTextParagraphsAndEmphasis) {
  if (!HasProgram("pandoc")) GTEST_SKIP() << "pandoc is not installed";
  TempDir dir;
  const fs::path rtf = WriteDocument(dir, OracleDocument());
  const fs::path out = dir.path() / "native.txt";
  ASSERT_EQ(RunWithTimeout("pandoc -f rtf -t native " + Quote(rtf) + " -o " + Quote(out)), 0);
  const PandocText pandoc = ParsePandocNative(Slurp(out));

  // pandoc drops empty paragraphs and reads a tab as a space.
  std::vector<std::string> expected;
  for (const Paragraph& paragraph : OracleDocument().paragraphs) {
    std::string text = paragraph.Text();
    std::replace(text.begin(), text.end(), '\t', ' ');
    if (!text.empty()) expected.push_back(text);
  }
  EXPECT_EQ(pandoc.paragraphs, expected);
  EXPECT_EQ(pandoc.strong, (std::vector<std::string>{"Qualités et défauts", "Aptitudes"}));
  EXPECT_EQ(pandoc.emph, std::vector<std::string>{"Très"});
  EXPECT_EQ(pandoc.underline, std::vector<std::string>{"souligné"});
}

// --- AbiWord's own format: one <p> per paragraph, one <c> per run, properties as CSS ---

struct AbiRun {
  std::string props, text;
};
struct AbiParagraph {
  std::string props;
  std::vector<AbiRun> runs;
  std::string Text() const {
    std::string text;
    for (const AbiRun& run : runs) text += run.text;
    return text;
  }
};

std::string XmlText(std::string text) {
  const std::pair<std::string, std::string> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, character] : entities)
    for (size_t at = text.find(entity); at != std::string::npos;
         at = text.find(entity, at + character.size()))
      text.replace(at, entity.size(), character);
  return text;
}

std::vector<AbiParagraph> ParseAbw(const std::string& abw) {
  std::vector<AbiParagraph> paragraphs;
  static const std::regex paragraph(R"re(<p [^>]*props="([^"]*)"[^>]*>([\s\S]*?)</p>)re");
  static const std::regex run(R"re(<c props="([^"]*)">([^<]*)</c>)re");
  for (auto p = std::sregex_iterator(abw.begin(), abw.end(), paragraph);
       p != std::sregex_iterator(); ++p) {
    AbiParagraph& out = paragraphs.emplace_back();
    out.props = (*p)[1];
    const std::string body = (*p)[2];
    for (auto c = std::sregex_iterator(body.begin(), body.end(), run); c != std::sregex_iterator();
         ++c)
      out.runs.push_back({(*c)[1], XmlText((*c)[2])});
  }
  return paragraphs;
}

bool Has(const std::string& props, const std::string& property) {
  return props.find(property) != std::string::npos;
}

TEST(RtfOracle, AbiWordReadsIndentsFontsWeightsAndColours) {
  if (!HasProgram("abiword")) GTEST_SKIP() << "AbiWord is not installed";
  TempDir dir;
  const RichDocument document = OracleDocument();
  const fs::path rtf = WriteDocument(dir, document);
  const fs::path out = dir.path() / "rapport.abw";
  ASSERT_EQ(
      RunWithTimeout("abiword --to=abw -o " + Quote(out) + " " + Quote(rtf) + " >/dev/null 2>&1"),
      0);
  const std::vector<AbiParagraph> abw = ParseAbw(Slurp(out));
  ASSERT_EQ(abw.size(), document.paragraphs.size());
  for (size_t i = 0; i < abw.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(abw[i].Text(), document.paragraphs[i].Text());
    // 1000 twips are 50 points.
    EXPECT_TRUE(Has(abw[i].props, "margin-left:0.6944in")) << abw[i].props;
    EXPECT_TRUE(Has(abw[i].props, "margin-right:0.6944in")) << abw[i].props;
    EXPECT_TRUE(Has(abw[i].props, "text-indent:0.0000in")) << abw[i].props;
  }
  for (size_t i : {0u, 3u}) {
    ASSERT_EQ(abw[i].runs.size(), 1u);
    const std::string& heading = abw[i].runs[0].props;
    EXPECT_TRUE(Has(heading, "font-family:Arial") && Has(heading, "font-weight:bold") &&
                Has(heading, "font-size:14pt"))
        << heading;
  }
  const std::vector<AbiRun>& body = abw[1].runs;
  ASSERT_EQ(body.size(), 5u);
  for (const AbiRun& run : body)
    EXPECT_TRUE(Has(run.props, "font-family:Times New Roman") &&
                Has(run.props, "font-weight:normal") && Has(run.props, "font-size:12pt"))
        << run.props;
  EXPECT_TRUE(Has(body[1].props, "font-style:italic")) << body[1].props;
  EXPECT_TRUE(Has(body[3].props, "text-decoration:underline")) << body[3].props;
  EXPECT_TRUE(Has(abw[5].runs.at(0).props, "color:c80000")) << abw[5].runs[0].props;
  EXPECT_TRUE(Has(abw[5].runs.at(1).props, "color:000000")) << abw[5].runs[1].props;
}

// --- LibreOffice: text as UTF-8 lines, formatting from the ODF content ---

TEST(RtfOracle, LibreOfficeReadsTextIndentsAndWeights) {
  if (!HasProgram("soffice")) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
  if (!HasProgram("unzip")) GTEST_SKIP() << "unzip is not installed";
  TempDir dir;
  const RichDocument document = OracleDocument();
  const fs::path rtf = WriteDocument(dir, document);
  // LibreOffice needs a profile of its own per run, and exits 0 even when it failed.
  const std::string soffice = "soffice -env:UserInstallation=file://" +
                              (dir.path() / "profile").string() + " --headless --convert-to ";
  const std::string outDir =
      " --outdir " + Quote(dir.path() / "out") + " " + Quote(rtf) + " >/dev/null 2>&1";
  RunWithTimeout(soffice + "'txt:Text (encoded):UTF8'" + outDir);
  RunWithTimeout(soffice + "odt" + outDir);
  const fs::path txt = dir.path() / "out" / "rapport.txt";
  const fs::path odt = dir.path() / "out" / "rapport.odt";
  ASSERT_TRUE(fs::exists(txt)) << "LibreOffice did not convert the file to text";
  ASSERT_TRUE(fs::exists(odt)) << "LibreOffice did not convert the file to ODF";

  std::string text = Slurp(txt);
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  std::erase(text, '\r');
  while (text.ends_with('\n')) text.pop_back();
  EXPECT_EQ(text, document.PlainText());

  const fs::path content = dir.path() / "content.xml";
  ASSERT_EQ(RunWithTimeout("unzip -p " + Quote(odt) + " content.xml > " + Quote(content)), 0);
  const std::string xml = Slurp(content);
  EXPECT_NE(xml.find("fo:margin-left=\"0.694"), std::string::npos);
  EXPECT_NE(xml.find("fo:margin-right=\"0.694"), std::string::npos);
  EXPECT_NE(xml.find("fo:font-weight=\"bold\""), std::string::npos);
  EXPECT_NE(xml.find("fo:color=\"#c80000\""), std::string::npos);
  EXPECT_NE(xml.find("Arial"), std::string::npos);
}

}  // namespace
}  // namespace vorel
