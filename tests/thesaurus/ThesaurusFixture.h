// A small thesaurus for the tests: "car" and its relatives share prefixes and
// endings; every kind and list is used.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/lib/ThesaurusWriter.h"

namespace wx::test {

using Lists = std::array<std::vector<uint32_t>, 4>;

struct Fixture {
  wx::tools::ThesaurusWriter w;
  uint32_t Word(const char* s) { return w.AddWord(s); }

  Fixture() {
    w.name = "Test Thesaurus";
    w.kindNames = {"related", "noun", "verb", "adjective", "adverb"};
    uint32_t car = Word("car"), cart = Word("cart"), carton = Word("carton"),
             autom = Word("automobile"), auto_ = Word("auto"), station = Word("station"),
             nation = Word("nation"), vehicle = Word("vehicle"), wagon = Word("wagon"),
             hawaii = Word("Hawaii"), box = Word("box"), drive = Word("drive");
    Word("orphan");  // stored, but refers to nothing
    uint32_t e0 = w.AddEntry(car, Lists{{{car, autom, auto_, vehicle}, {}, {}, {}}});
    uint32_t e1 = w.AddEntry(cart, Lists{{{cart, wagon}, {}, {}, {}}});
    uint32_t e2 = w.AddEntry(carton, Lists{{{carton, box}, {drive}, {}, {station, nation}}});
    uint32_t e3 = w.AddEntry(hawaii, Lists{{{hawaii}, {}, {}, {}}});
    w.AddReference(car, e0, 1);
    w.AddReference(car, e1, 2);  // 1 * 5 + 2 = 7: entry 1 under kind 2
    for (uint32_t x : {autom, auto_, vehicle}) w.AddReference(x, e0, 1);
    w.AddReference(cart, e1, 1);
    w.AddReference(carton, e2, 0);
    w.AddReference(box, e2, 4);
    w.AddReference(hawaii, e3, 1);
  }
};

inline std::string BuildFixture(wx::tools::ThesaurusWriter::Stats* stats = nullptr) {
  Fixture f;
  return f.w.Build(stats);
}

}  // namespace wx::test
