// build-maindict's command line: a bad number is reported as a usage error.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "spelling/MainDictionary.h"

namespace fs = std::filesystem;

namespace {

TEST(BuildMainDict, NonNumericArgumentsExitWithStatusTwo) {
  const fs::path dir = fs::temp_directory_path() / ("wx-build-maindict-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "words.txt") << "cat\ndog\n";
  const std::string tool = std::string(WX_BINARY_DIR) + "/build-maindict";
  const std::string words = (dir / "words.txt").string(), err = (dir / "err.txt").string();
  auto run = [&](const std::string& args) {
    const int st = std::system((tool + " " + args + " >/dev/null 2>" + err).c_str());
    std::ifstream in(err);
    std::stringstream text;
    text << in.rdbuf();
    return std::make_pair(WIFEXITED(st) ? WEXITSTATUS(st) : -1, text.str());
  };
  auto [status, text] = run("--language english " + words + " " + (dir / "a.qxm").string());
  EXPECT_EQ(status, 2);
  EXPECT_NE(text.find("--language"), std::string::npos) << text;
  EXPECT_NE(text.find("english"), std::string::npos) << text;
  EXPECT_FALSE(fs::exists(dir / "a.qxm"));
  std::tie(status, text) = run("--language 0x40c " + words + " " + (dir / "b.qxm").string());
  EXPECT_EQ(status, 0) << text;
  EXPECT_TRUE(fs::exists(dir / "b.qxm"));
  std::tie(status, text) = run("--measure " + words + " --prose " + words + " --top ten");
  EXPECT_EQ(status, 2);
  EXPECT_NE(text.find("--top"), std::string::npos) << text;
  fs::remove_all(dir);
}

TEST(BuildMainDict, BuildsALanguageFromAHunspellDictionary) {
  const fs::path dir = fs::temp_directory_path() / ("wx-build-maindict-de-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  // ISO8859-1 files, as the SET line says; a compound part, a forbidden word,
  // a hyphenated word and one with a letter Windows-1252 lacks.
  std::ofstream(dir / "de.aff", std::ios::binary)
      << "SET ISO8859-1\nONLYINCOMPOUND o\nFORBIDDENWORD d\nSFX E Y 2\nSFX E 0 e .\nSFX E 0 en .\n";
  std::ofstream(dir / "de.dic", std::ios::binary)
      << "6\ngr\xFC\xDF/E\nArbeits/o\nTest\nE-Mail\nStandart/d\nGda\xF1sk\n";
  const std::string tool = std::string(WX_BINARY_DIR) + "/build-maindict";
  const std::string out = (dir / "de.qxm").string(), log = (dir / "log.txt").string();
  const std::string cmd = tool + " --language 0x0407 --title 'Deutsch (Deutschland)' " + (dir / "de.dic").string() +
                          " " + out + " >" + log + " 2>/dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  wx::TMainDictionary dict;
  ASSERT_TRUE(dict.Open(out));
  EXPECT_EQ(dict.Title(), "Deutsch (Deutschland)");
  EXPECT_EQ(dict.Language(), 0x0407);
  for (const char* w : {"gr\xFC\xDF", "gr\xFC\xDF" "e", "gr\xFC\xDF" "en", "Test", "E", "Mail", "Gda\xF1sk"})
    EXPECT_TRUE(dict.WordExists(w)) << w;
  for (const char* w : {"Arbeits", "Standart", "E-Mail"}) EXPECT_FALSE(dict.WordExists(w)) << w;
  EXPECT_TRUE(dict.HasIndex());
  std::ifstream in(log);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("6 stems read, expanded to 6 forms; left out: 1 forbidden stems, 1 compound-only stems"),
            std::string::npos)
      << text.str();
  EXPECT_NE(text.str().find("1 words stored as the parts"), std::string::npos) << text.str();
  fs::remove_all(dir);
}

}  // namespace
