#include "spelling/MainDictionary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <memory>
#include <set>
#include <unordered_map>

#include "common/AnsiText.h"
#include "spelling/MainDictionaryList.h"
#include "TestFiles.h"
#include "tools/lib/MainDictWriter.h"
#include "tools/lib/WordList.h"

namespace wx {
namespace {

using test::ScratchDir;

std::string BuildImage(const std::vector<std::string>& words, tools::MainDictOptions opt = {}) {
  std::string image, error;
  tools::MainDictStats stats;
  EXPECT_TRUE(tools::BuildMainDictionary(words, opt, image, stats, error)) << error;
  return image;
}

std::string WriteDict(const ScratchDir& dir, const std::string& name, const std::vector<std::string>& words,
                      tools::MainDictOptions opt = {}) {
  std::string path = dir.File(name);
  test::WriteBytes(path, BuildImage(words, opt));
  return path;
}

// Phonetic code for the tests: the first StartDepth letters, then the
// consonants of the rest (vowels drop out), lower case, at most 8 letters.
class ConsonantCoder : public IPhoneticCoder {
 public:
  explicit ConsonantCoder(int depth = 2) : depth_(depth) {}
  int StartDepth() const override { return depth_; }
  void BuildCode(std::string_view word, std::string& code) override {
    code.clear();
    ++calls;
    for (size_t i = 0; i < word.size() && code.size() < 8; ++i) {
      char c = char(AnsiLowerChar(uint8_t(word[i])));
      if (i < size_t(depth_) || std::string_view("aeiouy").find(c) == std::string_view::npos) code.push_back(c);
    }
  }
  int calls = 0;

 private:
  int depth_;
};

const std::vector<std::string> kWords = {
    "a", "I", "an", "and", "ant", "antelope", "antelopes", "be", "bee", "been", "beer",
    "international", "internationalization", "internet", "interne", "zymurgy", "Zurich", "zurich",
    "co", "cooperate", "cooperation", "caf\xE9", "na\xEFve", "x", "xylophone", "xylophones"};

// MayBegin answers for every pair of bytes the words use (and one they do
// not) whether a word of two letters or more begins with it.
void ExpectBeginnings(TMainDictionary& d, const std::vector<std::string>& words) {
  std::set<uint8_t> bytes = {uint8_t('Q')};
  std::set<std::pair<uint8_t, uint8_t>> begun;
  for (const auto& w : words) {
    for (char c : w) bytes.insert(uint8_t(c));
    if (w.size() >= 2) begun.insert({uint8_t(w[0]), uint8_t(w[1])});
  }
  for (uint8_t a : bytes)
    for (uint8_t b : bytes)
      ASSERT_EQ(d.MayBegin(a, b), begun.count({a, b}) == 1) << int(a) << " " << int(b);
}

struct Variant {
  bool share;
  uint32_t nodeCountField;
  unsigned minRunDepth;
};

class MainDictionaryVariants : public ::testing::TestWithParam<Variant> {};

TEST_P(MainDictionaryVariants, FindsExactlyTheStoredWords) {
  ScratchDir dir("maindict-variants");
  tools::MainDictOptions opt;
  opt.shareSubtrees = GetParam().share;
  opt.minNodeCountField = GetParam().nodeCountField;
  opt.minRunDepth = GetParam().minRunDepth;
  std::string path = WriteDict(dir, "v.qxm", kWords, opt);
  TMainDictionary d;
  ASSERT_TRUE(d.Open(path));
  EXPECT_EQ(d.FileName(), path);
  EXPECT_FALSE(d.Active());  // mapped lazily
  for (const auto& w : kWords) EXPECT_TRUE(d.WordExists(w)) << w;
  EXPECT_TRUE(d.Active());
  for (const char* w : {"", "b", "A", "ante", "antelop", "antelopess", "interna", "internationalizatio",
                        "internets", "Zymurgy", "ZURICH", "xylophon", "xy", "cafe", "coo", "bees", "c"})
    EXPECT_FALSE(d.WordExists(w)) << w;
  EXPECT_EQ(d.WordCount(), kWords.size());
  ExpectBeginnings(d, kWords);
  // Made again after an activation.
  d.SetActive(false);
  EXPECT_TRUE(d.MayBegin('x', 'y'));
  EXPECT_FALSE(d.MayBegin('x', 'x'));
}

INSTANTIATE_TEST_SUITE_P(Layouts, MainDictionaryVariants,
                         ::testing::Values(Variant{true, 0, 4}, Variant{false, 0, 4}, Variant{true, 65535, 4},
                                           Variant{false, 65534, 2}, Variant{true, 0, 100}));

// Enough nodes that references above 0x7FFF need the 3-byte wide form, and
// enough linkage that lists use every child-count encoding.
TEST(MainDictionary, LargeRandomListsMatchASet) {
  ScratchDir dir("maindict-large");
  std::mt19937 rng(7);
  std::set<std::string> words;
  const char letters[] = "etaoinshrdlucmfwypvbgkqjxzETAOIN'\xE9";
  while (words.size() < 40000) {
    std::string w;
    size_t len = 1 + rng() % 14;
    for (size_t i = 0; i < len; ++i) w.push_back(letters[rng() % (sizeof letters - 1)]);
    words.insert(w);
  }
  std::vector<std::string> list(words.begin(), words.end());
  for (bool share : {true, false}) {
    tools::MainDictOptions opt;
    opt.shareSubtrees = share;
    std::string image, error;
    tools::MainDictStats stats;
    ASSERT_TRUE(tools::BuildMainDictionary(list, opt, image, stats, error)) << error;
    if (!share) {
      EXPECT_GT(stats.nodes, 0x8000u);
    }
    std::string path = dir.File(share ? "s.qxm" : "t.qxm");
    test::WriteBytes(path, image);
    TMainDictionary d;
    ASSERT_TRUE(d.Open(path));
    EXPECT_EQ(d.NodeCount() >= 0xFFFF, stats.nodes >= 0xFFFF);
    for (const auto& w : list) ASSERT_TRUE(d.WordExists(w)) << w;
    ExpectBeginnings(d, list);
    std::mt19937 probe(11);
    for (int i = 0; i < 20000; ++i) {
      std::string w;
      size_t len = 1 + probe() % 14;
      for (size_t k = 0; k < len; ++k) w.push_back(letters[probe() % (sizeof letters - 1)]);
      ASSERT_EQ(d.WordExists(w), words.count(w) == 1) << w;
    }
  }
}

// Lookups in the order the suggestion generator makes them (every letter of a
// word replaced, inserted or deleted in turn) resume from the path of the
// previous lookup; the answers must not depend on what was asked before.
TEST(MainDictionary, LookupsOfEditNeighboursMatchASet) {
  ScratchDir dir("maindict-neighbours");
  std::vector<std::string> words = kWords;
  for (const char* w : {"abc", "abcd", "abd", "abxyz", "abxyq", "axle", "axles", "internal", "interval"})
    words.push_back(w);
  const std::set<std::string> set(words.begin(), words.end());
  for (unsigned runDepth : {2u, 4u}) {
    tools::MainDictOptions opt;
    opt.minRunDepth = runDepth;
    TMainDictionary d;
    ASSERT_TRUE(d.Open(WriteDict(dir, "n.qxm", words, opt)));
    const std::string letters = "abcdeilnrtxyz";
    for (const auto& w : words)
      for (size_t p = 0; p <= w.size(); ++p)
        for (char c : letters) {
          std::string replaced = w, inserted = w, deleted = w;
          if (p < w.size()) replaced[p] = c;
          inserted.insert(inserted.begin() + long(p), c);
          if (p < w.size()) deleted.erase(p, 1);
          for (const auto& probe : {replaced, inserted, deleted, w})
            ASSERT_EQ(d.WordExists(probe), set.count(probe) == 1) << probe << " after " << w;
        }
  }
}

TEST(MainDictionary, HeaderChecksAndReopening) {
  ScratchDir dir("maindict-header");
  tools::MainDictOptions opt;
  opt.title = "Fran\xC3\xA7" "ais \xE2\x80\x94 test";  // UTF-8: "Français — test"
  opt.language = 0x040C;
  std::string image = BuildImage({"un", "deux"}, opt);

  std::string good = dir.File("good.qxm");
  test::WriteBytes(good, image);
  TMainDictionary d;
  ASSERT_TRUE(d.Open(good));
  EXPECT_EQ(d.Title(), "Fran\xE7" "ais \x97 test");  // Windows-1252
  EXPECT_EQ(d.Language(), 0x040C);

  // Bytes after the banner in the header block are free.
  std::string free = image;
  for (size_t i = kMainDictionaryBanner.size(); i < 1024; ++i) free[i] = char(i * 7);
  std::string freePath = dir.File("free.qxm");
  test::WriteBytes(freePath, free);
  TMainDictionary f;
  ASSERT_TRUE(f.Open(freePath));
  EXPECT_TRUE(f.WordExists("deux"));

  // Any banner byte wrong, a file of exactly 1024 bytes, a missing file: refused, FileName kept.
  for (size_t at : {size_t(0), size_t(60), kMainDictionaryBanner.size() - 1}) {
    std::string bad = image;
    bad[at] = char(bad[at] ^ 0x20);
    test::WriteBytes(dir.File("bad.qxm"), bad);
    EXPECT_FALSE(d.Open(dir.File("bad.qxm")));
    EXPECT_EQ(d.FileName(), good);
  }
  test::WriteBytes(dir.File("short.qxm"), image.substr(0, 1024));
  EXPECT_FALSE(d.Open(dir.File("short.qxm")));
  EXPECT_FALSE(d.Open(dir.File("missing.qxm")));
  EXPECT_EQ(d.FileName(), good);
  EXPECT_EQ(d.Title(), "Fran\xE7" "ais \x97 test");

  // Reopening an active dictionary maps the new file and resets the hit count.
  std::string other = dir.File("other.qxm");
  test::WriteBytes(other, BuildImage({"one", "two"}));
  ASSERT_TRUE(d.WordExists("un"));
  d.SetHitCount(5);
  ASSERT_TRUE(d.Open(other));
  EXPECT_TRUE(d.Active());
  EXPECT_EQ(d.HitCount(), 0);
  EXPECT_TRUE(d.WordExists("two"));
  EXPECT_FALSE(d.WordExists("un"));
}

// The dictionary update tool replaces a file between checks: the next
// activation reads the new file with its own layout.
TEST(MainDictionary, AFileReplacedWhileInactiveIsReadWithItsNewLayout) {
  ScratchDir dir("maindict-replaced");
  const std::string path = dir.File("r.qxm");
  test::WriteBytes(path, BuildImage({"one", "two", "three"}));
  TMainDictionary d;
  ASSERT_TRUE(d.Open(path));
  ASSERT_TRUE(d.WordExists("two"));
  d.SetActive(false);
  tools::MainDictOptions opt;
  opt.title = "A longer title moves every block";
  opt.language = 0x040C;
  test::WriteBytes(path, BuildImage(kWords, opt));
  for (const auto& w : kWords) EXPECT_TRUE(d.WordExists(w)) << w;
  EXPECT_FALSE(d.WordExists("two"));
  EXPECT_EQ(d.Title(), opt.title);
  EXPECT_EQ(d.Language(), 0x040C);
  // Replaced by something that is no dictionary: inactive, every lookup false.
  d.SetActive(false);
  test::WriteBytes(path, std::string(2048, 'x'));
  EXPECT_FALSE(d.WordExists("antelope"));
  EXPECT_FALSE(d.Active());
}

TEST(MainDictionary, TruncatedOrDamagedBodiesNeverReadOutside) {
  ScratchDir dir("maindict-damaged");
  std::string image = BuildImage(kWords);
  // A body cut anywhere: the header may still be accepted, but the dictionary
  // stays inactive and every lookup answers false.
  for (size_t cut : {size_t(1100), image.size() / 2, image.size() - 1}) {
    std::string path = dir.File("cut.qxm");
    test::WriteBytes(path, image.substr(0, cut));
    TMainDictionary d;
    d.Open(path);
    EXPECT_FALSE(d.WordExists("antelope"));
    EXPECT_FALSE(d.Active());
  }
  // Random damage to the node and linkage bytes: lookups and searches end
  // (the sanitizers watch the reads).
  std::mt19937 rng(3);
  ConsonantCoder coder;
  for (int round = 0; round < 300; ++round) {
    std::string bad = image;
    for (int k = 0; k < 4; ++k) bad[1100 + rng() % (bad.size() - 1100)] = char(rng());
    std::string path = dir.File("bad.qxm");
    test::WriteBytes(path, bad);
    TMainDictionary d;
    d.SetSearchVisitLimit(20000);
    if (!d.Open(path)) continue;
    for (const auto& w : kWords) d.WordExists(w);
    for (uint8_t a : {'a', 'i', 'x'})
      for (uint8_t b : {'n', 'e', 'y'}) d.MayBegin(a, b);
    std::vector<std::string> list;
    d.FindPhoneticMatches("antilope", coder, list);
    d.FindPhoneticMatches("intrnet", coder, list);
    EXPECT_LE(list.size(), TMainDictionary::kMaxPhoneticMatches + 1);
  }
}

// A file written byte by byte: 4-byte nodes only (no runs), 2-byte references.
struct RawFirstLetter {
  uint8_t letter, count;
  uint32_t link;
};
std::string RawImage(const std::vector<uint32_t>& nodes, const std::string& linkage,
                     const std::vector<RawFirstLetter>& firstLetters) {
  std::string img(kMainDictionaryBanner);
  img.resize(1024, '\0');
  auto u32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) img.push_back(char(v >> (8 * i)));
  };
  img.push_back('\0');       // no title
  img.append(2, '\0');       // its terminating unit
  u32(0x0409);               // language
  u32(1);                    // words
  u32(uint32_t(nodes.size()));
  u32(uint32_t(nodes.size()));  // C0: every node in block 0
  for (int k = 1; k < 9; ++k) u32(0);
  for (uint32_t n : nodes) u32(n);
  u32(uint32_t(linkage.size()));
  img += linkage;
  std::string table(2048, '\0');
  for (const auto& f : firstLetters) {
    table[f.letter * 8 + 1] = char(f.count);
    for (int i = 0; i < 4; ++i) table[f.letter * 8 + 4 + i] = char(f.link >> (8 * i));
  }
  img += table;
  img.append(1024, '\0');
  return img;
}
uint32_t RawNode(char ch, uint32_t count, uint32_t link, bool endOfWord) {
  return uint8_t(ch) | (link << 8) | (count << 28) | (endOfWord ? 0x80000000u : 0u);
}

// A child count of 1 kept in the linkage area (the form the writer uses for a
// single child numbered 0xFFFFF or above) is followed by a reference, like
// any other count there.
TEST(MainDictionary, ACountOfOneInTheLinkageIsFollowedByAReference) {
  ScratchDir dir("maindict-raw");
  // root -> a -> b -> c; b's single child is listed in the linkage: count 1, node 3.
  const std::vector<uint32_t> nodes = {RawNode(0, 1, 1, false), RawNode('a', 1, 2, false),
                                       RawNode('b', 0, 0, false), RawNode('c', 0, 0xFFFFF, true)};
  const std::string linkage("\x01\x03\x00", 3);
  const std::string path = dir.File("raw.qxm");
  test::WriteBytes(path, RawImage(nodes, linkage, {{'a', 1, 2}}));
  TMainDictionary d;
  ASSERT_TRUE(d.Open(path));
  EXPECT_TRUE(d.WordExists("abc"));
  EXPECT_FALSE(d.WordExists("ab"));
  EXPECT_FALSE(d.WordExists("abd"));
  EXPECT_FALSE(d.WordExists("aba"));  // node 1 ('a') is not b's child
  std::vector<std::string> list;
  ConsonantCoder coder;
  d.FindPhoneticMatches("abc", coder, list);
  EXPECT_EQ(list, std::vector<std::string>{"abc"});
}

TEST(MainDictionary, OneLetterWordsComeFromTheTable) {
  ScratchDir dir("maindict-letters");
  TMainDictionary d;
  ASSERT_TRUE(d.Open(WriteDict(dir, "l.qxm", {"a", "ab", "q"})));
  ASSERT_TRUE(d.WordExists("a"));
  EXPECT_TRUE(d.FirstLetterTable()['a'].oneLetterWord);
  EXPECT_EQ(d.FirstLetterTable()['a'].childCount, 1);
  EXPECT_TRUE(d.WordExists("q"));
  EXPECT_EQ(d.FirstLetterTable()['q'].childCount, 0);
  EXPECT_FALSE(d.WordExists("b"));
  EXPECT_FALSE(d.WordExists("qa"));
  // The character table records what the words use.
  EXPECT_EQ(d.CharacterTable()['a' * 4], 'a');
  EXPECT_EQ(d.CharacterTable()['a' * 4 + 1], 'A');
  EXPECT_EQ(d.CharacterTable()['q' * 4 + 2] & 5, 5);
  EXPECT_EQ(d.CharacterTable()['z' * 4 + 2] & 1, 0);
}

TEST(MainDictionary, PhoneticMatches) {
  ScratchDir dir("maindict-phonetic");
  std::vector<std::string> words = {"fanatic", "fanatico", "fanatical", "fantastic", "phonetic", "funnytic", "fan",
                                    "fn",      "fontic",    "Fantic",    "fnt",      "ant",      "antique"};
  for (bool share : {true, false}) {
    tools::MainDictOptions opt;
    opt.shareSubtrees = share;
    TMainDictionary d;
    ASSERT_TRUE(d.Open(WriteDict(dir, "p.qxm", words, opt)));
    ConsonantCoder coder;
    // Code "fa"+"ntc": the words below "fa" with that code, once in any case spelling.
    std::vector<std::string> list;
    d.FindPhoneticMatches("fanatoc", coder, list);
    std::sort(list.begin(), list.end());
    EXPECT_EQ(list, (std::vector<std::string>{"fanatic", "fanatico"})) << "share=" << share;
    list = {"FANATIC"};
    d.FindPhoneticMatches("fanatoc", coder, list);
    EXPECT_EQ(list, (std::vector<std::string>{"FANATIC", "fanatico"}));

    // The word reached by the prefix itself is a candidate too.
    list.clear();
    ConsonantCoder shallow(3);
    d.FindPhoneticMatches("fanu", shallow, list);  // code "fan"
    EXPECT_EQ(list, std::vector<std::string>{"fan"});

    // A code of one character finds nothing; a missing prefix finds nothing.
    list.clear();
    ConsonantCoder one(1);
    d.FindPhoneticMatches("a", one, list);
    d.FindPhoneticMatches("qqqq", coder, list);
    EXPECT_TRUE(list.empty());
  }
}

TEST(MainDictionary, PhoneticSearchPrunesAndCaps) {
  ScratchDir dir("maindict-cap");
  // 700 words with the same code below "ba": b a + x + vowels.
  std::vector<std::string> words;
  const char* vowels = "aeiou";
  for (int i = 0; i < 700; ++i) {
    std::string w = "bax";
    for (int k = i; k; k /= 5) w.push_back(vowels[k % 5]);
    words.push_back(w);
  }
  words.push_back("baxtttttttttt");  // a longer code below the shorter: pruned
  TMainDictionary d;
  ASSERT_TRUE(d.Open(WriteDict(dir, "c.qxm", words)));
  ConsonantCoder coder;
  std::vector<std::string> list;
  d.FindPhoneticMatches("baxo", coder, list);
  EXPECT_EQ(list.size(), TMainDictionary::kMaxPhoneticMatches + 1);
  EXPECT_EQ(std::count(list.begin(), list.end(), "baxtttttttttt"), 0);
}

// Every word has the same code: the search lists the words in stored order.
class SameCoder : public IPhoneticCoder {
 public:
  int StartDepth() const override { return 1; }
  void BuildCode(std::string_view, std::string& code) override { code = "xx"; }
};

TEST(MainDictionaryWriter, ChildrenFollowTheWordWeights) {
  ScratchDir dir("maindict-weights");
  std::vector<std::string> words = {"tab", "tan", "tap", "ten", "the", "then", "thin"};
  std::unordered_map<std::string, double> counts;
  tools::CountTextWords("Then the thin man; then THE end. The tab.", counts);
  EXPECT_EQ(counts["the"], 2);   // "the" and "The"
  EXPECT_EQ(counts["The"], 1);
  EXPECT_EQ(counts["then"], 2);  // "Then" counts for "then"
  EXPECT_EQ(counts["THE"], 1);
  for (bool byText : {false, true}) {
    tools::MainDictOptions opt;
    if (byText) opt.wordWeight = tools::FrequencyWeight(std::make_shared<std::unordered_map<std::string, double>>(counts));
    TMainDictionary d;
    ASSERT_TRUE(d.Open(WriteDict(dir, "w.qxm", words, opt)));
    SameCoder coder;
    std::vector<std::string> list;
    d.FindPhoneticMatches("txx", coder, list);
    // By length alone the three-letter words below "ta" outweigh "th"'s; the
    // text makes "th" the heavier branch, "the" its heaviest word.
    std::vector<std::string> expected = byText ? std::vector<std::string>{"the", "then", "thin", "tab", "tan", "tap", "ten"}
                                               : std::vector<std::string>{"tab", "tan", "tap", "the", "then", "thin", "ten"};
    EXPECT_EQ(list, expected) << byText;
    for (const auto& w : words) EXPECT_TRUE(d.WordExists(w));
  }
}

TEST(MainDictionaryList, HitsReorderingAndPossessives) {
  ScratchDir dir("maindict-list");
  tools::MainDictOptions fr;
  fr.language = 0x040C;
  TMainDictionaryList list;
  auto open = [&](const std::string& name, const std::vector<std::string>& words, tools::MainDictOptions opt) {
    auto d = std::make_unique<TMainDictionary>();
    EXPECT_TRUE(d->Open(WriteDict(dir, name, words, opt)));
    list.Add(std::move(d));
  };
  open("fr.qxm", {"chat", "chien", "dog"}, fr);
  open("en.qxm", {"dog", "cat", "James"}, {});
  open("en2.qxm", {"house", "cat"}, {});
  EXPECT_EQ(list.Language(), 0x040C);
  EXPECT_TRUE(list.HasEnglish());

  EXPECT_TRUE(list.WordExists("dog"));  // the first that holds it counts
  EXPECT_TRUE(list.WordExists("cat"));
  EXPECT_TRUE(list.WordExists("cat"));
  EXPECT_TRUE(list.WordExists("house"));
  EXPECT_FALSE(list.WordExists("mouse"));
  EXPECT_EQ(list[0].HitCount(), 1);
  EXPECT_EQ(list[1].HitCount(), 2);
  EXPECT_EQ(list[2].HitCount(), 1);
  list.Reorder();
  EXPECT_EQ(list[0].Language(), 0x0409);
  EXPECT_EQ(list[1].Language(), 0x040C);  // the others keep their order
  EXPECT_EQ(list[1].HitCount(), 1);
  EXPECT_EQ(list[2].HitCount(), 1);
  list[2].SetHitCount(2);
  list.Reorder();  // equal counts: the one nearer the front stays
  EXPECT_EQ(list[0].WordCount(), 3u);
  EXPECT_EQ(list[0].HitCount(), 2);

  std::string_view stem;
  EXPECT_TRUE(TMainDictionaryList::PossessiveStem("cat's", stem));
  EXPECT_EQ(stem, "cat");
  EXPECT_TRUE(TMainDictionaryList::PossessiveStem("CAT'S", stem));
  EXPECT_FALSE(TMainDictionaryList::PossessiveStem("it's's", stem));  // the first "'s" is not at the end
  EXPECT_FALSE(TMainDictionaryList::PossessiveStem("cats'", stem));
  EXPECT_TRUE(list.IsPossessive("house's"));
  EXPECT_TRUE(list.IsPossessive("James's"));
  EXPECT_FALSE(list.IsPossessive("chat's"));  // only English dictionaries
  EXPECT_FALSE(list.IsPossessive("House's"));
  auto lowerFirst = [](std::string_view w) {
    std::string s(w);
    s[0] = char(AnsiLowerChar(uint8_t(s[0])));
    return s;
  };
  EXPECT_TRUE(list.IsPossessive("House's", lowerFirst));
  EXPECT_FALSE(list.IsPossessive("Mouse's", lowerFirst));
}

}  // namespace
}  // namespace wx
