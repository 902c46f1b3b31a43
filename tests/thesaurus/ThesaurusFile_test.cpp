#include "thesaurus/ThesaurusFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "thesaurus/ThesaurusFixture.h"
#include "tools/lib/ThesaurusWriter.h"

using wx::TForwardNode;
using wx::TThesaurusFile;
using wx::tools::ThesaurusWriter;
using wx::test::BuildFixture;
using wx::test::Fixture;

namespace {

// Offset of the node table in a file written with the fixture's names.
size_t NodeTableOffset(const TThesaurusFile& t) {
  size_t off = wx::kThesaurusHeaderSize + 1 + t.ThesaurusName().size();
  for (const auto& k : t.KindNames()) off += 1 + k.size();
  return off + 4;
}
size_t LinkAreaOffset(const TThesaurusFile& t) { return NodeTableOffset(t) + t.NodeCount() * 4 + 4; }

void Poke16(std::string& bytes, size_t off, uint16_t v) {
  bytes[off] = char(v & 0xFF);
  bytes[off + 1] = char(v >> 8);
}

TEST(ThesaurusFile, RoundTripsWordsMeaningsAndKinds) {
  TThesaurusFile t;
  ASSERT_TRUE(t.LoadFromBytes(BuildFixture()));
  EXPECT_EQ(t.ThesaurusName(), "Test Thesaurus");
  ASSERT_EQ(t.KindNames().size(), 5u);
  EXPECT_EQ(t.KindNames()[3], "adjective");

  ASSERT_TRUE(t.Lookup("car"));
  EXPECT_EQ(t.ContextWord(), "car");
  ASSERT_EQ(t.Contexts().size(), 2u);
  const auto& m0 = *t.Contexts()[0];
  EXPECT_EQ(m0.contextWord, "car");
  EXPECT_EQ(m0.kind, 1);
  EXPECT_EQ(m0.kindName, "noun");
  EXPECT_EQ(m0.lists[0], (std::vector<std::string>{"car", "automobile", "auto", "vehicle"}));
  EXPECT_TRUE(m0.lists[1].empty());
  // Reference 7 is entry 1 under kind 2.
  const auto& m1 = *t.Contexts()[1];
  EXPECT_EQ(m1.contextWord, "cart");
  EXPECT_EQ(m1.kind, 2);
  EXPECT_EQ(m1.kindName, "verb");
  EXPECT_EQ(m1.lists[0], (std::vector<std::string>{"cart", "wagon"}));

  ASSERT_TRUE(t.Lookup("box"));
  ASSERT_EQ(t.Contexts().size(), 1u);
  const auto& m2 = *t.Contexts()[0];
  EXPECT_EQ(m2.contextWord, "carton");
  EXPECT_EQ(m2.kind, 4);
  EXPECT_EQ(m2.lists[1], std::vector<std::string>{"drive"});
  EXPECT_EQ(m2.lists[3], (std::vector<std::string>{"station", "nation"}));

  // Stored with no references: found, no meanings.
  EXPECT_TRUE(t.Lookup("orphan"));
  EXPECT_TRUE(t.Contexts().empty());
}

TEST(ThesaurusFile, TailChainsAreSharedAndMatchedWhole) {
  ThesaurusWriter::Stats stats;
  TThesaurusFile t;
  ASSERT_TRUE(t.LoadFromBytes(BuildFixture(&stats)));
  // "station" and "nation" end in one chain: "ation" serves both.
  std::vector<std::string> two = {"station", "nation"};
  EXPECT_EQ(ThesaurusWriter::CountNodes(two), 1u + 2u + 6u);  // root, s and n tails, "tation"

  for (const char* w : {"car", "cart", "carton", "auto", "automobile", "station", "nation",
                        "vehicle", "wagon", "Hawaii", "box", "drive", "orphan"}) {
    uint16_t node = 0;
    ASSERT_TRUE(t.FindWord(w, node)) << w;
    std::string back;
    ASSERT_TRUE(t.WordFromNode(node, back)) << w;
    EXPECT_EQ(back, w);
  }
  uint16_t node;
  EXPECT_FALSE(t.FindWord("", node));
  EXPECT_FALSE(t.FindWord("ca", node));        // a prefix, not a word
  EXPECT_FALSE(t.FindWord("carto", node));     // shorter than the chain
  EXPECT_FALSE(t.FindWord("cartons", node));   // longer than the chain
  EXPECT_FALSE(t.FindWord("automobiles", node));
  EXPECT_FALSE(t.FindWord("automobilE", node));
  EXPECT_FALSE(t.FindWord("statio", node));
  EXPECT_FALSE(t.FindWord("zebra", node));
  EXPECT_FALSE(t.Lookup(""));
  EXPECT_TRUE(t.Contexts().empty());
}

TEST(ThesaurusFile, PathNodesBelowTheFirstLetterCarryParents) {
  TThesaurusFile t;
  ASSERT_TRUE(t.LoadFromBytes(BuildFixture()));
  // Walk every path from the root; chains (below tail nodes) are not walked.
  std::vector<std::pair<uint16_t, int>> stack = {{0, 0}};
  int visited = 0;
  while (!stack.empty()) {
    auto [k, depth] = stack.back();
    stack.pop_back();
    TForwardNode n;
    ASSERT_TRUE(t.ReadNode(k, n));
    ++visited;
    if (depth >= 2) {
      EXPECT_TRUE(n.parent) << "node " << k;
      EXPECT_NE(n.parentNumber, 0) << "node " << k;
    }
    if (depth == 1) {
      EXPECT_TRUE(!n.parent || n.parentNumber == 0);
    }
    if (n.tail) {
      EXPECT_TRUE(n.singleChild);
      continue;
    }
    for (uint16_t i = 0; i < n.childCount; ++i) {
      TForwardNode c;
      ASSERT_TRUE(t.ReadNode(n.children[i], c));
      if (depth >= 1) {
        EXPECT_EQ(c.parentNumber, k);
      }
      stack.push_back({n.children[i], depth + 1});
    }
  }
  EXPECT_GT(visited, 10);
}

TEST(ThesaurusFile, CaseRetryCopiesThePatternsCase) {
  TThesaurusFile t;
  ASSERT_TRUE(t.LoadFromBytes(BuildFixture()));
  // All capitals: found through the lower-case retry, results in capitals.
  ASSERT_TRUE(t.Lookup("CAR"));
  EXPECT_EQ(t.ContextWord(), "CAR");
  EXPECT_EQ(t.Contexts()[0]->contextWord, "CAR");
  EXPECT_EQ(t.Contexts()[0]->lists[0],
            (std::vector<std::string>{"CAR", "AUTOMOBILE", "AUTO", "VEHICLE"}));
  // First letter only: first letters become capitals.
  ASSERT_TRUE(t.Lookup("Car"));
  EXPECT_EQ(t.Contexts()[0]->lists[0],
            (std::vector<std::string>{"Car", "Automobile", "Auto", "Vehicle"}));
  EXPECT_EQ(t.Contexts()[1]->contextWord, "Cart");
  // Mixed case without a capital first letter: the lower-case retry finds it, case stays.
  ASSERT_TRUE(t.Lookup("cAR"));
  EXPECT_EQ(t.Contexts()[0]->lists[0][1], "automobile");
  // Found as typed: stored case, even for a capitalised stored word.
  ASSERT_TRUE(t.Lookup("Hawaii"));
  EXPECT_EQ(t.Contexts()[0]->contextWord, "Hawaii");
  ASSERT_TRUE(t.Lookup("car"));
  EXPECT_EQ(t.Contexts()[0]->lists[0][0], "car");
  // The retry only lowers: a word stored with a capital is not found in lower case.
  EXPECT_FALSE(t.Lookup("hawaii"));

  wx::TThesaurusEntry m;
  m.contextWord = "\xe9t\xe9";  // été in the Western code page
  m.lists[2] = {"abc"};
  TThesaurusFile::MatchCase("\xc9T\xc9", m);
  EXPECT_EQ(m.contextWord, "\xc9T\xc9");
  EXPECT_EQ(m.lists[2][0], "ABC");
}

TEST(ThesaurusFile, TruncatedFilesStayUnloaded) {
  std::string bytes = BuildFixture();
  for (size_t n = 0; n < bytes.size(); ++n) {
    TThesaurusFile t;
    EXPECT_FALSE(t.LoadFromBytes(bytes.substr(0, n))) << n;
    EXPECT_FALSE(t.Loaded());
    EXPECT_FALSE(t.Lookup("car"));
  }
  TThesaurusFile t;
  EXPECT_TRUE(t.LoadFromBytes(bytes + "trailing bytes are ignored"));
  EXPECT_TRUE(t.Lookup("car"));
}

TEST(ThesaurusFile, CyclesAndWildNumbersFailTheLookupOnly) {
  std::string good = BuildFixture();
  TThesaurusFile probe;
  ASSERT_TRUE(probe.LoadFromBytes(good));
  uint16_t autoNode = 0, carNode = 0;
  ASSERT_TRUE(probe.FindWord("automobile", autoNode));  // a tail node
  ASSERT_TRUE(probe.FindWord("car", carNode));
  TForwardNode tailNode, car;
  ASSERT_TRUE(probe.ReadNode(autoNode, tailNode));
  ASSERT_TRUE(probe.ReadNode(carNode, car));
  ASSERT_TRUE(tailNode.tail);
  const size_t links = LinkAreaOffset(probe);

  {  // The chain's first node points back at itself: an endless chain.
    std::string bad = good;
    TForwardNode chain;
    ASSERT_TRUE(probe.ReadNode(tailNode.children[0], chain));
    ASSERT_TRUE(chain.singleChild);
    Poke16(bad, links + size_t(chain.linkOffset), tailNode.children[0]);
    TThesaurusFile t;
    ASSERT_TRUE(t.LoadFromBytes(bad));
    EXPECT_FALSE(t.Lookup("automobile"));
    EXPECT_FALSE(t.Lookup("car"));  // its list names "automobile"
    EXPECT_TRUE(t.Lookup("cart"));  // other words are unharmed
  }
  {  // A parent number that names the node itself.
    std::string bad = good;
    ASSERT_TRUE(car.parent);
    // "car": single-child or counted children come first, then the parent.
    size_t at = links + size_t(car.linkOffset) + (car.singleChild ? 2 : 1 + 2 * car.childCount);
    Poke16(bad, at, carNode);
    TThesaurusFile t;
    ASSERT_TRUE(t.LoadFromBytes(bad));
    EXPECT_FALSE(t.Lookup("car"));
    uint16_t n;
    EXPECT_TRUE(t.FindWord("car", n));  // the forward search needs no parents
    std::string text;
    EXPECT_FALSE(t.WordFromNode(carNode, text));
  }
  {  // Node numbers beyond the table, references beyond the entries.
    std::string bad = good;
    size_t refsAt = links + size_t(car.linkOffset) + (car.singleChild ? 2 : 1 + 2 * car.childCount) + 2;
    ASSERT_EQ(uint8_t(bad[refsAt]), 2);
    Poke16(bad, refsAt + 1, 65535);
    TThesaurusFile t;
    ASSERT_TRUE(t.LoadFromBytes(bad));
    EXPECT_FALSE(t.Lookup("car"));
    EXPECT_TRUE(t.Contexts().empty());
    std::string text;
    EXPECT_FALSE(t.WordFromNode(uint16_t(t.NodeCount()), text));
  }
  {  // A link offset past the link area.
    std::string bad = good;
    size_t at = NodeTableOffset(probe) + size_t(carNode) * 4;
    bad[at] = char(0xFF);
    bad[at + 1] = char(0xFF);
    bad[at + 2] = char(bad[at + 2] | 0x0F);
    TThesaurusFile t;
    ASSERT_TRUE(t.LoadFromBytes(bad));
    EXPECT_FALSE(t.Lookup("car"));
  }
}

TEST(ThesaurusFile, RandomDamageNeverCrashes) {
  std::string good = BuildFixture();
  std::mt19937 rng(7);
  for (int round = 0; round < 2000; ++round) {
    std::string bad = good;
    for (int i = 0; i < 4; ++i) {
      size_t at = wx::kThesaurusHeaderSize + rng() % (bad.size() - wx::kThesaurusHeaderSize);
      bad[at] = char(rng());
    }
    TThesaurusFile t;
    if (!t.LoadFromBytes(bad)) continue;
    for (const char* w : {"car", "CART", "carton", "box", "nation", "Hawaii", "x"}) t.Lookup(w);
  }
}

TEST(ThesaurusFile, FileNameAndLoadedState) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("wx-thes-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string a = (dir / "a.qxt").string(), b = (dir / "b.qxt").string();
  std::ofstream(a, std::ios::binary) << BuildFixture();
  {
    Fixture f;
    f.w.name = "Other";
    std::ofstream(b, std::ios::binary) << f.w.Build();
  }

  TThesaurusFile t;
  EXPECT_FALSE(t.Lookup("car"));  // no file yet
  t.SetFileName((dir / "missing.qxt").string());
  EXPECT_EQ(t.FileName(), "");
  t.SetFileName(a);
  EXPECT_EQ(t.FileName(), a);
  EXPECT_FALSE(t.Loaded());  // naming a file does not load it
  ASSERT_TRUE(t.Lookup("car"));
  EXPECT_TRUE(t.Loaded());
  EXPECT_EQ(t.ThesaurusName(), "Test Thesaurus");
  t.SetFileName((dir / "missing.qxt").string());  // ignored, stays loaded
  EXPECT_EQ(t.FileName(), a);
  EXPECT_TRUE(t.Loaded());
  t.SetFileName(b);  // loaded data is reloaded from the new file
  EXPECT_TRUE(t.Loaded());
  EXPECT_EQ(t.ThesaurusName(), "Other");
  t.SetLoaded(false);
  EXPECT_FALSE(t.Loaded());

  // A file that turns bad: the lookup fails and the former results stay.
  ASSERT_TRUE(t.Lookup("car"));
  t.SetLoaded(false);
  std::ofstream(b, std::ios::binary | std::ios::trunc) << "short";
  EXPECT_FALSE(t.Lookup("box"));
  EXPECT_FALSE(t.Loaded());
  EXPECT_EQ(t.ContextWord(), "car");
  EXPECT_EQ(t.Contexts().size(), 2u);
  fs::remove_all(dir);
}

}  // namespace
