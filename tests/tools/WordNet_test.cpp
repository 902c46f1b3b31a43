#include "tools/lib/WordNet.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "tools/WordNetFixture.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;
using wx::tools::WnPos;
using wx::tools::WordNet;

namespace {

class WordNetFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("wx-wordnet-" + std::to_string(::getpid()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    wx::test::WriteWordNetFixture(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }

  fs::path dir_;
};

TEST_F(WordNetFixture, ReadsSynsetsWordsPointersFramesAndGlosses) {
  WordNet wn;
  wn.Load(dir_.string(), false);
  ASSERT_EQ(wn.synsets.size(), 7u);

  int64_t car = wn.Find(WnPos::Noun, 100);
  ASSERT_GE(car, 0);
  const auto& s = wn.synsets[size_t(car)];
  ASSERT_EQ(s.words.size(), 2u);
  EXPECT_EQ(s.words[0].lemma, "car");
  EXPECT_EQ(s.words[1].lemma, "auto");
  EXPECT_EQ(s.lexFile, 6);
  EXPECT_EQ(s.gloss, "a motor vehicle; \"he drove the car\"");
  ASSERT_EQ(s.pointers.size(), 2u);
  EXPECT_EQ(s.pointers[0].symbol, "@");
  EXPECT_EQ(wn.synsets[s.pointers[0].target].words[0].lemma, "vehicle");
  // A pointer into another part of speech, with word numbers.
  EXPECT_EQ(wn.synsets[s.pointers[1].target].pos, WnPos::Verb);
  EXPECT_EQ(s.pointers[1].source, 2);
  EXPECT_EQ(s.pointers[1].dest, 1);

  const auto& drive = wn.synsets[size_t(wn.Find(WnPos::Verb, 300))];
  ASSERT_EQ(drive.frames.size(), 2u);
  EXPECT_EQ(drive.frames[0], std::make_pair(uint8_t(8), uint8_t(0)));
  EXPECT_EQ(drive.frames[1], std::make_pair(uint8_t(9), uint8_t(1)));
  EXPECT_EQ(drive.gloss, "operate a vehicle");

  EXPECT_EQ(wn.Find(WnPos::Noun, 300), -1);  // offsets are per part of speech
  EXPECT_EQ(wn.Find(WnPos::Adv, 999), -1);
}

TEST_F(WordNetFixture, SatellitesMarkersAndLexIds) {
  WordNet wn;
  wn.Load(dir_.string(), false);
  const auto& big = wn.synsets[size_t(wn.Find(WnPos::Adj, 500))];
  EXPECT_FALSE(big.satellite);
  EXPECT_EQ(big.words[0].lemma, "big");
  EXPECT_EQ(big.words[0].marker, "a");
  const auto& large = wn.synsets[size_t(wn.Find(WnPos::Adj, 600))];
  EXPECT_TRUE(large.satellite);
  EXPECT_EQ(large.pos, WnPos::Adj);
  EXPECT_EQ(large.words[1].lemma, "great");
  EXPECT_EQ(large.words[1].marker, "ip");
  EXPECT_EQ(large.words[1].lexId, 1);
  EXPECT_EQ(wn.synsets[size_t(wn.Find(WnPos::Noun, 400))].words[0].lemma, "Car");
}

TEST_F(WordNetFixture, IndexExceptionsAndTagCounts) {
  WordNet wn;
  wn.Load(dir_.string(), false);
  auto car = wn.Lookup("car");
  ASSERT_EQ(car.size(), 1u);
  ASSERT_EQ(car[0]->synsets.size(), 2u);
  EXPECT_EQ(wn.synsets[car[0]->synsets[0]].offset, 100u);  // sense order
  EXPECT_EQ(wn.synsets[car[0]->synsets[1]].offset, 400u);
  EXPECT_EQ(car[0]->tagSenseCount, 1u);
  EXPECT_TRUE(wn.Lookup("cars").empty());
  EXPECT_EQ(wn.Lookup("drive").size(), 1u);

  // Sense 2 of "car" is the proper noun spelled "Car": keys match case-blind.
  EXPECT_EQ(wn.synsets[car[0]->synsets[0]].words[0].tagCount, 30u);
  EXPECT_EQ(wn.synsets[car[0]->synsets[1]].words[0].tagCount, 4u);
  EXPECT_EQ(wn.synsets[size_t(wn.Find(WnPos::Verb, 300))].words[0].tagCount, 16u);
  EXPECT_EQ(wn.synsets[car[0]->synsets[0]].words[1].tagCount, 2u);  // auto
  EXPECT_EQ(wn.LemmaTagCount("car"), 34u);
  EXPECT_EQ(wn.LemmaTagCount("large"), 7u);  // satellite key type 5
  EXPECT_EQ(wn.LemmaTagCount("great"), 0u);
  EXPECT_EQ(wn.LemmaTagCount("unknown"), 0u);

  EXPECT_EQ(wn.exceptions[int(WnPos::Noun)].at("cars"), std::vector<std::string>{"car"});
  EXPECT_EQ(wn.exceptions[int(WnPos::Verb)].at("driven"),
            (std::vector<std::string>{"drive", "drove"}));
  EXPECT_TRUE(wn.exceptions[int(WnPos::Adv)].empty());
}

TEST_F(WordNetFixture, MissingOrMalformedFilesThrow) {
  WordNet wn;
  EXPECT_THROW(wn.Load((dir_ / "nowhere").string(), false), std::runtime_error);
  fs::remove(dir_ / "cntlist.rev");
  EXPECT_THROW(wn.Load(dir_.string(), false), std::runtime_error);
  Write("cntlist.rev", "");
  Write("data.adv", "00000700 02 r 01 fast 0 001 @ 00009999 r 0000 | dangling pointer  \n");
  EXPECT_THROW(wn.Load(dir_.string(), false), std::runtime_error);
  Write("data.adv", "00000700 02 r zz fast 0 000 | bad word count  \n");
  EXPECT_THROW(wn.Load(dir_.string(), false), std::runtime_error);
  Write("data.adv", "00000700 02 r 01 fast 0 000 | quickly  \n");
  Write("index.adv", "fast r 1 0 1 0 00000701  \n");
  EXPECT_THROW(wn.Load(dir_.string(), false), std::runtime_error);
}

TEST(WordNetSystem, LoadsTheInstalledDatabase) {
  if (!fs::exists("/usr/share/wordnet/data.noun")) GTEST_SKIP() << "wordnet-base not installed";
  WordNet wn;
  wn.Load("/usr/share/wordnet", false);
  EXPECT_EQ(wn.synsets.size(), 117659u);  // WordNet 3.0
  auto good = wn.Lookup("good");
  EXPECT_EQ(good.size(), 3u);  // noun, adjective, adverb
  EXPECT_EQ(wn.LemmaTagCount("good"), 301u);  // the sum of its lines in cntlist.rev
  EXPECT_EQ(wn.exceptions[int(WnPos::Verb)].at("went")[0], "go");
}

}  // namespace
