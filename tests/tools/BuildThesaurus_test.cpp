// build-thesaurus on a tiny WordNet, read back with the program's reader, and
// the command-line tool's thesaurus command on the result.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
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
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
  const std::string bin_ = WX_BINARY_DIR;
};

TEST_F(BuildThesaurus, WritesMeaningsKindsFormsAndASummary) {
  fs::path out = dir_ / "Thesaurus.qxt";
  Ran built = RunCommand(bin_ + "/build-thesaurus " + (dir_ / "wn").string() + " " + out.string(),
                  dir_ / "err.txt");
  ASSERT_EQ(built.status, 0) << Slurp(dir_ / "err.txt");
  EXPECT_NE(built.out.find("entries:    2 of 13107"), std::string::npos) << built.out;
  EXPECT_NE(built.out.find("coverage:   3 of 3 (100.0%)"), std::string::npos) << built.out;
  EXPECT_NE(Slurp(dir_ / "err.txt").find("100%"), std::string::npos);  // progress was shown

  wx::TThesaurusFile t;
  t.SetFileName(out.string());
  ASSERT_TRUE(t.Lookup("auto"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  const auto& car = *t.Contexts()[0];
  EXPECT_EQ(car.contextWord, "car");  // the word that most plainly names the sense
  EXPECT_EQ(car.kindName, "noun");
  EXPECT_EQ(car.kind, 1);
  EXPECT_EQ(car.lists[0], (std::vector<std::string>{"car", "auto"}));  // common words first

  ASSERT_TRUE(t.Lookup("great"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  EXPECT_EQ(t.Contexts()[0]->contextWord, "large");
  EXPECT_EQ(t.Contexts()[0]->kindName, "adjective");
  EXPECT_EQ(t.Contexts()[0]->lists[2], (std::vector<std::string>{"large", "great"}));

  // An irregular form refers to its base form's meanings under kind 0.
  ASSERT_TRUE(t.Lookup("cars"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  EXPECT_EQ(t.Contexts()[0]->kind, 0);
  EXPECT_EQ(t.Contexts()[0]->kindName, "word form");
  EXPECT_EQ(wx::TThesaurusBase::ContextWords(*t.Contexts()[0]),
            (std::vector<std::string>{"car", "auto"}));

  EXPECT_FALSE(t.Lookup("vehicle"));  // no synonym: not stored
  EXPECT_EQ(t.ThesaurusName(), "English");

  // The command-line tool shows what the dialog would.
  Ran cli = RunCommand(bin_ + "/wendrix-cli thesaurus --file " + out.string() + " cars vehicle GREAT",
                dir_ / "cli-err.txt");
  EXPECT_EQ(cli.status, 1);  // "vehicle" is not found
  EXPECT_EQ(cli.out, "car\tword form\n  car\n  auto\nLARGE\tadjective\n  LARGE\n  GREAT\n");
  EXPECT_NE(Slurp(dir_ / "cli-err.txt").find("vehicle: not found"), std::string::npos);
  cli = RunCommand(bin_ + "/wendrix-cli thesaurus --file " + out.string() + " car", dir_ / "cli-err.txt");
  EXPECT_EQ(cli.status, 0);
  cli = RunCommand(bin_ + "/wendrix-cli thesaurus --file " + (dir_ / "none.qxt").string() + " car",
            dir_ / "cli-err.txt");
  EXPECT_EQ(cli.status, 2);
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
