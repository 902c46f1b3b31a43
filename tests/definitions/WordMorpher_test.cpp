#include "definitions/WordMorpher.h"

#include <gtest/gtest.h>

namespace wx {
namespace {

std::string Lines(std::initializer_list<const char*> lines) {
  std::string s = "\r";
  for (const char* l : lines) s += std::string(l) + "\r";
  return s;
}

TWordMorpher Morpher() {
  return TWordMorpher(Lines({"GOOSE,GEESE", "MOUSE,MICE", "ATTORNEYGENERAL,ATTORNEYS GENERAL",
                             "ATTORNEY GENERAL,ATTORNEYS GENERAL"}),
                      Lines({"GO,WENT,GONE,GOING,GOES", "SEE,SAW,SEEN", "TEACH,TAUGHT", "ABIDE,,ABIDDEN",
                             "DREAM,DREAMT,DREAMT,,,DREAMED", "BE,WAS,BEEN,BEING,IS,WERE,AM,ARE"}),
                      Lines({"GOOD,BETTER,BEST", "BIG,BIGGER,BIGGEST"}), Lines({"TALL", "NIC", "HAPPI"}),
                      Lines({"STOP", "RUN", "HOP", "QUIZ"}));
}

using Words = std::vector<std::string>;

Words Nouns(const TWordMorpher& m, const char* w) {
  Words c;
  m.NounBaseForms(w, c);
  return c;
}
Words Verbs(const TWordMorpher& m, const char* w, uint8_t& type) {
  Words c;
  m.VerbBaseForms(w, c, type);
  return c;
}
Words Adjectives(const TWordMorpher& m, const char* w, uint8_t& type) {
  Words c;
  type = 0;
  m.AdjectiveBaseForms(w, c, type);
  return c;
}

TEST(WordMorpher, NounBaseForms) {
  auto m = Morpher();
  EXPECT_EQ(Nouns(m, "geese"), Words({"GOOSE"}));
  EXPECT_EQ(Nouns(m, "attorneys general"), Words({"ATTORNEYGENERAL", "ATTORNEY GENERAL"}));
  EXPECT_EQ(Nouns(m, "churches"), Words({"CHURCH", "CHURCHE"}));
  EXPECT_EQ(Nouns(m, "ladies"), Words({"LADY", "LADIE"}));
  EXPECT_EQ(Nouns(m, "boxes"), Words({"BOX", "BOXE"}));
  EXPECT_EQ(Nouns(m, "dogs"), Words({"DOG"}));
  EXPECT_EQ(Nouns(m, "gas"), Words({"GA"}));  // short words take only the -s rule
  EXPECT_EQ(Nouns(m, "mouse"), Words());
}

TEST(WordMorpher, ReverseLookupMatchesWholeFieldsOnly) {
  auto m = Morpher();
  Words c;
  EXPECT_EQ(m.ExceptionBases("WEN", c, TWordMorpher::kVerbs), 0);  // a prefix of WENT
  EXPECT_EQ(m.ExceptionBases("GO", c, TWordMorpher::kVerbs), 0);   // the base is no inflected field
  EXPECT_EQ(m.ExceptionBases("GOES", c, TWordMorpher::kVerbs), 4);
  EXPECT_EQ(c, Words({"GO"}));
  EXPECT_EQ(m.ExceptionBases("S", c, TWordMorpher::kVerbs), 0);  // one letter is never looked up
}

TEST(WordMorpher, VerbBaseForms) {
  auto m = Morpher();
  uint8_t t = 0;
  EXPECT_EQ(Verbs(m, "went", t), Words({"GO"}));
  EXPECT_EQ(t, kInflPast);
  EXPECT_EQ(Verbs(m, "gone", t), Words({"GO"}));
  EXPECT_EQ(t, kInflPastParticiple);
  EXPECT_EQ(Verbs(m, "going", t), Words({"GO"}));
  EXPECT_EQ(t, kInflPresentParticiple);
  EXPECT_EQ(Verbs(m, "dreamed", t), Words({"DREAM"}));
  EXPECT_EQ(t, kInflPast);  // a variant field
  EXPECT_EQ(Verbs(m, "stopped", t), Words({"STOP"}));
  EXPECT_EQ(t, kInflPast);
  EXPECT_EQ(Verbs(m, "running", t), Words({"RUN"}));
  EXPECT_EQ(t, kInflPresentParticiple);
  EXPECT_EQ(Verbs(m, "hoped", t), Words({"HOPE"}));  // HOP doubles, so it is no stem here
  EXPECT_EQ(Verbs(m, "hoping", t), Words({"HOPE"}));
  EXPECT_EQ(Verbs(m, "walked", t), Words({"WALKE", "WALK"}));
  EXPECT_EQ(Verbs(m, "fixes", t), Words({"FIXE", "FIX"}));
  EXPECT_EQ(t, kInflThirdPerson);
  // TEACH is irregular: its line has no TEACHED, so the stem is not offered.
  EXPECT_EQ(Verbs(m, "teached", t), Words({"TEACHE"}));
  EXPECT_EQ(Verbs(m, "dying", t), Words({"DYE", "DY", "DIE"}));
  EXPECT_EQ(Verbs(m, "tied", t), Words({"TY"}));
  EXPECT_EQ(t, kInflPast);
  EXPECT_EQ(Verbs(m, "walks", t), Words({"WALK"}));
  EXPECT_EQ(Verbs(m, "looked up", t), Words({"LOOKEUP", "LOOKUP"}));
  EXPECT_EQ(t, kInflPast);
}

TEST(WordMorpher, AdjectiveBaseForms) {
  auto m = Morpher();
  uint8_t t = 0;
  EXPECT_EQ(Adjectives(m, "better", t), Words({"GOOD"}));
  EXPECT_EQ(t, kInflComparative);
  EXPECT_EQ(Adjectives(m, "biggest", t), Words({"BIG"}));
  EXPECT_EQ(t, kInflSuperlative);
  EXPECT_EQ(Adjectives(m, "happiest", t), Words({"HAPPY", "HAPPI", "HAPPIE"}));
  EXPECT_EQ(t, kInflSuperlative);
  EXPECT_EQ(Adjectives(m, "taller", t), Words({"TALL", "TALLE"}));
  EXPECT_EQ(t, kInflComparative);
  EXPECT_EQ(Adjectives(m, "less happy", t), Words({"UNHAPPY"}));
  EXPECT_EQ(t, kInflComparative);
  EXPECT_EQ(Adjectives(m, "more happy", t), Words({"HAPPY"}));
  EXPECT_EQ(Adjectives(m, "most happy", t), Words({"HAPPY"}));
  EXPECT_EQ(t, kInflSuperlative);
  EXPECT_EQ(Adjectives(m, "Most happy", t), Words());  // compared exactly
}

TEST(WordMorpher, InflectsNouns) {
  auto m = Morpher();
  EXPECT_EQ(m.InflectWord("goose", kInflPlural), "geese");
  EXPECT_EQ(m.InflectWord("attorney general", kInflPlural), "attorneys general");
  EXPECT_EQ(m.InflectWord("box", kInflPlural), "boxes");
  EXPECT_EQ(m.InflectWord("church", kInflPlural), "churches");
  EXPECT_EQ(m.InflectWord("lady", kInflPlural), "ladies");
  EXPECT_EQ(m.InflectWord("day", kInflPlural), "days");
  EXPECT_EQ(m.InflectWord("x", kInflPlural), "xs");
  EXPECT_EQ(m.InflectWord("Paris", kInflPlural), "");
  EXPECT_EQ(m.InflectWord("hot dog", kInflPlural), "");
  EXPECT_EQ(m.InflectWord("", kInflPlural), "");
  EXPECT_EQ(m.InflectWord("dog", kInflNone), "dog");
  Words list{"dog", "hot dog", "Canis familiaris"};
  m.InflectList(list, kInflPlural);
  EXPECT_EQ(list, Words({"dogs", "hot dog*", "Canis familiaris*"}));
}

TEST(WordMorpher, InflectsVerbs) {
  auto m = Morpher();
  EXPECT_EQ(m.InflectWord("go", kInflPast), "went");
  EXPECT_EQ(m.InflectWord("go", kInflPastParticiple), "gone");
  EXPECT_EQ(m.InflectWord("go", kInflPresentParticiple), "going");
  EXPECT_EQ(m.InflectWord("go", kInflThirdPerson), "goes");
  EXPECT_EQ(m.InflectWord("see", kInflPastParticiple), "seen");
  EXPECT_EQ(m.InflectWord("see", kInflThirdPerson), "sees");        // empty field: regular rules
  EXPECT_EQ(m.InflectWord("see", kInflPresentParticiple), "seing");  // the rules know no better
  EXPECT_EQ(m.InflectWord("teach", kInflPastParticiple), "taught");  // field 1 stands in
  EXPECT_EQ(m.InflectWord("abide", kInflPast), "");                  // empty field: no form
  EXPECT_EQ(m.InflectWord("stop", kInflPast), "stopped");
  EXPECT_EQ(m.InflectWord("stop", kInflPresentParticiple), "stopping");
  EXPECT_EQ(m.InflectWord("stop", kInflThirdPerson), "stops");
  EXPECT_EQ(m.InflectWord("quiz", kInflThirdPerson), "quizzes");
  EXPECT_EQ(m.InflectWord("tie", kInflPresentParticiple), "tying");
  EXPECT_EQ(m.InflectWord("hope", kInflPresentParticiple), "hoping");
  EXPECT_EQ(m.InflectWord("hope", kInflPast), "hoped");
  EXPECT_EQ(m.InflectWord("try", kInflPast), "tried");
  EXPECT_EQ(m.InflectWord("try", kInflThirdPerson), "tries");
  EXPECT_EQ(m.InflectWord("play", kInflPast), "played");
  EXPECT_EQ(m.InflectWord("play", kInflThirdPerson), "plays");
  EXPECT_EQ(m.InflectWord("fix", kInflThirdPerson), "fixes");
  EXPECT_EQ(m.InflectWord("Walk", kInflPast), "Walked");  // keeps the word's case
  EXPECT_EQ(m.InflectWord("go after", kInflPast), "went after");
  EXPECT_EQ(m.InflectWord("abide by", kInflPast), "");
  Words list{"x", "abide", "walk"};
  m.InflectList(list, kInflPast);
  EXPECT_EQ(list, Words({"x*", "abide*", "walked"}));
}

TEST(WordMorpher, ComparesAdjectives) {
  auto m = Morpher();
  EXPECT_EQ(m.InflectWord("good", kInflComparative), "better");
  EXPECT_EQ(m.InflectWord("good", kInflSuperlative), "best");
  EXPECT_EQ(m.InflectWord("tall", kInflComparative), "taller");
  EXPECT_EQ(m.InflectWord("tall", kInflSuperlative), "tallest");
  EXPECT_EQ(m.InflectWord("nice", kInflComparative), "nicer");
  EXPECT_EQ(m.InflectWord("nice", kInflSuperlative), "nicest");
  EXPECT_EQ(m.InflectWord("happy", kInflSuperlative), "happiest");
  EXPECT_EQ(m.InflectWord("beautiful", kInflComparative), "more beautiful");
  EXPECT_EQ(m.InflectWord("beautiful", kInflSuperlative), "most beautiful");
  EXPECT_EQ(m.InflectWord("unhappy", kInflComparative), "less happy");
  EXPECT_EQ(m.InflectWord("unit", kInflComparative), "more unit");  // too short for "less"
  EXPECT_EQ(m.InflectWord("a", kInflComparative), "");
}

TEST(WordMorpher, ListsInflections) {
  auto m = Morpher();
  EXPECT_EQ(m.ListInflections("be", 1), "am,are,is,was,were,been,being");
  EXPECT_EQ(m.ListInflections("go", 1), "went,gone,going,goes");
  EXPECT_EQ(m.ListInflections("dream", 1), "dreamt,dreamt, also dreamed");
  EXPECT_EQ(m.ListInflections("stop", 1), "stopped,stopping");
  EXPECT_EQ(m.ListInflections("goose", 0), "geese");
  EXPECT_EQ(m.ListInflections("good", 2), "better,best");
  EXPECT_EQ(m.ListInflections("walk", 1), "");
  EXPECT_EQ(m.ListInflections("go", 3), "");
  EXPECT_EQ(m.ListInflections("", 1), "");
}

}  // namespace
}  // namespace wx
