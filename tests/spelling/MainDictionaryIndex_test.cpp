// The lookup index after a main dictionary's tree must answer exactly what
// walking the tree answers, and must be left aside whenever it may not.
#include "spelling/MainDictionaryIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>

#include "spelling/MainDictionary.h"
#include "spelling/PhoneticsMap.h"
#include "TestFiles.h"
#include "tools/lib/MainDictIndexWriter.h"
#include "tools/lib/MainDictWriter.h"

namespace wx {
namespace {

using test::ScratchDir;

// Words that sound alike in many ways: syllables with the letter groups the
// English rules treat specially.
std::vector<std::string> SoundAlikeWords() {
  const char* parts[] = {"ba", "con", "ter", "ght", "ph", "tion", "x", "ch", "ough", "igh", "sh", "ck",
                         "dge", "wh", "ya", "th", "ci", "ge", "le", "ss", "an", "ea", "o", "e", "Ma", "qu"};
  std::mt19937 rng(3);
  std::set<std::string> words;
  while (words.size() < 6000) {
    std::string w;
    const size_t n = 1 + rng() % 4;
    for (size_t i = 0; i < n; ++i) w += parts[rng() % (sizeof parts / sizeof *parts)];
    words.insert(w);
  }
  // A word above another on the same path whose code is longer: the walk
  // stops at "hig" (code "hik") when looking for "hi", so "high" is not offered.
  for (const char* w : {"hig", "high", "highs", "hie", "hi"}) words.insert(w);
  // 700 words with one code below "ba": the search stops after 500.
  const char* vowels = "aeiou";
  for (int i = 0; i < 700; ++i) {
    std::string w = "bax";
    for (int k = i; k; k /= 5) w.push_back(vowels[k % 5]);
    words.insert(w);
  }
  return {words.begin(), words.end()};
}

std::string WriteIndexed(const ScratchDir& dir, const std::string& name, const std::vector<std::string>& words,
                         uint32_t language = 0x0409) {
  std::string image, error;
  tools::MainDictStats stats;
  tools::MainDictOptions opt;
  opt.language = language;
  EXPECT_TRUE(tools::BuildMainDictionary(words, opt, image, stats, error)) << error;
  const std::string path = dir.File(name);
  test::WriteBytes(path, image);
  tools::MainDictIndexStats indexStats;
  EXPECT_TRUE(tools::AddLookupIndex(path, indexStats, error)) << error;
  return path;
}

// Misspellings of the words: a letter replaced, dropped or doubled.
std::vector<std::string> Probes(const std::vector<std::string>& words) {
  std::vector<std::string> probes = {"hie", "hi", "baxo", "phoght", "Maqu", "x", "zzzz"};
  std::mt19937 rng(5);
  for (size_t i = 0; i < words.size(); i += 3) {
    std::string w = words[i];
    const size_t p = rng() % w.size();
    switch (rng() % 3) {
      case 0: w[p] = "aeioushtk"[rng() % 9]; break;
      case 1: if (w.size() > 2) w.erase(p, 1); break;
      default: w.insert(w.begin() + long(p), w[p]); break;
    }
    probes.push_back(w);
  }
  return probes;
}

TEST(MainDictionaryIndex, AnswersWhatTheWalkAnswers) {
  ScratchDir dir("maindict-index");
  const auto words = SoundAlikeWords();
  const std::string path = WriteIndexed(dir, "i.qxm", words);
  TMainDictionary indexed, walked;
  ASSERT_TRUE(indexed.Open(path));
  ASSERT_TRUE(walked.Open(path));
  walked.SetIndexUse(false);
  indexed.SetActive(true);
  walked.SetActive(true);
  ASSERT_TRUE(indexed.HasIndex());
  ASSERT_FALSE(walked.HasIndex());

  const std::set<std::string> set(words.begin(), words.end());
  const auto probes = Probes(words);
  // As edit candidates, through the index's filter.
  for (const auto& w : words) ASSERT_TRUE(indexed.WordExists(w, true)) << w;
  for (const auto& p : probes) ASSERT_EQ(indexed.WordExists(p, true), set.count(p) == 1) << p;

  TPhoneticsMap map;
  size_t found = 0;
  for (int language : {0x0409, 0}) {
    map.SetLanguage(language);
    for (const auto& p : probes) {
      // The list already holds an edit candidate: matches skip it in any case spelling.
      std::vector<std::string> a = {"HIGHS"}, b = {"HIGHS"};
      indexed.FindPhoneticMatches(p, map, a);
      walked.FindPhoneticMatches(p, map, b);
      ASSERT_EQ(a, b) << p << " with the rules of language " << language;
      found += a.size() - 1;
    }
  }
  EXPECT_GT(found, probes.size());  // the probes do find sound-alike words

  map.SetLanguage(0x0409);
  std::vector<std::string> list;
  indexed.FindPhoneticMatches("hie", map, list);
  EXPECT_TRUE(std::find(list.begin(), list.end(), "hig") == list.end());
  EXPECT_TRUE(std::find(list.begin(), list.end(), "high") == list.end()) << "the walk never gets past \"hig\"";
  list.clear();
  indexed.FindPhoneticMatches("baxo", map, list);
  EXPECT_EQ(list.size(), TMainDictionary::kMaxPhoneticMatches + 1);
}

TEST(MainDictionaryIndex, IsLeftAsideWhenItMayNotAnswer) {
  ScratchDir dir("maindict-index-aside");
  const auto words = SoundAlikeWords();
  const std::string path = WriteIndexed(dir, "a.qxm", words);
  const std::string good = test::ReadBytes(path);

  // A coder with other settings than the index was built with walks the tree:
  // codes cut after one letter find more words.
  TPhoneticsMap map;
  map.SetLanguage(0x0409);
  map.Limit = 1;
  TMainDictionary indexed, walked;
  ASSERT_TRUE(indexed.Open(path));
  ASSERT_TRUE(walked.Open(path));
  walked.SetIndexUse(false);
  std::vector<std::string> a, b, full;
  indexed.FindPhoneticMatches("conterr", map, a);
  walked.FindPhoneticMatches("conterr", map, b);
  EXPECT_EQ(a, b);
  map.Limit = 6;
  indexed.FindPhoneticMatches("conterr", map, full);
  EXPECT_LT(full.size(), a.size());

  // One byte of the index changed: the checksum no longer holds.
  std::string damaged = good;
  damaged[damaged.size() - 100] ^= 0x20;
  const std::string damagedPath = dir.File("d.qxm");
  test::WriteBytes(damagedPath, damaged);
  TMainDictionary d;
  ASSERT_TRUE(d.Open(damagedPath));
  d.SetActive(true);
  EXPECT_TRUE(d.Active());
  EXPECT_FALSE(d.HasIndex());
  for (const auto& w : words) ASSERT_TRUE(d.WordExists(w, true)) << w;

  // A file without an index, or with bytes after the tree that are none.
  std::string plain = good.substr(0, size_t(indexed.TreeSize()));
  test::WriteBytes(damagedPath, plain + std::string(200, '\0'));
  TMainDictionary p;
  ASSERT_TRUE(p.Open(damagedPath));
  p.SetActive(true);
  EXPECT_FALSE(p.HasIndex());
  EXPECT_TRUE(p.WordExists("high"));

  // Replaced between checks by another indexed dictionary: its own index
  // answers, checked afresh.
  const std::string other = WriteIndexed(dir, "o.qxm", {"telephone", "telefone", "teleflone", "house"});
  TMainDictionary r;
  ASSERT_TRUE(r.Open(path));
  r.SetActive(true);
  ASSERT_TRUE(r.HasIndex());
  r.SetActive(false);
  std::filesystem::copy_file(other, path, std::filesystem::copy_options::overwrite_existing);
  r.SetActive(true);
  EXPECT_TRUE(r.HasIndex());
  EXPECT_TRUE(r.WordExists("telefone", true));
  EXPECT_FALSE(r.WordExists("high", true));
  std::vector<std::string> tele;
  r.FindPhoneticMatches("telefohne", map, tele);
  std::sort(tele.begin(), tele.end());
  EXPECT_EQ(tele, (std::vector<std::string>{"telefone", "telephone"}));
}

TEST(MainDictionaryIndex, WriterKeepsTheTreeAndFingerprintsFollowTheRules) {
  ScratchDir dir("maindict-index-writer");
  std::string image, error;
  tools::MainDictStats stats;
  ASSERT_TRUE(tools::BuildMainDictionary({"one", "two", "three"}, {}, image, stats, error));
  const std::string path = dir.File("w.qxm");
  test::WriteBytes(path, image);
  tools::MainDictIndexStats indexStats;
  ASSERT_TRUE(tools::AddLookupIndex(path, indexStats, error)) << error;
  // Indexing again replaces the index instead of stacking a second one.
  ASSERT_TRUE(tools::AddLookupIndex(path, indexStats, error)) << error;
  const std::string indexed = test::ReadBytes(path);
  EXPECT_EQ(indexed.substr(0, image.size()), image);
  EXPECT_EQ(indexed.size(), image.size() + indexStats.indexBytes);
  EXPECT_EQ(indexStats.words, 3u);
  EXPECT_EQ(indexStats.ruleSets, 1u);  // the dictionary's language only
  EXPECT_FALSE(tools::AddLookupIndex(dir.File("missing.qxm"), indexStats, error));

  TPhoneticsMap a, b;
  a.SetLanguage(0x0409);
  b.SetLanguage(0x0809);
  EXPECT_EQ(a.CodeFingerprint(), b.CodeFingerprint());
  const uint64_t english = a.CodeFingerprint();
  a.SetLanguage(0);
  EXPECT_NE(a.CodeFingerprint(), english);
  a.SetLanguage(0x0409);
  EXPECT_EQ(a.CodeFingerprint(), english);
  a.SetStartDepth(3);
  EXPECT_NE(a.CodeFingerprint(), english);
  a.SetStartDepth(2);
  a.Add("zz", "q", 2);
  EXPECT_NE(a.CodeFingerprint(), english);
}

}  // namespace
}  // namespace wx
