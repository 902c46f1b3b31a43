// Checks over the definitions database the builder made from the open data
// (build/data/Definitions.ydd, made by scripts/build-data.sh).
#include <gtest/gtest.h>

#include <filesystem>

#include "definitions/DefinitionsDatabase.h"

namespace wx {
namespace {

TEST(BuiltDefinitions, PastFormsFindTheirOwnVerbNotAShorterOne) {
  const std::filesystem::path file = std::filesystem::path(WX_SOURCE_DIR) / "build/data/Definitions.ydd";
  if (!std::filesystem::exists(file)) GTEST_SKIP() << file << " is not built (scripts/build-data.sh)";
  TDefinitionsDatabase db;
  db.SetDatabaseFile(file.string());
  const std::pair<const char*, const char*> cases[] = {
      {"hoped", "hope"}, {"stared", "stare"}, {"taped", "tape"}, {"planed", "plane"},
      {"hopped", "hop"}, {"travelled", "travel"}, {"traveled", "travel"}, {"worked", "work"}};
  for (const auto& [form, base] : cases) {
    db.SearchWord(form);
    bool found = false;
    for (int i = 0; i < db.Lookup().SenseCount(); ++i)
      if (db.Lookup().Sense(i).partOfSpeech == 1) found |= db.Lookup().Sense(i).headWord == base;
    EXPECT_TRUE(found) << form << " does not find the verb " << base;
  }
  // And not the verb with the doubled letter.
  for (const auto& [form, wrong] : {std::pair{"hoped", "hop"}, {"stared", "star"}, {"taped", "tap"}}) {
    db.SearchWord(form);
    for (int i = 0; i < db.Lookup().SenseCount(); ++i)
      EXPECT_NE(db.Lookup().Sense(i).headWord, wrong) << form;
  }
}

}  // namespace
}  // namespace wx
