// Every window's caption table is complete and consistent in all ten languages.
#include <gtest/gtest.h>

#include <set>

#include "app/CaptionTables.h"

namespace wx {

TEST(CaptionTables, EveryTableIsCompleteAndConsistent) {
  std::set<std::string> names;
  for (const CaptionTable* table : AllCaptionTables()) {
    EXPECT_TRUE(names.insert(table->Window()).second) << "two tables named " << table->Window();
    EXPECT_EQ(CheckCaptionTable(*table), "");
  }
}

}  // namespace wx
