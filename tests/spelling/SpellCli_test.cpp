// wendrix-cli list and pipe against a small dictionary built with the writer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TestFiles.h"
#include "tools/lib/MainDictWriter.h"

namespace {

class SpellCli : public ::testing::Test {
 protected:
  void SetUp() override {
    cli = std::string(WX_BINARY_DIR) + "/wendrix-cli";
    if (!std::filesystem::exists(cli)) GTEST_SKIP() << "wendrix-cli not built";
    std::string image, error;
    wx::tools::MainDictStats stats;
    ASSERT_TRUE(wx::tools::BuildMainDictionary({"hello", "world", "the", "cat", "sat", "receive", "help", "held",
                                                "caf\xE9", "word"},
                                               {}, image, stats, error))
        << error;
    dict = dir.File("fixture.qxm");
    wx::test::WriteBytes(dict, image);
  }
  // A dictionary of the words in a language; returns its path.
  std::string Dictionary(const std::string& name, std::vector<std::string> words, uint32_t language) {
    std::string image, error;
    wx::tools::MainDictStats stats;
    wx::tools::MainDictOptions options;
    options.language = language;
    EXPECT_TRUE(wx::tools::BuildMainDictionary(std::move(words), options, image, stats, error)) << error;
    const std::string path = dir.File(name);
    wx::test::WriteBytes(path, image);
    return path;
  }
  std::string Run(const std::string& args, const std::string& input, const std::string& with = {}) {
    const std::string in = dir.File("in.txt"), out = dir.File("out.txt");
    wx::test::WriteBytes(in, input);
    const std::string cmd = cli + " " + args + " -d " + (with.empty() ? dict : with) + " < " + in + " > " + out;
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    return wx::test::ReadBytes(out);
  }

  wx::test::ScratchDir dir{"spellcli"};
  std::string cli, dict;
};

}  // namespace

TEST_F(SpellCli, PipeSpeaksTheIspellProtocol) {
  const std::string out = Run("pipe", "helo world\n^recieve NASA 42\n\nzzxq the the\n");
  const std::string expected =
      "@(#) International Ispell Version 3.2.06 (but really Wendrix 5.1.6)\n"
      "& helo 3 0: hello, help, held\n"  // ranked: a doubled letter, then a key beside the right one
      "*\n"
      "\n"
      "& recieve 1 1: receive\n"
      "*\n"
      "*\n"
      "\n"
      "\n"
      "# zzxq 0\n"
      "*\n"
      "*\n"
      "\n";
  EXPECT_EQ(out, expected);
}

TEST_F(SpellCli, PipeOffersTheClassicSuggestionsOnRequest) {
  // Equal distances: the classic list keeps insertions before replacements.
  EXPECT_EQ(Run("pipe --classic", "helo\n"),
            "@(#) International Ispell Version 3.2.06 (but really Wendrix 5.1.6)\n"
            "& helo 3 0: hello, held, help\n\n");
}

TEST_F(SpellCli, PipeCommandsAndOptions) {
  // "@word" accepts a word for the session; "!" drops the lines of correct words.
  EXPECT_EQ(Run("pipe", "@zzxq\n!\nzzxq cat\n"),
            "@(#) International Ispell Version 3.2.06 (but really Wendrix 5.1.6)\n\n");
  // Without the all-capitals rule NASA is flagged; UTF-8 in, UTF-8 out.
  EXPECT_EQ(Run("pipe -o -upcase -n 0", "NASA caf\xC3\xA9\n"),
            "@(#) International Ispell Version 3.2.06 (but really Wendrix 5.1.6)\n# NASA 0\n*\n\n");
}

TEST_F(SpellCli, ListPrintsEachMisspelledOccurrence) {
  EXPECT_EQ(Run("list", "helo world helo\n<b>bold</b> me@example.org\r\ncaf\xC3\xA9s\n"),
            "helo\nhelo\nbold\ncaf\xC3\xA9s\n");
}

TEST_F(SpellCli, WordsWithLettersOutsideTheCodePageAreLeftAlone) {
  // "Łódź" cannot be in a Windows-1252 dictionary: it is not reported, nor
  // are pieces of it; an arrow between words separates them.
  const std::string text = "\xC5\x81\xC3\xB3" "d\xC5\xBA helo world\xE2\x86\x92hello caf\xC3\xA9\n";
  EXPECT_EQ(Run("list", text), "helo\n");
  // The pipe counts offsets in characters, not bytes.
  EXPECT_EQ(Run("pipe -n 0", text),
            "@(#) International Ispell Version 3.2.06 (but really Wendrix 5.1.6)\n*\n# helo 5\n*\n*\n*\n\n");
}

TEST_F(SpellCli, TheDictionarysLanguageSetsTheWordRules) {
  // French: elided articles are words of their own ("l'" + "homme").
  const std::string fr = Dictionary("fr.qxm", {"l", "homme", "aujourd'hui", "est"}, 0x040C);
  EXPECT_EQ(Run("list", "l'homme est aujourd'hui\n", fr), "");
  const std::string en = Dictionary("en.qxm", {"l", "homme", "aujourd'hui", "est"}, 0x0409);
  EXPECT_EQ(Run("list", "l'homme est aujourd'hui\n", en), "l'homme\n");
  // Swedish: no suggestion splits a word in two.
  const std::vector<std::string> words{"hello", "world", "worlds"};
  const std::string sv = Dictionary("sv.qxm", words, 0x041D), gb = Dictionary("gb.qxm", words, 0x0809);
  EXPECT_NE(Run("pipe --classic", "helloworld\n", gb).find("hello world"), std::string::npos);
  EXPECT_EQ(Run("pipe --classic", "helloworld\n", sv).find("hello world"), std::string::npos);
}
