// Expanding Hunspell dictionaries: small made-up affix and word files.
#include "tools/lib/HunspellWordList.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "tools/lib/WordList.h"

namespace wx::tools {
namespace {

std::set<std::string> Expand(const std::string& aff, const std::string& dic, HunspellExpansion* statsOut = nullptr,
                             const HunspellOptions& options = {}) {
  std::vector<std::string> out;
  HunspellExpansion stats;
  std::string error;
  EXPECT_TRUE(ExpandHunspellText(aff, dic, out, stats, error, options)) << error;
  if (statsOut) *statsOut = stats;
  return {out.begin(), out.end()};
}

using Words = std::set<std::string>;

struct ScratchDirectory {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("wx-hunspell-" + std::to_string(::getpid()));
  ScratchDirectory() { std::filesystem::create_directories(path); }
  ~ScratchDirectory() { std::filesystem::remove_all(path); }
  std::filesystem::path operator/(const char* name) const { return path / name; }
};

void WriteText(const std::filesystem::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

TEST(HunspellWordList, SuffixesPrefixesAndTheirCrossProduct) {
  const std::string aff =
      "SET UTF-8\n"
      "SFX S Y 2\n"
      "SFX S 0 s [^y]\n"
      "SFX S y ies [^aeiou]y\n"
      "PFX U Y 1\n"
      "PFX U 0 un .\n"
      "SFX N N 1\n"
      "SFX N 0 ness .\n";
  EXPECT_EQ(Expand(aff, "3\ntidy/SU\ncat/S\nkind/NU\n"),
            (Words{"tidy", "tidies", "untidy", "untidies", "cat", "cats", "kind", "kindness", "unkind"}));
}

TEST(HunspellWordList, FlagTypesReadTheSameDictionary) {
  // One dictionary written with each kind of flag.
  const Words expected{"walk", "walks", "walked", "rewalk", "rewalks", "rewalked"};
  EXPECT_EQ(Expand("SFX s Y 1\nSFX s 0 s .\nSFX d Y 1\nSFX d 0 ed .\nPFX r Y 1\nPFX r 0 re .\n", "1\nwalk/sdr\n"),
            expected);
  EXPECT_EQ(Expand("FLAG long\nSFX Sa Y 1\nSFX Sa 0 s .\nSFX Sb Y 1\nSFX Sb 0 ed .\nPFX Pr Y 1\nPFX Pr 0 re .\n",
                   "1\nwalk/SaSbPr\n"),
            expected);
  EXPECT_EQ(Expand("FLAG num\nSFX 101 Y 1\nSFX 101 0 s .\nSFX 7 Y 1\nSFX 7 0 ed .\nPFX 2000 Y 1\nPFX 2000 0 re .\n",
                   "1\nwalk/101,7,2000\n"),
            expected);
  EXPECT_EQ(Expand("SET UTF-8\nFLAG UTF-8\nSFX ä Y 1\nSFX ä 0 s .\nSFX ö Y 1\nSFX ö 0 ed .\nPFX ü Y 1\nPFX ü 0 re .\n",
                   "1\nwalk/äöü\n"),
            expected);
  // Aliases: the .dic names flag sets by number.
  EXPECT_EQ(Expand("AF 2\nAF sd\nAF r\nSFX s Y 1\nSFX s 0 s .\nSFX d Y 1\nSFX d 0 ed .\nPFX r Y 1\nPFX r 0 re .\n",
                   "2\nwalk/1\ndo/2\n"),
            (Words{"walk", "walks", "walked", "do", "redo"}));
}

TEST(HunspellWordList, ContinuationClassesAddASecondSuffix) {
  // German-like: an adjective ending, then a case ending on top of it.
  const std::string aff =
      "SET UTF-8\n"
      "SFX A Y 1\n"
      "SFX A 0 er/E .\n"
      "SFX E Y 2\n"
      "SFX E 0 e .\n"
      "SFX E 0 en .\n";
  EXPECT_EQ(Expand(aff, "1\nklein/A\n"), (Words{"klein", "kleiner", "kleinere", "kleineren"}));
}

TEST(HunspellWordList, MarksThatKeepFormsOut) {
  const std::string aff =
      "NEEDAFFIX h\n"
      "ONLYINCOMPOUND o\n"
      "FORBIDDENWORD d\n"
      "CIRCUMFIX f\n"
      "SFX S Y 1\n"
      "SFX S 0 s .\n"
      "SFX J Y 2\n"
      "SFX J 0 s/o .\n"    // a joining s: only inside compounds
      "SFX J 0 er/h .\n"   // needs a further affix
      "SFX K Y 1\n"
      "SFX K 0 n .\n"
      "PFX G Y 1\n"
      "PFX G 0 ge/f .\n"   // a circumfix: ge- only with -t
      "SFX T Y 1\n"
      "SFX T 0 t/f .\n";
  HunspellExpansion stats;
  const Words words = Expand(aff,
                             "5\n"
                             "bound/hS\n"     // a stem that is no word alone
                             "arbeit/J\n"
                             "part/o\n"       // a compound part only
                             "badword/dS\n"
                             "sag/GT\n",
                             &stats);
  EXPECT_EQ(words, (Words{"bounds", "arbeit", "sag", "gesagt"}));
  EXPECT_EQ(stats.stems, 5u);
  EXPECT_EQ(stats.forbidden, 1u);
  EXPECT_EQ(stats.compoundOnlyStems, 1u);
  EXPECT_EQ(stats.compoundOnlyForms, 1u);
  EXPECT_EQ(stats.needAffix, 1u);
  // "arbeiter" needs a further affix: given one through its continuation, it is a word.
  EXPECT_EQ(Expand("NEEDAFFIX h\nSFX J Y 1\nSFX J 0 er/hK .\nSFX K Y 1\nSFX K 0 n .\n", "1\narbeit/J\n"),
            (Words{"arbeit", "arbeitern"}));
}

TEST(HunspellWordList, EncodingsAndIgnoredCharacters) {
  // ISO8859-1 bytes, as the SET line says: "é" is the byte 0xE9.
  EXPECT_EQ(Expand("SET ISO8859-1\nSFX S Y 1\nSFX S 0 s .\n", "1\ncaf\xE9/S\n"), (Words{"café", "cafés"}));
  // ISO8859-15 has the euro sign and "œ" where -1 has other characters.
  EXPECT_EQ(Expand("SET ISO8859-15\n", "1\n\xBDuvre\n"), (Words{"œuvre"}));
  // No SET: UTF-8 content (with a byte-order mark) is read as UTF-8 ...
  EXPECT_EQ(Expand("SFX S Y 1\nSFX S 0 s .\n", "\xEF\xBB\xBF" "1\ncoração/S\n"), (Words{"coração", "coraçãos"}));
  // ... and anything else as ISO8859-1.
  EXPECT_EQ(Expand("", "1\nna\xEFve\n"), (Words{"naïve"}));
  std::vector<std::string> out;
  HunspellExpansion stats;
  std::string error;
  EXPECT_FALSE(ExpandHunspellText("SET KOI8-R\n", "1\nx\n", out, stats, error));
  EXPECT_NE(error.find("KOI8-R"), std::string::npos);
  // IGNORE removes characters from stems and affixes (a vowel point, say).
  EXPECT_EQ(Expand("IGNORE -\nSFX S Y 1\nSFX S 0 -s .\n", "1\nco-op/S\n"), (Words{"coop", "coops"}));
  // OCONV gives the output form of a ligature the code page lacks, and
  // leaves conversions of ordinary characters alone.
  EXPECT_EQ(Expand("SET UTF-8\nOCONV 3\nOCONV ĳ ij\nOCONV Ĳ IJ\nOCONV ' ’\nSFX S Y 1\nSFX S 0 s .\n",
                   "2\nĳs/S\nĲsselmeer\nzo'n\n"),
            (Words{"ijs", "ijss", "IJsselmeer", "zo'n"}));
}

TEST(HunspellWordList, DictionaryLinesWithEscapesAndFields) {
  const std::string aff = "SFX S Y 1\nSFX S 0 s .\n";
  // "\/" is a slash in the word; morphological fields after white space.
  EXPECT_EQ(Expand(aff, "3\nand\\/or\nhouse/S po:noun\n# a comment\n"), (Words{"and/or", "house", "houses"}));
  // A group shorter than its header says does not swallow the next group.
  EXPECT_EQ(Expand("SFX S Y 3\nSFX S 0 s .\nSFX D Y 1\nSFX D 0 ed .\n", "1\nwalk/SD\n"),
            (Words{"walk", "walks", "walked"}));
}

TEST(HunspellWordList, ElisionsOnSuffixedFormsCanBeLeftOut) {
  const std::string aff =
      "SFX S Y 1\nSFX S o i .\n"
      "PFX L Y 2\nPFX L 0 l' [aeiou]\nPFX L 0 dell' [aeiou]\n"
      "PFX R Y 1\nPFX R 0 ri .\n";
  EXPECT_EQ(Expand(aff, "1\namico/SLR\n"),
            (Words{"amico", "amici", "l'amico", "dell'amico", "l'amici", "dell'amici", "riamico", "riamici"}));
  HunspellOptions options;
  options.elisionsOnSuffixedForms = false;
  HunspellExpansion stats;
  EXPECT_EQ(Expand(aff, "1\namico/SLR\n", &stats, options),
            (Words{"amico", "amici", "l'amico", "dell'amico", "riamico", "riamici"}));
  EXPECT_EQ(stats.elisionsLeftOut, 2u);
}

TEST(HunspellWordList, FormsThatGrowTooLongCanBeLeftOut) {
  const std::string aff = "SFX S Y 3\nSFX S 0 s .\nSFX S 0 zinho .\nSFX S 0 issimamente .\n";
  HunspellOptions options;
  options.maxGrowth = 5;
  HunspellExpansion stats;
  EXPECT_EQ(Expand(aff, "1\ncas/S\n", &stats, options), (Words{"cas", "cass", "caszinho"}));
  EXPECT_EQ(stats.grownTooLong, 1u);
}

TEST(WordList, WordsAreStoredAsTheParserReadsThem) {
  auto split = [](const std::string& w, bool french) {
    std::vector<std::string> parts;
    SplitAsParsed(w, french, parts);
    return parts;
  };
  using Parts = std::vector<std::string>;
  EXPECT_EQ(split("l'homme", true), (Parts{"l", "homme"}));
  EXPECT_EQ(split("l'homme", false), (Parts{"l'homme"}));
  EXPECT_EQ(split("jusqu'aujourd'hui", true), (Parts{"jusqu", "aujourd'hui"}));
  EXPECT_EQ(split("Entr'ouvrir", true), (Parts{"Entr'ouvrir"}));
  EXPECT_EQ(split("cisalh\xE1-los-ia", false), (Parts{"cisalh\xE1", "los", "ia"}));
  EXPECT_EQ(split("'s-Hertogenbosch", false), (Parts{"s", "Hertogenbosch"}));
  EXPECT_EQ(split("z.B.", false), (Parts{"z.B."}));
  EXPECT_EQ(split("maison", true), (Parts{"maison"}));
}

TEST(WordList, HunspellDictionariesLoadAsParsedWords) {
  const ScratchDirectory dir;
  WriteText(dir / "pt.aff", "SET UTF-8\nSFX L Y 2\nSFX L r r-lhe .\nSFX L r r-se .\n");
  WriteText(dir / "pt.dic", "2\nfalar/L\nma\xC3\xA7\xC3\xA3\n\xC5\x81\xC3\xB3" "d\xC5\xBA\n");
  WordListWords list;
  std::string error;
  ASSERT_TRUE(LoadWordLists({(dir / "pt.dic").string()}, WordListOptions{}, list, error)) << error;
  std::sort(list.words.begin(), list.words.end());
  EXPECT_EQ(list.words, (std::vector<std::string>{"falar", "lhe", "ma\xE7\xE3", "se"}));
  EXPECT_EQ(list.read, 5u);
  EXPECT_EQ(list.split, 2u);
  EXPECT_EQ(list.unrepresentable, 1u);  // "Łódź"
  EXPECT_EQ(list.expansion.stems, 3u);
}

}  // namespace
}  // namespace wx::tools
