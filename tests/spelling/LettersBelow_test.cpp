// The table of what lies below each node of a main dictionary's tree: every
// node's letter classes equal those of the words below it, whether the table
// is made at once or a few steps at a time, and a file replaced by another
// gets a table of its own.
#include "spelling/LettersBelow.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "common/AnsiText.h"
#include "spelling/MainDictionary.h"

namespace wx {
namespace {

const std::vector<std::string> kWords = {
    "able",    "abler",   "cable",    "cables",   "table",   "tables",  "tablet", "Tabby",   "tab",
    "zebra",   "zebras",  "quiz",     "quizzes",  "naïve",   "Émile",   "o'clock", "x-ray",  "yak",
    "yakking", "walking", "talking",  "stalking", "balking", "Bach",    "bachelor"};

// The classes of the letters of each step's run and of every path below it,
// by node number,
// found by walking the whole tree; false when a node is met twice with
// different answers (the tree shares branches, never differently).
bool WalkTruth(TMainDictionary& d, const TMainDictionary::Branch& branch, std::map<uint32_t, uint32_t>& truth,
               uint32_t& letters) {
  letters = 0;
  uint32_t offset = branch.offset;
  for (uint32_t i = 0; i < branch.count; ++i) {
    TMainDictionary::TreeStep step;
    if (!d.NextStep(branch, offset, step)) return false;
    uint32_t run = 0;
    for (uint32_t r = 0; r < step.runLength; ++r) run |= TLettersBelow::Class(AnsiLowerChar(step.run[r]));
    uint32_t below = 0;
    if (step.hasBelow && !WalkTruth(d, step.below, truth, below)) return false;
    const auto [at, added] = truth.emplace(step.number, run | below);
    if (!added && at->second != (run | below)) return false;
    letters |= TLettersBelow::Class(AnsiLowerChar(step.ch)) | run | below;
  }
  return true;
}

std::map<uint32_t, uint32_t> Truth(TMainDictionary& d) {
  std::map<uint32_t, uint32_t> truth;
  for (int c = 1; c < 256; ++c) {
    TMainDictionary::Branch below;
    bool oneLetter;
    uint32_t letters;
    if (d.FirstLetterBranch(uint8_t(c), below, oneLetter)) {
      EXPECT_TRUE(WalkTruth(d, below, truth, letters));
    }
  }
  return truth;
}

std::string BuildImage(const std::vector<std::string>& words) {
  std::string image, error;
  tools::MainDictStats stats;
  EXPECT_TRUE(tools::BuildMainDictionary(words, {}, image, stats, error)) << error;
  return image;
}

TEST(LettersBelow, EveryNodeHoldsTheLettersOfTheWordsBelowIt) {
  test::ScratchDir dir{"letters-below"};
  test::WriteBytes(dir.File("test.qxm"), BuildImage(kWords));
  TMainDictionary d;
  ASSERT_TRUE(d.Open(dir.File("test.qxm")));
  d.SetActive(true);
  const auto truth = Truth(d);
  ASSERT_GT(truth.size(), 30u);
  // Before the table is made every node may hold anything.
  for (const auto& [number, letters] : truth) EXPECT_EQ(d.LettersBelow(number), TLettersBelow::kAll);

  // A few steps at a time: each answer is the truth or, while the node is
  // not made yet, every class; never fewer letters than lie below.
  size_t slices = 0;
  for (bool done = false; !done && slices < 10000; ++slices) {
    d.AdvanceLettersBelow(3);
    done = true;
    for (const auto& [number, letters] : truth) {
      const uint32_t got = d.LettersBelow(number);
      if (got != TLettersBelow::kAll) {
        EXPECT_EQ(got, letters) << number;
      }
      done = done && got == letters;
    }
  }
  EXPECT_GT(slices, 10u);
  for (const auto& [number, letters] : truth) EXPECT_EQ(d.LettersBelow(number), letters) << number;
  // A number that is no node may hold anything.
  EXPECT_EQ(d.LettersBelow(d.NodeCount() + 5), TLettersBelow::kAll);

  // Kept while the file is the same, through the program's deactivations.
  d.SetActive(false);
  d.SetActive(true);
  d.AdvanceLettersBelow(1);
  for (const auto& [number, letters] : truth) EXPECT_EQ(d.LettersBelow(number), letters) << number;
}

TEST(LettersBelow, AReplacedFileGetsATableOfItsOwn) {
  test::ScratchDir dir{"letters-below-replaced"};
  const std::string path = dir.File("test.qxm");
  test::WriteBytes(path, BuildImage(kWords));
  TMainDictionary d;
  ASSERT_TRUE(d.Open(path));
  d.AdvanceLettersBelow(1 << 20);  // starts the table
  d.AdvanceLettersBelow(1 << 20);
  // Another word list in the same file (the dictionary update tool replaces
  // files between checks): the node numbers now mean other nodes.
  d.SetActive(false);
  test::WriteBytes(path, BuildImage({"mop", "mope", "moped", "map", "maps", "nap", "napkin", "kin"}));
  d.SetActive(true);
  const auto truth = Truth(d);
  for (const auto& [number, letters] : truth) EXPECT_EQ(d.LettersBelow(number), TLettersBelow::kAll);
  d.AdvanceLettersBelow(1 << 20);
  for (const auto& [number, letters] : truth) EXPECT_EQ(d.LettersBelow(number), TLettersBelow::kAll);
  d.AdvanceLettersBelow(1 << 20);
  for (const auto& [number, letters] : truth) EXPECT_EQ(d.LettersBelow(number), letters) << number;
  // The words of "moped": p, e, d below the "o" after the first letter.
  const uint32_t mope = TLettersBelow::Class('p') | TLettersBelow::Class('e') | TLettersBelow::Class('d');
  bool seen = false;
  for (const auto& [number, letters] : truth) seen = seen || letters == mope;
  EXPECT_TRUE(seen);
}

TEST(LettersBelow, ADamagedTreeGivesEveryClassWhereItCannotBeRead) {
  // Bytes of the tree changed at random: every pass ends, inside the file
  // (the sanitizer build checks each read), one slice or many.
  test::ScratchDir dir{"letters-below-damaged"};
  test::ForEachDamagedCopy(BuildImage(kWords), 30, 12, 777, [&](int round, const std::string& bad) {
    test::WriteBytes(dir.File("test.qxm"), bad);
    TMainDictionary d;
    if (!d.Open(dir.File("test.qxm"))) return;
    for (int slice = 0; slice < 200; ++slice) d.AdvanceLettersBelow(round % 2 ? 7 : 1 << 20);
    for (uint32_t n = 0; n < d.NodeCount() + 2; ++n) d.LettersBelow(n);
  });
}

}  // namespace
}  // namespace wx
