// Custom dictionary loader on arbitrary bytes: loading, lookups, enumeration,
// changes and writing back must stay inside the loaded bytes and end.
#include <cstdint>
#include <string>

#include "spelling/CustomDictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  wx::TCustomDictionary d;
  d.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  std::string w, r;
  for (size_t i = 0; d.GetAddedWord(i, w); ++i) d.IsAdded(w);
  for (size_t i = 0; d.GetExcludedWord(i, w); ++i) d.IsExcludedWord(w);
  for (size_t i = 0; d.GetAutoCorrectPair(i, w, r); ++i) d.GetAutoCorrect(w, r);
  d.IsAdded("word");
  d.AddWord("word");
  d.AddAutoCorrect("teh", "the");
  d.RemoveWord("word");
  d.ReplaceAutoCorrect("teh", "thee");
  if (d.AutoCorrectCount() > 0 && d.GetAutoCorrectPair(0, w, r)) d.ReplaceAutoCorrect(w, "");
  for (int i = 0; i < 70; ++i) d.AddExcluded(std::to_string(i));
  // What it writes back must load cleanly.
  wx::TCustomDictionary e;
  if (!e.LoadFromBytes(d.SaveToBytes())) __builtin_trap();
  e.ClearAll();
  if (e.WordCount() != 0 || !e.AddWord("after")) __builtin_trap();
  return 0;
}
