// A small definitions database written by the tools' writer, for the reader's tests.
#pragma once

#include <string>

#include "tools/lib/DefinitionsWriter.h"

namespace wx::testing {

// Meaning numbers of the fixture.
enum : uint32_t {
  kDogNoun,      // dog, domestic dog, Canis familiaris
  kFrumpNoun,    // frump, dog
  kDogVerb,      // chase, dog, tail
  kCanine,       // canine, canid
  kPuppy,        // puppy, pup
  kGlasses,      // spectacles, glasses, specs
  kGlass,        // glass
  kGoodAdj,      // good, well
  kBadAdj,       // bad
  kStopVerb,     // stop, halt
  kRunVerb,      // run
  kWellAdv,      // well
  kSeeVerb,      // see
  kTheHello,     // hello, hi (interjection)
  kMeanings
};

inline tools::DefinitionsWriter FixtureWriter() {
  using tools::DefMeaning;
  using tools::DefPointer;
  tools::DefinitionsWriter w;
  auto add = [&](uint8_t pos, std::vector<std::string> words, const char* gloss, std::vector<DefPointer> ptrs = {}) {
    DefMeaning m;
    m.section = pos;
    m.words = std::move(words);
    m.gloss = gloss;
    m.pointers = std::move(ptrs);
    return w.AddMeaning(std::move(m));
  };
  add(0, {"dog", "domestic dog", "Canis familiaris"}, "a member of the genus Canis; \"the dog barked all night\"",
      {{6, kCanine, 0, 0}, {7, kPuppy, 0, 0}});
  add(0, {"frump", "dog"}, "a dull unattractive unpleasant girl or woman", {{6, kCanine, 0, 0}});
  add(1, {"chase", "dog", "tail"}, "go after with the intent to catch", {{3, kDogNoun, 2, 1}, {3, kCanine, 1, 2}});
  add(0, {"canine", "canid"}, "any of various fissiped mammals", {{7, kDogNoun, 0, 0}, {7, kFrumpNoun, 0, 0}});
  add(0, {"puppy", "pup"}, "a young dog", {{6, kDogNoun, 0, 0}});
  add(0, {"spectacles", "glasses", "specs"}, "optical instrument consisting of a frame that holds a pair of lenses");
  add(0, {"glass"}, "a brittle transparent solid");
  add(2, {"good", "well"}, "having desirable or positive qualities", {{0, kBadAdj, 1, 1}});
  add(2, {"bad"}, "having undesirable or negative qualities", {{0, kGoodAdj, 1, 1}});
  add(1, {"stop", "halt"}, "come to a halt, stop moving");
  add(1, {"run"}, "move fast by using one's feet");
  add(3, {"well"}, "in a good or proper or satisfactory manner");
  add(1, {"see"}, "perceive by sight");
  add(7, {"hello", "hi"}, "");
  auto index = [&](const char* word, std::initializer_list<uint32_t> meanings) {
    for (uint32_t m : meanings) w.AddIndexWord(word, m);
  };
  index("dog", {kDogNoun, kFrumpNoun, kDogVerb});
  index("domestic dog", {kDogNoun});
  index("Canis familiaris", {kDogNoun});
  index("frump", {kFrumpNoun});
  index("chase", {kDogVerb});
  index("tail", {kDogVerb});
  index("canine", {kCanine});
  index("canid", {kCanine});
  index("puppy", {kPuppy});
  index("pup", {kPuppy});
  index("spectacles", {kGlasses});
  index("glasses", {kGlasses});
  index("specs", {kGlasses});
  index("glass", {kGlass, kGlasses});
  index("good", {kGoodAdj});
  index("well", {kGoodAdj, kWellAdv});
  index("bad", {kBadAdj});
  index("stop", {kStopVerb});
  index("halt", {kStopVerb});
  index("run", {kRunVerb});
  index("see", {kSeeVerb});
  index("hello", {kTheHello});
  index("hi", {kTheHello});
  w.wordForms[0] = "\rGOOSE,GEESE\r";
  w.wordForms[1] = "\rRUN,RAN,RUN,RUNNING,RUNS\rSEE,SAW,SEEN\r";
  w.wordForms[2] = "\rGOOD,BETTER,BEST\rWELL,BETTER,BEST\r";
  w.wordForms[3] = "\r";
  w.wordForms[4] = "\rSTOP\r";
  w.notice = "test data";
  return w;
}

inline std::string FixtureBytes() { return FixtureWriter().Build(); }

}  // namespace wx::testing
