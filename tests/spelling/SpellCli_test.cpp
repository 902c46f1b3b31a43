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
  std::string Run(const std::string& args, const std::string& input) {
    const std::string in = dir.File("in.txt"), out = dir.File("out.txt");
    wx::test::WriteBytes(in, input);
    const std::string cmd = cli + " " + args + " -d " + dict + " < " + in + " > " + out;
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
