// The spelling rules of regular inflected forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/lib/Inflections.h"

using namespace wx::tools;

namespace {

// "text" for a certain form, "text?" for one that needs a word list.
std::vector<std::string> Forms(const std::string& base, WnPos pos) {
  std::vector<std::string> r;
  for (const auto& f : RegularForms(base, pos)) r.push_back(f.text + (f.certain ? "" : "?"));
  return r;
}

using V = std::vector<std::string>;

TEST(Inflections, PluralsAndThirdPersons) {
  EXPECT_EQ(Forms("day", WnPos::Noun), V{"days"});
  EXPECT_EQ(Forms("city", WnPos::Noun), V{"cities"});
  EXPECT_EQ(Forms("box", WnPos::Noun), V{"boxes"});
  EXPECT_EQ(Forms("church", WnPos::Noun), V{"churches"});
  EXPECT_EQ(Forms("hero", WnPos::Noun), (V{"heros?", "heroes?"}));
  EXPECT_EQ(Forms("quiz", WnPos::Noun), (V{"quizes?", "quizzes?"}));
  EXPECT_EQ(Forms("word", WnPos::Noun), V{"words"});
}

TEST(Inflections, VerbForms) {
  EXPECT_EQ(Forms("call", WnPos::Verb), (V{"calls", "called", "calling"}));
  // By the rules alone; the builder leaves out a regular past where WordNet
  // knows an irregular one ("made").
  EXPECT_EQ(Forms("make", WnPos::Verb), (V{"makes", "maked", "making"}));
  EXPECT_EQ(Forms("rule", WnPos::Verb), (V{"rules", "ruled", "ruling"}));
  EXPECT_EQ(Forms("try", WnPos::Verb), (V{"tries", "tried", "trying"}));
  EXPECT_EQ(Forms("die", WnPos::Verb), (V{"dies", "died", "dying"}));
  EXPECT_EQ(Forms("see", WnPos::Verb), (V{"sees", "seed", "seeing"}));
  EXPECT_EQ(Forms("stop", WnPos::Verb), (V{"stops", "stopped", "stopping"}));
  EXPECT_EQ(Forms("play", WnPos::Verb), (V{"plays", "played", "playing"}));
  // Two syllables ending consonant, vowel, consonant: either spelling.
  EXPECT_EQ(Forms("visit", WnPos::Verb),
            (V{"visits", "visitted?", "visited?", "visitting?", "visiting?"}));
}

TEST(Inflections, ComparativesNeedAListAndOtherWordsHaveNone) {
  EXPECT_EQ(Forms("big", WnPos::Adj), (V{"bigger?", "biggest?"}));
  EXPECT_EQ(Forms("happy", WnPos::Adj), (V{"happier?", "happiest?"}));
  EXPECT_EQ(Forms("large", WnPos::Adj), (V{"larger?", "largest?"}));
  EXPECT_EQ(Forms("simple", WnPos::Adj), V{});  // two syllables
  EXPECT_TRUE(Forms("beautiful", WnPos::Adj).empty());
  EXPECT_TRUE(Forms("fast", WnPos::Adv).empty());
  EXPECT_TRUE(Forms("ice_cream", WnPos::Noun).empty());
  EXPECT_TRUE(Forms("TV", WnPos::Noun).empty());
  EXPECT_TRUE(Forms("a", WnPos::Noun).empty());
}

}  // namespace
