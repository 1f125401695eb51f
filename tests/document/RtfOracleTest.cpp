// Other programs read what the writer writes: pandoc and AbiWord always, LibreOffice where it
// is installed. Each test is skipped, with the reason, when its program is missing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

#include "base/Cp1252.h"
#include "document/Rtf.h"
#include "document/RtfTestDocuments.h"

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

// --- pandoc: the text as plain text, the emphasis from its native tree ---

// The Str pieces of a native fragment, joined, with the numeric escapes of Haskell strings
// decoded ("caract\232re").
std::string NativeText(const std::string& native) {
  static const std::regex piece(R"re(Str "((?:[^"\\]|\\.)*)"|(Space))re");
  std::string text;
  for (auto m = std::sregex_iterator(native.begin(), native.end(), piece);
       m != std::sregex_iterator(); ++m) {
    if ((*m)[2].matched) {
      text += ' ';
      continue;
    }
    const std::string quoted = (*m)[1];
    for (size_t i = 0; i < quoted.size(); ++i) {
      if (quoted[i] != '\\') {
        text += quoted[i];
      } else if (i + 1 < quoted.size() && std::isdigit(static_cast<unsigned char>(quoted[i + 1]))) {
        char32_t codePoint = 0;
        while (i + 1 < quoted.size() && std::isdigit(static_cast<unsigned char>(quoted[i + 1])))
          codePoint = codePoint * 10 + (quoted[++i] - '0');
        AppendUtf8(text, codePoint);
      } else if (i + 1 < quoted.size() && quoted[i + 1] != '&') {
        text += quoted[++i];
      }
    }
  }
  return text;
}

// The text of every span of one kind ("Strong", "Emph", "Underline"); ours hold no nesting.
std::vector<std::string> NativeSpans(const std::string& native, const std::string& kind) {
  const std::regex span(kind + R"re(\s*\[([^\[\]]*)\])re");
  std::vector<std::string> texts;
  for (auto m = std::sregex_iterator(native.begin(), native.end(), span);
       m != std::sregex_iterator(); ++m)
    texts.push_back(NativeText((*m)[1]));
  return texts;
}

TEST(RtfOracle, PandocReadsTextParagraphsAndEmphasis) {
  if (!HasProgram("pandoc")) GTEST_SKIP() << "pandoc is not installed";
  TempDir dir;
  const fs::path rtf = WriteDocument(dir, OracleDocument());
  const fs::path plain = dir.path() / "plain.txt";
  const fs::path native = dir.path() / "native.txt";
  ASSERT_EQ(
      RunWithTimeout("pandoc -f rtf -t plain --wrap=none " + Quote(rtf) + " -o " + Quote(plain)),
      0);
  ASSERT_EQ(RunWithTimeout("pandoc -f rtf -t native " + Quote(rtf) + " -o " + Quote(native)), 0);

  // pandoc drops empty paragraphs and reads a tab as a space.
  std::string expected;
  for (const Paragraph& paragraph : OracleDocument().paragraphs) {
    std::string text = paragraph.Text();
    std::replace(text.begin(), text.end(), '\t', ' ');
    if (!text.empty()) expected += (expected.empty() ? "" : "\n\n") + text;
  }
  EXPECT_EQ(Slurp(plain), expected + "\n");
  const std::string tree = Slurp(native);
  EXPECT_EQ(NativeSpans(tree, "Strong"),
            (std::vector<std::string>{"Qualités et défauts", "Aptitudes"}));
  EXPECT_EQ(NativeSpans(tree, "Emph"), std::vector<std::string>{"Très"});
  EXPECT_EQ(NativeSpans(tree, "Underline"), std::vector<std::string>{"souligné"});
}

// Strike-through, superscript and subscript, each ended inside the paragraph.
RichDocument MarksDocument() {
  const CharFormat plain;
  CharFormat struck, up, down;
  struck.strike = true;
  up.script = Script::Super;
  down.script = Script::Sub;
  RichDocument document;
  document.paragraphs.push_back(test::ReportParagraph({{"E = mc", plain},
                                                       {"2", up},
                                                       {", H", plain},
                                                       {"2", down},
                                                       {"O, ", plain},
                                                       {"barré", struck},
                                                       {" fin", plain}}));
  return document;
}

TEST(RtfOracle, PandocReadsStrikeSuperscriptAndSubscript) {
  if (!HasProgram("pandoc")) GTEST_SKIP() << "pandoc is not installed";
  TempDir dir;
  const fs::path rtf = WriteDocument(dir, MarksDocument());
  const fs::path native = dir.path() / "native.txt";
  ASSERT_EQ(RunWithTimeout("pandoc -f rtf -t native " + Quote(rtf) + " -o " + Quote(native)), 0);
  const std::string tree = Slurp(native);
  EXPECT_EQ(NativeSpans(tree, "Superscript"), std::vector<std::string>{"2"}) << tree;
  EXPECT_EQ(NativeSpans(tree, "Subscript"), std::vector<std::string>{"2"}) << tree;
  EXPECT_EQ(NativeSpans(tree, "Strikeout"), std::vector<std::string>{"barré"}) << tree;
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

// The document as AbiWord reads it from our RTF.
std::vector<AbiParagraph> AbiWordReading(const TempDir& dir, const RichDocument& document) {
  const fs::path rtf = WriteDocument(dir, document);
  const fs::path out = dir.path() / "rapport.abw";
  const int status =
      RunWithTimeout("abiword --to=abw -o " + Quote(out) + " " + Quote(rtf) + " >/dev/null 2>&1");
  EXPECT_EQ(status, 0) << "abiword failed";
  return ParseAbw(Slurp(out));
}

TEST(RtfOracle, AbiWordReadsIndentsFontsWeightsAndColours) {
  if (!HasProgram("abiword")) GTEST_SKIP() << "AbiWord is not installed";
  TempDir dir;
  const RichDocument document = OracleDocument();
  const std::vector<AbiParagraph> abw = AbiWordReading(dir, document);
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

TEST(RtfOracle, AbiWordReadsTabStops) {
  if (!HasProgram("abiword")) GTEST_SKIP() << "AbiWord is not installed";
  TempDir dir;
  RichDocument document;
  Paragraph& list = document.paragraphs.emplace_back();
  AppendRun(list, "1.\tun\tdeux\t4,5\ttrois", CharFormat{});
  // AbiWord gives a leader to every stop after it too: only the last stop has one.
  list.format = ParagraphFormat{-360,
                                360,
                                0,
                                Alignment::Left,
                                {{360},
                                 {4000, TabKind::Center},
                                 {6000, TabKind::Decimal},
                                 {8000, TabKind::Right, TabLeader::Dots}}};
  const std::vector<AbiParagraph> abw = AbiWordReading(dir, document);
  ASSERT_EQ(abw.size(), 1u);
  // Inches from the left edge of the text; the letter is the kind, the digit the leader.
  EXPECT_TRUE(Has(abw[0].props, "tabstops:0.250000in/L0,2.777778in/C0,4.166667in/D0,5.555556in/R1"))
      << abw[0].props;
}

TEST(RtfOracle, AbiWordReadsStrikeSuperscriptAndSubscript) {
  if (!HasProgram("abiword")) GTEST_SKIP() << "AbiWord is not installed";
  TempDir dir;
  const RichDocument document = MarksDocument();
  const std::vector<AbiParagraph> abw = AbiWordReading(dir, document);
  ASSERT_EQ(abw.size(), 1u);
  const std::vector<vorel::Run>& runs = document.paragraphs[0].runs;
  ASSERT_EQ(abw[0].runs.size(), runs.size());
  for (size_t i = 0; i < runs.size(); ++i) {
    const std::string& props = abw[0].runs[i].props;
    EXPECT_EQ(abw[0].runs[i].text, runs[i].text);
    const char* position = runs[i].format.script == Script::Super ? "text-position:superscript"
                           : runs[i].format.script == Script::Sub ? "text-position:subscript"
                                                                  : "text-position:normal";
    EXPECT_TRUE(Has(props, position)) << runs[i].text << ": " << props;
    EXPECT_EQ(Has(props, "line-through"), runs[i].format.strike) << runs[i].text << ": " << props;
  }
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
  EXPECT_NE(xml.find("fo:text-indent=\"0in\""), std::string::npos);
  EXPECT_NE(xml.find("fo:font-weight=\"bold\""), std::string::npos);
  EXPECT_NE(xml.find("fo:color=\"#c80000\""), std::string::npos);
  EXPECT_NE(xml.find("Arial"), std::string::npos);
}

}  // namespace
}  // namespace vorel
