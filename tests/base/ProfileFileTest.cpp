// The settings file: reading and writing single entries the classic way.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/Error.h"
#include "base/ProfileFile.h"

namespace vorel {
namespace {

namespace fs = std::filesystem;

class ProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vorel-ini-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "vorel.ini").string();
  }
  void TearDown() override { fs::remove_all(dir_); }
  void Write(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
  std::string Read() {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  fs::path dir_;
  std::string path_;
};

TEST_F(ProfileFileTest, FirstRunFileByteForByte) {
  ProfileFile ini(path_);
  EXPECT_FALSE(fs::exists(path_));
  EXPECT_TRUE(ini.Update([](ProfileText& text) {
    EXPECT_FALSE(text.EraseSection("MainW"));  // nothing to erase in a missing file
    text.WriteString("MainW", "x", "10");
    text.WriteString("MainW", "y", "10");
    text.WriteString("AnalWin", "x", "212");
    text.WriteString("AnalWin", "y", "234");
    text.WriteString("AnalWin", "w", "600");
    text.WriteString("AnalWin", "h", "300");
    text.WriteString("AnalWin", "Maxi", "0");
  }));
  EXPECT_EQ(Read(),
            "[MainW]\r\nx=10\r\ny=10\r\n\r\n[AnalWin]\r\nx=212\r\ny=234\r\nw=600\r\nh=300\r\n"
            "Maxi=0\r\n");
  // The second run erases [MainW] and writes it anew, after [AnalWin].
  ini.Update([](ProfileText& text) {
    EXPECT_TRUE(text.EraseSection("MainW"));
    text.WriteString("MainW", "x", "-3");
    text.WriteString("MainW", "y", "40");
    text.WriteString("AnalWin", "x", "5");
  });
  EXPECT_EQ(Read(),
            "[AnalWin]\r\nx=5\r\ny=234\r\nw=600\r\nh=300\r\nMaxi=0\r\n\r\n[MainW]\r\nx=-3\r\n"
            "y=40\r\n");
}

TEST_F(ProfileFileTest, HandEditedFileKeepsItsOtherLinesAndOrder) {
  Write(
      "; my notes\n[Other]\nkeep=1\n\n[analwin]\nX = 7\ncolour=blue\n\n[MainW]\nx=1\n"
      "mine=2\n");
  ProfileFile ini(path_);
  EXPECT_EQ(ini.Entries().ReadInteger("AnalWin", "x", 0), 7);  // names without case, blanks trimmed
  ini.Update([](ProfileText& text) {
    text.WriteString("ANALWIN", "x", "8");    // in place
    text.WriteString("AnalWin", "h", "300");  // at the end of its section
    text.EraseSection("MainW");               // the hand-added key goes with it
  });
  EXPECT_EQ(Read(),
            "; my notes\r\n[Other]\r\nkeep=1\r\n\r\n[analwin]\r\nx=8\r\ncolour=blue\r\nh=300\r\n");
  const ProfileText entries = ini.Entries();
  EXPECT_EQ(entries.ReadString("Other", "keep", "?"), "1");
  EXPECT_EQ(entries.ReadString("Other", "absent", "?"), "?");
  EXPECT_EQ(entries.ReadString("Absent", "keep", "?"), "?");
}

TEST_F(ProfileFileTest, IntegersReadTheClassicWay) {
  const struct {
    const char* value;
    int expected;
  } cases[] = {{"0x20", 32},
               {"0X20", 32},
               {"$20", 32},
               {" -5", -5},
               {"+12", 12},
               {"abc", 99},
               {"", 99},
               {"12abc", 99},
               {"-$10", -16},
               {"2147483647", INT_MAX},
               {"-2147483648", INT_MIN},
               {"2147483648", 99},
               {"0x", 99},
               {"-", 99},
               {"$ff", 255},
               {"1 2", 99}};
  ProfileText ini("");
  for (const auto& c : cases) {
    ini.WriteString("S", "k", c.value);
    EXPECT_EQ(ProfileText(ini.Bytes()).ReadInteger("S", "k", 99), c.expected)
        << '"' << c.value << '"';
  }
  EXPECT_EQ(ini.ReadInteger("S", "missing", 42), 42);
}

TEST_F(ProfileFileTest, FailedWriteIsReportedWithTheFileName) {
  // A folder where the file should be: it can be neither read nor replaced.
  fs::create_directory(path_);
  ProfileFile ini(path_);
  try {
    ini.Update([](ProfileText& text) { text.WriteString("MainW", "x", "1"); });
    FAIL() << "the write should have failed";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Impossible d'écrire dans vorel.ini");
  }
  EXPECT_EQ(ini.Entries().ReadInteger("MainW", "x", 10), 10);
}

// A file that could not be read whole is never written back: what was not read would be lost,
// and a value cut at the limit would be written cut.
TEST_F(ProfileFileTest, AFileReadInPartIsNotWrittenBack) {
  std::string big = "[Notes]\r\n";
  while (big.size() < 1'500'000) big += "line=" + std::string(70, 'x') + "\r\n";
  big += "[AnalWin]\r\ny=220\r\n";
  Write(big);
  ProfileFile ini(path_);
  EXPECT_FALSE(ini.Update([](ProfileText& text) { text.WriteString("MainW", "x", "1"); }));
  EXPECT_FALSE(ini.Update([](ProfileText& text) { text.EraseSection("Notes"); }));
  EXPECT_EQ(Read(), big);
  // Read whole, the same file takes every change of one update in one write.
  Write("[AnalWin]\r\ny=220\r\n");
  EXPECT_TRUE(ini.Update([](ProfileText& text) {
    text.WriteString("MainW", "x", "1");
    text.WriteString("AnalWin", "y", "221");
  }));
  EXPECT_EQ(Read(), "[AnalWin]\r\ny=221\r\n\r\n[MainW]\r\nx=1\r\n");
}

TEST_F(ProfileFileTest, CreatesTheConfigurationFolder) {
  const std::string nested = (dir_ / "a" / "b" / "vorel.ini").string();
  ProfileFile ini(nested);
  ini.Update([](ProfileText& text) { text.WriteString("MainW", "x", "3"); });
  EXPECT_EQ(ProfileFile(nested).Entries().ReadInteger("MainW", "x", 0), 3);
}

TEST(ProfileFilePath, FollowsXdgConfigHome) {
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old ? old : "";
  ::setenv("XDG_CONFIG_HOME", "/tmp/xdg-here", 1);
  EXPECT_EQ(ProfileFile::DefaultPath(), "/tmp/xdg-here/vorel.ini");
  ::setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(ProfileFile::DefaultPath(), std::string(std::getenv("HOME")) + "/.config/vorel.ini");
  if (old)
    ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  else
    ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace vorel
