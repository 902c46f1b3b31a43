#include "definitions/DefinitionsDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "TestDatabase.h"
#include "definitions/Coder.h"
#include "definitions/DefinitionsError.h"
#include "definitions/IndexKey.h"
#include "definitions/TextPacking.h"

namespace wx {
namespace {

using testing::FixtureBytes;
using Words = std::vector<std::string>;

class DefinitionsDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override { db.SetDatabaseImage(FixtureBytes()); }

  // "head: word, word" for every sense, in order.
  Words Senses(const std::string& word) {
    db.SearchWord(word);
    Words out;
    for (int i = 0; i < db.Lookup().SenseCount(); ++i) {
      const TSynset& s = db.Lookup().Sense(i);
      std::string line = std::string(PartOfSpeechName(s.partOfSpeech)) + " " + s.headWord + ":";
      for (const auto& w : s.words) line += " " + w;
      out.push_back(line);
    }
    return out;
  }
  std::vector<int32_t> Offsets(const std::string& word) {
    db.SearchWord(word);
    std::vector<int32_t> out;
    for (int i = 0; i < db.Lookup().SenseCount(); ++i) out.push_back(db.Lookup().Sense(i).offset);
    return out;
  }

  TDefinitionsDatabase db;
};

TEST_F(DefinitionsDatabaseTest, FindsSensesGroupedByPartOfSpeechAndFocusedOnTheWord) {
  EXPECT_EQ(Senses("dog"), Words({"Noun dog: domestic dog Canis familiaris", "Noun dog: frump", "Verb dog: chase tail"}));
  const TWordLookup& r = db.Lookup();
  EXPECT_EQ(r.Sense(0).gloss, "a member of the genus Canis; \"the dog barked all night\"");
  EXPECT_EQ(r.Sense(0).wordsAsRead, Words({"dog", "domestic dog", "Canis familiaris"}));
  EXPECT_EQ(r.PartsOfSpeechPresent(), 0x03);
  EXPECT_EQ(r.Synonyms(), Words({"Canis familiaris", "chase", "domestic dog", "frump", "tail"}));
  // The verb keeps only the pointers of the whole meaning or of "dog" (word 2).
  const TSynset& verb = r.Sense(2);
  ASSERT_EQ(verb.pointers.size(), 1u);
  EXPECT_EQ(verb.pointers[0].source, 2);
  EXPECT_EQ(r.RelationsPresent(), (1u << 3) | (1u << 6) | (1u << 7));
  EXPECT_EQ(Senses("hello"), Words({"Interjection hello: hi"}));
  EXPECT_EQ(db.Lookup().Sense(0).gloss, "hello, hi");  // a record without gloss shows its words
  EXPECT_TRUE(Senses("cat").empty());
}

TEST_F(DefinitionsDatabaseTest, SpellingVariantsOfAWordFindTheSameSenses) {
  auto dog = Offsets("dog");
  ASSERT_EQ(dog.size(), 3u);
  for (const char* variant : {"DOG", "Dog", "dOg", "d-og", "do'g", "d og", "dog's", "dog`S", "\xE9" "dog"})
    EXPECT_EQ(Offsets(variant), dog) << variant;
  db.SearchWord("x's");
  EXPECT_EQ(db.LastSearchKey(), "X");
  db.SearchWord("'s");  // two characters: searched as typed
  EXPECT_EQ(db.LastSearchKey(), "S");
}

TEST_F(DefinitionsDatabaseTest, InflectedWordsFindTheirBaseFormsInTheirInflection) {
  EXPECT_EQ(Senses("dogs"), Words({"Noun dog: domestic dog* Canis familiaris*", "Noun dog: frumps",
                                   "Verb dog: chases tails"}));
  EXPECT_EQ(db.Lookup().Sense(0).inflection, kInflPlural);
  EXPECT_EQ(db.Lookup().Sense(2).inflection, kInflThirdPerson);
  EXPECT_EQ(Senses("ran"), Words({"Verb run:"}));
  EXPECT_EQ(db.Lookup().Sense(0).inflection, kInflPast);
  EXPECT_EQ(Senses("stopped"), Words({"Verb stop: halted"}));
  // Both bases of "better" are the one meaning; its other word is compared too.
  EXPECT_EQ(Senses("better"), Words({"Adjective good: better"}));
  db.matchForms = false;
  EXPECT_EQ(Senses("dogs"), Words({"Noun dog: domestic dog Canis familiaris", "Noun dog: frump", "Verb dog: chase tail"}));
  EXPECT_EQ(db.Lookup().Sense(0).inflection, 0);
  db.derivedForms = false;
  EXPECT_TRUE(Senses("dogs").empty());
}

TEST_F(DefinitionsDatabaseTest, AMeaningReachedTwiceIsListedOnce) {
  // "glasses" is a word of the spectacles meaning, and its base "glass" lists it too.
  EXPECT_EQ(Senses("glasses"), Words({"Noun glasses: spectacles specs", "Noun glass:"}));
}

TEST_F(DefinitionsDatabaseTest, EmptyWordOnlyLoadsTheIndex) {
  EXPECT_FALSE(db.IndexLoaded());
  db.SearchWord("");
  EXPECT_TRUE(db.IndexLoaded());
  EXPECT_EQ(db.Lookup().SenseCount(), 0);
  EXPECT_EQ(db.OpenCount(), 0);
  std::vector<std::string> list;
  EXPECT_EQ(db.NeighbourWords(list, 3), -1);  // nothing looked up yet
}

TEST_F(DefinitionsDatabaseTest, KeepsTheSixBlocksUsedLast) {
  // Seven words of seven different blocks.
  std::vector<std::pair<std::string, uint16_t>> words;
  for (const char* w : {"dog", "frump", "chase", "tail", "canine", "canid", "puppy", "pup", "spectacles", "glass",
                        "good", "well", "bad", "stop", "halt", "run", "see", "hello", "hi"}) {
    uint8_t code[kKeyCodeBufferSize];
    EncodeIndexKey(NormalizeKey(w), code);
    uint16_t key = uint16_t(code[0] | code[1] << 8);
    bool seen = false;
    for (auto& [_, k] : words) seen |= k == key;
    if (!seen) words.push_back({w, key});
  }
  ASSERT_GE(words.size(), 7u);
  db.derivedForms = false;
  for (int i = 0; i < 6; ++i) db.SearchWord(words[size_t(i)].first);
  EXPECT_EQ(db.Index()->CachedBlocks(), 6u);
  db.SearchWord(words[0].first);  // from the cache: now the most recently used
  db.SearchWord(words[6].first);  // evicts the least recently used, the second word's block
  EXPECT_EQ(db.Index()->CachedBlocks(), 6u);
  EXPECT_TRUE(db.Index()->IsCached(words[0].second));
  EXPECT_FALSE(db.Index()->IsCached(words[1].second));
  EXPECT_TRUE(db.Index()->IsCached(words[6].second));
  EXPECT_EQ(Offsets(words[1].first).size(), 1u);  // still found after reloading
}

TEST_F(DefinitionsDatabaseTest, SectionsAndBadPointers) {
  db.SearchWord("");
  EXPECT_EQ(db.SectionOf(db.sectionEnds[0] - 1), 0);
  EXPECT_EQ(db.SectionOf(db.sectionEnds[0]), 1);
  EXPECT_EQ(db.SectionOf(db.sectionEnds[6]), 7);  // sections 4 to 6 are empty
  EXPECT_THROW(db.SectionOf(db.sectionEnds[7]), EDefinitionsError);
  EXPECT_EQ(db.ReadMeaning(db.sectionEnds[7]), nullptr);
  EXPECT_EQ(db.ReadMeaning(0), nullptr);  // the header is no record
  EXPECT_EQ(db.OpenCount(), 0);
}

TEST_F(DefinitionsDatabaseTest, RelatedWordsAreSortedAndUnique) {
  db.SearchWord("dog");
  TWordLookup& r = db.Lookup();
  // Both noun senses are a type of canine: canine and canid once each.
  EXPECT_EQ(r.RelatedByIndex(6), Words({"canid", "canine"}));
  EXPECT_EQ(r.RelatedByIndex(7), Words({"pup", "puppy"}));
  // A lexical pointer (to word 1 of the target) gives that one word.
  EXPECT_EQ(r.RelatedByIndex(3), Words({"dog"}));
  EXPECT_EQ(r.RelatedByIndex(kSynonymsRelation), r.Synonyms());
  EXPECT_EQ(r.RelatedWords((1u << 6) | (1u << 7)), Words({"canid", "canine", "pup", "puppy"}));
  EXPECT_EQ(r.RelatedWords((1u << 6) | (1u << 12)),
            Words({"canid", "canine", "Canis familiaris", "chase", "domestic dog", "frump", "tail"}));
  db.SearchWord("chase");
  EXPECT_EQ(db.Lookup().RelatedByIndex(3), Words({"canid"}));  // word 2 of canine
  db.SearchWord("canine");
  EXPECT_EQ(db.Lookup().RelatedByIndex(7), Words({"Canis familiaris", "dog", "domestic dog", "frump"}));
  db.SearchWord("dogs");  // plural search: the types take the plural too
  EXPECT_EQ(db.Lookup().RelatedByIndex(7), Words({"puppies", "pups"}));
  EXPECT_EQ(db.OpenCount(), 0);
}

TEST_F(DefinitionsDatabaseTest, ChoosingOneSenseAndBackToAll) {
  db.SearchWord("dog");
  TWordLookup& r = db.Lookup();
  r.SelectSense(2);
  EXPECT_EQ(r.Synonyms(), Words({"chase", "tail"}));
  EXPECT_EQ(r.RelationsPresent(), 1u << 3);
  EXPECT_EQ(r.RelatedByIndex(3), Words({"dog"}));
  r.SelectSense(-1);
  EXPECT_EQ(r.Synonyms(), Words({"Canis familiaris", "chase", "domestic dog", "frump", "tail"}));
  EXPECT_THROW(r.SelectSense(3), EDefinitionsError);
  r.SelectSenses("", 0x01);  // nouns only
  EXPECT_EQ(r.Selected().size(), 2u);
  EXPECT_EQ(r.PartsOfSpeechPresent(), 0x01);
  EXPECT_EQ(r.Synonyms(), Words({"Canis familiaris", "domestic dog", "frump"}));
}

TEST_F(DefinitionsDatabaseTest, NeighbourWordsSurroundTheSearchedWordAlphabetically) {
  db.SearchWord("glass");
  std::vector<std::string> list;
  int at = db.NeighbourWords(list, 2);
  ASSERT_GE(at, 0);
  ASSERT_LT(at, int(list.size()));
  EXPECT_EQ(list[size_t(at)], "glass");
  ASSERT_EQ(at, 2);  // two words before it, whichever blocks hold them
  EXPECT_EQ(list[0], "domestic dog");
  EXPECT_EQ(list[1], "frump");
  ASSERT_GE(list.size(), 4u);  // and at least two from it on
  EXPECT_EQ(list[3], "glasses");
  db.SearchWord("hullo");  // not in the index: its place among the others
  at = db.NeighbourWords(list, 1);
  EXPECT_EQ(list, Words({"hi", "pup"}));
  EXPECT_EQ(at, 1);
  db.SearchWord("aardvark");  // before every word
  at = db.NeighbourWords(list, 2);
  EXPECT_EQ(at, 0);
  EXPECT_EQ(list, Words({"bad", "canid"}));
  EXPECT_EQ(db.OpenCount(), 0);
}

TEST(TWordLookup, OrdersSensesByPartOfSpeechThenHeadWord) {
  TDefinitionsDatabase db;
  TWordLookup r(db);
  auto sense = [](int32_t offset, uint8_t pos, const char* head) {
    auto s = std::make_unique<TSynset>();
    s->offset = offset;
    s->partOfSpeech = pos;
    s->headWord = head;
    return s;
  };
  r.AddSense(sense(10, 2, "good"));  // an adjective first
  r.AddSense(sense(20, 0, "good"));  // nouns come first
  r.AddSense(sense(30, 2, "well"));
  r.AddSense(sense(40, 2, "good"));  // joins the other "good" adjective
  r.AddSense(sense(50, 1, "good"));
  r.AddSense(sense(20, 0, "good"));  // already present
  std::vector<int32_t> order;
  for (int i = 0; i < r.SenseCount(); ++i) order.push_back(r.Sense(i).offset);
  EXPECT_EQ(order, (std::vector<int32_t>{20, 50, 10, 40, 30}));
  r.SelectSenses("good", 0xFF);
  EXPECT_EQ(r.Selected().size(), 4u);
  r.ClearResults();
  EXPECT_EQ(r.SenseCount(), 0);
  EXPECT_EQ(r.PartsOfSpeechPresent(), 0xFF);
  r.SelectSense(5);  // nothing selected: nothing happens
}

TEST(DefinitionsDatabaseFile, OpensTheFileOnlyWhileSearching) {
  auto dir = std::filesystem::temp_directory_path() / ("wx-defs-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::string path = (dir / "Definitions.ydd").string();
  {
    std::ofstream out(path, std::ios::binary);
    std::string bytes = FixtureBytes();
    out.write(bytes.data(), std::streamsize(bytes.size()));
  }
  TDefinitionsDatabase db;
  db.SetDatabaseFile(path);
  db.SearchWord("puppy");
  EXPECT_EQ(db.Lookup().SenseCount(), 1);
  EXPECT_EQ(db.OpenCount(), 0);
  db.OpenDatabase();
  EXPECT_THROW(db.SetDatabaseFile(path + ".other"), EDefinitionsError);
  db.CloseDatabase();
  db.CloseDatabase();  // never below zero
  EXPECT_EQ(db.OpenCount(), 0);
  TDefinitionsDatabase missing;
  missing.SetDatabaseFile((dir / "none.ydd").string());
  EXPECT_THROW(missing.SearchWord("dog"), EDefinitionsError);
  EXPECT_EQ(missing.OpenCount(), 0);
  std::filesystem::remove_all(dir);
}

// Whatever the damage, a search either fails with EDefinitionsError or
// finds what it finds; the sanitizer build checks that no read goes astray.
void SearchDamaged(const std::string& bytes) {
  TDefinitionsDatabase db;
  db.SetDatabaseImage(bytes);
  for (const char* w : {"dog", "dogs", "glasses", "ran", "hello", "better", "zzz"}) {
    try {
      db.SearchWord(w);
      TWordLookup& r = db.Lookup();
      for (int n = 0; n <= 12; ++n) r.RelatedByIndex(n);
      std::vector<std::string> list;
      db.NeighbourWords(list, 3);
    } catch (const EDefinitionsError&) {
    }
    EXPECT_EQ(db.OpenCount(), 0);
  }
}

TEST(DefinitionsDatabaseDamage, TruncatedFilesFailCleanly) {
  const std::string bytes = FixtureBytes();
  for (size_t len = 0; len < bytes.size(); len += 7) SearchDamaged(bytes.substr(0, len));
  TDefinitionsDatabase db;
  db.SetDatabaseImage(bytes.substr(0, 30));
  EXPECT_THROW(db.SearchWord("dog"), EDefinitionsError);
}

TEST(DefinitionsDatabaseDamage, CorruptedBytesFailCleanly) {
  const std::string bytes = FixtureBytes();
  std::mt19937 rng(42);
  for (int i = 0; i < 400; ++i) {
    std::string damaged = bytes;
    int flips = 1 + int(rng() % 8);
    for (int f = 0; f < flips; ++f) damaged[rng() % damaged.size()] = char(rng());
    SearchDamaged(damaged);
  }
  // Every byte of the trailer and the index head set to extremes.
  for (size_t at = bytes.size() - 40; at < bytes.size(); ++at)
    for (char v : {char(0), char(0xFF), char(0x7F)}) {
      std::string damaged = bytes;
      damaged[at] = v;
      SearchDamaged(damaged);
    }
}

}  // namespace
}  // namespace wx

namespace wx {
namespace {

TEST(DefinitionsDatabaseLongText, AMeaningLongerThanTheLimitIsCutNotLost) {
  tools::DefinitionsWriter w;
  tools::DefMeaning m;
  m.section = 0;
  m.words = {"verbose"};
  m.gloss = std::string(1200, 'q');
  w.AddIndexWord("verbose", w.AddMeaning(m));
  for (auto& l : w.wordForms) l = "\r";
  std::string bytes = w.Build();
  // Each letter group code expands to six characters: 1200 of them unpack
  // to 7200, more than a meaning's text may hold.
  size_t run = bytes.find(std::string(1200, 'q'));
  ASSERT_NE(run, std::string::npos);
  bytes.replace(run, 1200, std::string(1200, char(123)));
  TDefinitionsDatabase db;
  db.SetDatabaseImage(bytes);
  db.SearchWord("verbose");
  ASSERT_EQ(db.Lookup().SenseCount(), 1);
  const std::string& gloss = db.Lookup().Sense(0).gloss;
  EXPECT_EQ(gloss.size(), kMaxUnpackedText - std::string("verbose ;").size());
  EXPECT_EQ(gloss.substr(0, 12), "ation ation ");
}

}  // namespace
}  // namespace wx
