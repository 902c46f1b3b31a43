// The word-rank table after a main dictionary's lookup index: written by the
// builder's writer, read back by the dictionary, and refused when damaged.
#include "spelling/WordRanks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "TestFiles.h"
#include "common/ByteWriter.h"
#include "spelling/MainDictionary.h"
#include "tools/lib/MainDictIndexWriter.h"
#include "tools/lib/WordRankWriter.h"

namespace wx {
namespace {

class Ranks : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(test::WriteTestMainDictionary(dir, {"apple", "banana", "cherry", "date", "elder"}, error)) << error;
    path = dir.File("test.qxm");
    tools::MainDictIndexStats stats;
    ASSERT_TRUE(tools::AddLookupIndex(path, stats, error)) << error;
  }
  bool AddRanks(const std::vector<std::pair<std::string, uint8_t>>& ranks) {
    std::string error;
    size_t bytes = 0;
    const bool ok = tools::AddWordRanks(path, ranks, bytes, error);
    EXPECT_TRUE(ok) << error;
    return ok;
  }

  test::ScratchDir dir{"wordranks"};
  std::string path;
};

}  // namespace

TEST_F(Ranks, ReadBackAfterTheIndex) {
  ASSERT_TRUE(AddRanks({{"apple", 0x25}, {"cherry", 0x03}, {"date", 0}}));
  TMainDictionary d;
  ASSERT_TRUE(d.Open(path));
  d.SetActive(true);
  EXPECT_TRUE(d.HasIndex());  // the index still attaches: its checksum covers the table
  EXPECT_TRUE(d.HasWordRanks());
  EXPECT_EQ(d.WordRank("apple"), 0x25);
  EXPECT_EQ(d.WordRank("cherry"), 0x03);
  EXPECT_EQ(d.WordRank("date"), 0);    // rank 0 is not stored
  EXPECT_EQ(d.WordRank("banana"), 0);  // not ranked
  EXPECT_EQ(d.WordRank("zzz"), 0);
  EXPECT_TRUE(d.WordExists("elder"));  // the tree reader is untouched
  EXPECT_FALSE(d.WordExists("eldest"));
  // Without the index, the table is not used either.
  d.SetIndexUse(false);
  EXPECT_FALSE(d.HasWordRanks());
  EXPECT_EQ(d.WordRank("apple"), 0);
}

TEST_F(Ranks, AddingAgainReplacesTheTable) {
  ASSERT_TRUE(AddRanks({{"apple", 7}, {"banana", 9}}));
  const auto size = test::ReadBytes(path).size();
  ASSERT_TRUE(AddRanks({{"banana", 11}, {"cherry", 12}}));
  EXPECT_EQ(test::ReadBytes(path).size(), size);  // two entries each
  TMainDictionary d;
  ASSERT_TRUE(d.Open(path));
  EXPECT_EQ(d.WordRank("apple"), 0);
  EXPECT_EQ(d.WordRank("banana"), 11);
  EXPECT_EQ(d.WordRank("cherry"), 12);
}

TEST_F(Ranks, ADamagedFileHasNoRanks) {
  ASSERT_TRUE(AddRanks({{"apple", 7}}));
  std::string bytes = test::ReadBytes(path);
  bytes[bytes.size() - 9] ^= 0x40;  // inside the table's trailer: the checksum no longer holds
  test::WriteBytes(path, bytes);
  TMainDictionary d;
  ASSERT_TRUE(d.Open(path));
  EXPECT_FALSE(d.HasWordRanks());
  EXPECT_EQ(d.WordRank("apple"), 0);
  EXPECT_TRUE(d.WordExists("apple"));
}

TEST(WordRanks, AttachChecksTheTrailer) {
  // Two entries: hashes, ranks, trailer.
  auto build = [](uint32_t offset, uint32_t count, size_t entries) {
    std::string b(4, 'x');  // bytes before the table
    std::vector<uint32_t> keys = {TWordRanks::Key("one"), TWordRanks::Key("two")};
    std::sort(keys.begin(), keys.end());
    for (size_t i = 0; i < entries; ++i) Put32(b, keys[i % 2]);
    for (size_t i = 0; i < entries; ++i) b.push_back(char(10 + i));
    b.append(TWordRanks::kMagic);
    Put32(b, offset);
    Put32(b, count);
    return b;
  };
  auto attach = [](const std::string& b, TWordRanks& r) {
    return r.Attach(reinterpret_cast<const uint8_t*>(b.data()), b.size());
  };
  TWordRanks r;
  const std::string good = build(4, 2, 2);
  ASSERT_TRUE(attach(good, r));
  EXPECT_NE(r.Rank("one"), 0);
  EXPECT_NE(r.Rank("two"), 0);
  EXPECT_EQ(r.Rank("three"), 0);
  EXPECT_FALSE(attach(build(4, 3, 2), r));           // more entries than bytes
  EXPECT_FALSE(attach(build(5, 2, 2), r));           // the bytes do not fill the table
  EXPECT_FALSE(attach(build(0xFFFFFFF0u, 2, 2), r));  // past the end
  EXPECT_FALSE(attach(build(4, 0xFFFFFFFFu, 2), r));
  EXPECT_FALSE(attach(good.substr(1), r));           // the magic no longer at its place
  EXPECT_FALSE(attach(std::string("QXMRANK"), r));   // shorter than a trailer
  EXPECT_FALSE(r.Attached());
  EXPECT_EQ(r.Rank("one"), 0);
}

std::string Name(char first, int i) {
  std::string s(1, first);
  s += std::to_string(i);
  return s;
}

TEST(WordRanks, FindsEveryWordOfALargeTable) {
  // Keys sorted as the writer sorts them; every word found, the others not.
  std::vector<std::pair<uint32_t, uint8_t>> table;
  for (int i = 0; i < 5000; ++i) table.push_back({TWordRanks::Key(Name('w', i)), uint8_t(1 + i % 250)});
  std::sort(table.begin(), table.end());
  std::string b;
  for (const auto& e : table) Put32(b, e.first);
  for (const auto& e : table) b.push_back(char(e.second));
  b.append(TWordRanks::kMagic);
  Put32(b, 0);
  Put32(b, uint32_t(table.size()));
  TWordRanks r;
  ASSERT_TRUE(r.Attach(reinterpret_cast<const uint8_t*>(b.data()), b.size()));
  for (int i = 0; i < 5000; ++i) ASSERT_EQ(r.Rank(Name('w', i)), uint8_t(1 + i % 250)) << i;
  for (int i = 0; i < 5000; ++i) EXPECT_EQ(r.Rank(Name('x', i)), 0) << i;
}

TEST(WordRanks, RankOfCountsAndLists) {
  const std::unordered_map<std::string, double> counts = {{"the", 1000}, {"rare", 1}};
  const std::vector<std::unordered_set<std::string>> lists = {{"the"}, {"the", "rare"}};
  const uint8_t the = tools::WordRankOf("the", counts, lists);
  EXPECT_EQ(TWordRanks::CountClass(the), 20);  // 2 * log2(1001), rounded
  EXPECT_EQ(TWordRanks::ListLevel(the), 2);
  const uint8_t rare = tools::WordRankOf("rare", counts, lists);
  EXPECT_EQ(TWordRanks::CountClass(rare), 2);
  EXPECT_EQ(TWordRanks::ListLevel(rare), 1);
  EXPECT_EQ(tools::WordRankOf("absent", counts, lists), 0);
  EXPECT_EQ(TWordRanks::CountClass(tools::WordRankOf("the", {{"the", 1e12}}, {})), 31);  // capped
}

}  // namespace wx
