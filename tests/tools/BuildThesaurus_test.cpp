// build-thesaurus on a tiny WordNet, read back with the program's reader, and
// the command-line tool's thesaurus command on the result.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

#include "thesaurus/ThesaurusBase.h"
#include "thesaurus/ThesaurusFile.h"
#include "tools/WordNetFixture.h"

namespace fs = std::filesystem;

namespace {

struct Ran {
  int status = -1;
  std::string out;
};

// Runs a command line; stdout is captured, stderr goes to err.
Ran RunCommand(const std::string& cmd, const fs::path& err) {
  Ran r;
  FILE* p = popen((cmd + " 2>" + err.string()).c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf;
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
  int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

std::string Slurp(const fs::path& p) {
  std::string s;
  FILE* f = fopen(p.string().c_str(), "rb");
  if (!f) return s;
  std::array<char, 4096> buf;
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), f)) > 0) s.append(buf.data(), n);
  fclose(f);
  return s;
}

class BuildThesaurus : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("wx-build-thes-" + std::to_string(::getpid()));
    fs::create_directories(dir_ / "wn");
    wx::test::WriteWordNetFixture(dir_ / "wn");
    // "drive" gets a synonym, so that it has something to list.
    std::string verbs = Slurp(dir_ / "wn" / "data.verb");
    size_t at = verbs.find("v 01 drive 0 001");
    ASSERT_NE(at, std::string::npos);
    verbs.replace(at, 16, "v 02 drive 0 motor 0 001");
    std::ofstream(dir_ / "wn" / "data.verb", std::ios::binary) << verbs;
    std::ofstream(dir_ / "wn" / "index.verb", std::ios::binary | std::ios::app)
        << "motor v 1 0 1 0 00000300  \n";
  }
  void TearDown() override { fs::remove_all(dir_); }

  Ran Build(const std::string& options, const fs::path& out) {
    return RunCommand(bin_ + "/build-thesaurus " + options + (dir_ / "wn").string() + " " +
                          out.string(),
                      dir_ / "err.txt");
  }

  fs::path dir_;
  const std::string bin_ = WX_BINARY_DIR;
};

TEST_F(BuildThesaurus, WritesMeaningsClustersFormsAndASummary) {
  fs::path out = dir_ / "Thesaurus.qxt";
  Ran built = Build("", out);
  ASSERT_EQ(built.status, 0) << Slurp(dir_ / "err.txt");
  for (const char* line :
       {"meanings:   4 (2 nouns, 1 verbs, 1 adjective clusters, 0 adverbs)", "entries:    4 of 13107",
        "(4 regular and 3 irregular inflected forms added)", "1 proper names",
        // The lemmas with tag counts, and those the glosses use ("vehicle").
        "coverage:   6 of 6 (100.0%)", "by tag counts alone: 4 of the first 4, 4 of 4"})
    EXPECT_NE(built.out.find(line), std::string::npos) << line << "\n" << built.out;
  EXPECT_NE(Slurp(dir_ / "err.txt").find("100%"), std::string::npos);  // progress was shown

  wx::TThesaurusFile t;
  t.SetFileName(out.string());
  ASSERT_TRUE(t.Lookup("auto"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  const auto& car = *t.Contexts()[0];
  EXPECT_EQ(car.contextWord, "car");  // the word that most plainly names the sense
  EXPECT_EQ(car.kindName, "noun");
  EXPECT_EQ(car.kind, 1);
  // Common synonyms first; the broader "vehicle" fills the short list.
  EXPECT_EQ(car.lists[0], (std::vector<std::string>{"car", "auto", "vehicle"}));

  // A one-word synset lists its narrower words.
  ASSERT_TRUE(t.Lookup("vehicle"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  EXPECT_EQ(t.Contexts()[0]->lists[0], (std::vector<std::string>{"vehicle", "car", "auto"}));

  // An adjective's cluster is one meaning under its head, whichever word is looked up.
  for (const char* w : {"big", "great"}) {
    ASSERT_TRUE(t.Lookup(w)) << w;
    ASSERT_EQ(t.Contexts().size(), 1u);
    EXPECT_EQ(t.Contexts()[0]->contextWord, "big");
    EXPECT_EQ(t.Contexts()[0]->kindName, "adjective");
    EXPECT_EQ(t.Contexts()[0]->lists[2], (std::vector<std::string>{"big", "large", "great"}));
  }

  // Inflected forms refer to their base word's meanings: irregular ones,
  // and regular ones by the spelling rules; no regular past beside an
  // irregular one.
  for (const char* w : {"cars", "drove", "driven", "drives", "driving"}) {
    ASSERT_TRUE(t.Lookup(w)) << w;
    ASSERT_EQ(t.Contexts().size(), 1u) << w;
    EXPECT_EQ(t.Contexts()[0]->kind, 0) << w;
    EXPECT_EQ(t.Contexts()[0]->kindName, "word form");
  }
  EXPECT_EQ(wx::TThesaurusBase::ContextWords(*t.Contexts()[0]),
            (std::vector<std::string>{"drive", "motor"}));
  EXPECT_FALSE(t.Lookup("drived"));
  EXPECT_FALSE(t.Lookup("fast"));  // an adverb with nothing to list
  EXPECT_EQ(t.ThesaurusName(), "English");

  // The command-line tool shows what the dialog would.
  Ran cli = RunCommand(bin_ + "/wendrix-cli thesaurus --file " + out.string() + " cars fast GREAT",
                dir_ / "cli-err.txt");
  EXPECT_EQ(cli.status, 1);  // "fast" is not found
  EXPECT_EQ(cli.out, "car\tword form\n  car\n  auto\n  vehicle\nBIG\tadjective\n  BIG\n  LARGE\n  GREAT\n");
  EXPECT_NE(Slurp(dir_ / "cli-err.txt").find("fast: not found"), std::string::npos);
  cli = RunCommand(bin_ + "/wendrix-cli thesaurus --file " + out.string() + " car", dir_ / "cli-err.txt");
  EXPECT_EQ(cli.status, 0);
  cli = RunCommand(bin_ + "/wendrix-cli thesaurus --file " + (dir_ / "none.qxt").string() + " car",
            dir_ / "cli-err.txt");
  EXPECT_EQ(cli.status, 2);
}

// Common words keep a meaning where WordNet gives their most used sense in a
// shape that lists nothing by itself.
TEST_F(BuildThesaurus, CommonWordsKeepAMeaningWhateverTheShapeOfTheirMainSense) {
  auto append = [&](const char* name, const std::string& text) {
    std::ofstream(dir_ / "wn" / name, std::ios::binary | std::ios::app) << text;
  };
  // A proper name that is a lemma's most used sense.
  append("data.noun", "00000900 28 n 02 Monday 0 Mon 0 000 | the second day of the week  \n");
  append("index.noun", "monday n 1 0 1 1 00000900  \nmon n 1 0 1 0 00000900  \n");
  // An adverb whose most used sense is a synset of its own word alone.
  append("data.adv",
         "00000710 02 r 01 calmly 0 000 | with self-possession  \n"
         "00000720 02 r 02 sedately 0 calmly 1 000 | in a sedate manner  \n");
  append("index.adv", "calmly r 2 0 2 2 00000710 00000720  \nsedately r 1 0 1 0 00000720  \n");
  // A verb whose exception list gives its own spelling as its past.
  append("data.verb", "00000310 35 v 02 shed 0 molt 0 000 | cast off hair or skin  \n");
  append("index.verb", "shed v 1 0 1 0 00000310  \n");
  append("verb.exc", "shed shed\n");
  append("cntlist.rev",
         "shed%2:35:00:: 1 2\n"
         "monday%1:28:00:: 1 5\n"
         "calmly%4:02:00:: 1 5\n"
         "calmly%4:02:01:: 2 1\n");
  fs::path out = dir_ / "Thesaurus.qxt";
  Ran built = Build("", out);
  ASSERT_EQ(built.status, 0) << Slurp(dir_ / "err.txt");
  EXPECT_NE(built.out.find("1 proper names (1 kept"), std::string::npos) << built.out;

  wx::TThesaurusFile t;
  t.SetFileName(out.string());
  // "monday" as typed finds the name's meaning; the other proper name of
  // "car" stays out.
  ASSERT_TRUE(t.Lookup("monday"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  EXPECT_EQ(t.Contexts()[0]->contextWord, "Monday");
  EXPECT_EQ(t.Contexts()[0]->lists[0], (std::vector<std::string>{"Monday", "Mon"}));
  ASSERT_TRUE(t.Lookup("car"));
  EXPECT_EQ(t.Contexts().size(), 1u);

  // Its -s and -ing forms are there, no regular past beside the irregular one.
  EXPECT_TRUE(t.Lookup("sheds"));
  EXPECT_TRUE(t.Lookup("shedding"));
  EXPECT_FALSE(t.Lookup("shedded"));

  // The next sense, which has something to list, stands in.
  ASSERT_TRUE(t.Lookup("calmly"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  EXPECT_EQ(t.Contexts()[0]->kindName, "adverb");
  EXPECT_EQ(t.Contexts()[0]->lists[3], (std::vector<std::string>{"calmly", "sedately"}));
}

// What a writer meets first: a participle's own adjective meaning before its
// verb's, words by how often they are used, no abbreviation among them.
TEST_F(BuildThesaurus, MeaningsAndWordsComeInTheOrderAWriterUsesThem) {
  auto append = [&](const char* name, const std::string& text) {
    std::ofstream(dir_ / "wn" / name, std::ios::binary | std::ios::app) << text;
  };
  // A verb with an irregular past that WordNet also lists as an adjective.
  append("data.verb", "00000320 40 v 02 spend 0 expend 0 000 | pay out  \n");
  append("index.verb", "spend v 1 0 1 1 00000320  \nexpend v 1 0 1 0 00000320  \n");
  append("verb.exc", "spent spend\n");
  append("data.adj",
         "00000520 00 a 02 exhausted 0 spent 0 000 | drained of energy  \n"
         "00000530 00 a 02 simultaneous 0 concurrent 0 000 | at the same time  \n");
  append("index.adj",
         "exhausted a 1 0 1 0 00000520  \nspent a 1 0 1 0 00000520  \n"
         "simultaneous a 1 0 1 0 00000530  \nconcurrent a 1 0 1 0 00000530  \n");
  // An adverb of one word, and another adverb from the same adjective.
  append("data.adv",
         "00000730 02 r 01 simultaneously 0 001 \\ 00000530 a 0101 | at the same instant  \n"
         "00000740 02 r 01 concurrently 0 001 \\ 00000530 a 0102 | overlapping in time  \n");
  append("index.adv", "simultaneously r 1 1 \\ 1 0 00000730  \nconcurrently r 1 1 \\ 1 0 00000740  \n");
  // An abbreviation among a frequent noun's synonyms; a meaning that only
  // abbreviations name; a meaning whose words have no tag counts, one of
  // them used in other glosses.
  append("data.noun",
         "00000130 28 n 03 yr 0 year 0 twelvemonth 0 000 | a period of time  \n"
         "00000140 28 n 02 PM 0 pm 0 000 | after noon  \n"
         "00000150 06 n 02 xyster 0 scraper 0 000 | a surgical instrument  \n"
         "00000160 06 n 02 grater 0 rasp 0 000 | a scraper with a rough surface; a kind of scraper  \n"
         "00000180 21 n 02 spent 0 outlay 0 000 | money paid out  \n");
  append("index.noun",
         "yr n 1 0 1 0 00000130  \nyear n 1 0 1 1 00000130  \ntwelvemonth n 1 0 1 0 00000130  \n"
         "pm n 1 0 1 0 00000140  \nxyster n 1 0 1 0 00000150  \nscraper n 1 0 1 0 00000150  \n"
         "grater n 1 0 1 0 00000160  \nrasp n 1 0 1 0 00000160  \n"
         "spent n 1 0 1 0 00000180  \noutlay n 1 0 1 0 00000180  \n");
  append("cntlist.rev",
         "spend%2:40:00:: 1 40\n"
         "year%1:28:00:: 1 50\n"
         "pm%1:28:00:: 1 2\n"
         "simultaneously%4:02:00:: 1 5\n");
  fs::path out = dir_ / "Thesaurus.qxt";
  Ran built = Build("", out);
  ASSERT_EQ(built.status, 0) << Slurp(dir_ / "err.txt");

  wx::TThesaurusFile t;
  t.SetFileName(out.string());
  // "I was spent": the adjective first, then the verb's meaning, which is
  // used more than the word's own rare noun.
  ASSERT_TRUE(t.Lookup("spent"));
  ASSERT_EQ(t.Contexts().size(), 3u);
  EXPECT_EQ(t.Contexts()[0]->kindName, "adjective");
  EXPECT_EQ(wx::TThesaurusBase::ContextWords(*t.Contexts()[0]),
            (std::vector<std::string>{"exhausted", "spent"}));
  EXPECT_EQ(wx::TThesaurusBase::ContextWords(*t.Contexts()[1]),
            (std::vector<std::string>{"spend", "expend"}));
  EXPECT_EQ(t.Contexts()[2]->kindName, "noun");
  // The base verb has only its own meaning.
  ASSERT_TRUE(t.Lookup("spend"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  EXPECT_EQ(t.Contexts()[0]->kindName, "verb");

  // The abbreviation is not among the first three words and does not name
  // the meaning, which it still finds.
  ASSERT_TRUE(t.Lookup("year"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  EXPECT_EQ(t.Contexts()[0]->contextWord, "year");
  EXPECT_EQ(t.Contexts()[0]->lists[0], (std::vector<std::string>{"year", "twelvemonth"}));
  ASSERT_TRUE(t.Lookup("yr"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  EXPECT_EQ(t.Contexts()[0]->contextWord, "year");
  // A meaning named by short words keeps them.
  ASSERT_TRUE(t.Lookup("pm"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  EXPECT_EQ(t.Contexts()[0]->lists[0].size(), 2u);

  // The word the glosses use comes first and names the meaning.
  ASSERT_TRUE(t.Lookup("xyster"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  EXPECT_EQ(t.Contexts()[0]->contextWord, "scraper");
  EXPECT_EQ(t.Contexts()[0]->lists[0], (std::vector<std::string>{"scraper", "xyster"}));

  // An adverb of one word lists the other adverbs of its adjective.
  ASSERT_TRUE(t.Lookup("simultaneously"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  EXPECT_EQ(t.Contexts()[0]->kindName, "adverb");
  EXPECT_EQ(t.Contexts()[0]->lists[3], (std::vector<std::string>{"simultaneously", "concurrently"}));
}

// A list of common words counts as use: a lemma that WordNet's tag counts
// and glosses never mention is among the frequent lemmas when it is listed.
TEST_F(BuildThesaurus, ACommonWordListCountsAsUse) {
  std::ofstream(dir_ / "wn" / "data.noun", std::ios::binary | std::ios::app)
      << "00000170 06 n 02 camel 0 dromedary 0 000 | a beast of burden  \n";
  std::ofstream(dir_ / "wn" / "index.noun", std::ios::binary | std::ios::app)
      << "camel n 1 0 1 0 00000170  \ndromedary n 1 0 1 0 00000170  \n";
  std::ofstream(dir_ / "common.txt") << "camel\ncar\n";
  fs::path out = dir_ / "Thesaurus.qxt";
  // The number of frequent lemmas the summary counts.
  auto frequent = [](const std::string& summary) {
    size_t at = summary.find("coverage:");
    return at == std::string::npos ? -1 : std::atoi(summary.c_str() + summary.find(" of ", at) + 4);
  };
  Ran plain = Build("", out);
  ASSERT_EQ(plain.status, 0) << Slurp(dir_ / "err.txt");
  Ran common = Build("--common " + (dir_ / "common.txt").string() + " ", out);
  ASSERT_EQ(common.status, 0) << Slurp(dir_ / "err.txt");
  // "camel" joins them; "car" was one already.
  EXPECT_EQ(frequent(common.out), frequent(plain.out) + 1) << plain.out << common.out;
  wx::TThesaurusFile t;
  t.SetFileName(out.string());
  ASSERT_TRUE(t.Lookup("camel"));
  EXPECT_EQ(t.Contexts()[0]->lists[0], (std::vector<std::string>{"camel", "dromedary"}));
  EXPECT_EQ(Build("--common " + (dir_ / "none.txt").string() + " ", out).status, 1);
}

TEST_F(BuildThesaurus, AWordListConfirmsRegularForms) {
  std::ofstream(dir_ / "words.txt") << "drives\r\ncar\n";
  fs::path out = dir_ / "Thesaurus.qxt";
  ASSERT_EQ(Build("--words " + (dir_ / "words.txt").string() + " ", out).status, 0)
      << Slurp(dir_ / "err.txt");
  wx::TThesaurusFile t;
  t.SetFileName(out.string());
  EXPECT_TRUE(t.Lookup("drives"));
  EXPECT_FALSE(t.Lookup("driving"));  // not in the list
  EXPECT_TRUE(t.Lookup("cars"));  // irregular forms need no list
  EXPECT_EQ(Build("--words " + (dir_ / "none.txt").string() + " ", out).status, 1);
}

TEST_F(BuildThesaurus, FailsOnABrokenDatabase) {
  fs::remove(dir_ / "wn" / "data.verb");
  Ran built = RunCommand(bin_ + "/build-thesaurus " + (dir_ / "wn").string() + " " +
                      (dir_ / "x.qxt").string(),
                  dir_ / "err.txt");
  EXPECT_EQ(built.status, 1);
  EXPECT_FALSE(fs::exists(dir_ / "x.qxt"));
  EXPECT_EQ(RunCommand(bin_ + "/build-thesaurus", dir_ / "err.txt").status, 2);
}

}  // namespace
