// build-thesaurus on a tiny WordNet, read back with the program's reader, and
// the command-line tool's thesaurus command on the result.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
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
        "(2 regular and 3 irregular inflected forms added)", "1 proper names",
        "coverage:   4 of 4 (100.0%)"})
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
