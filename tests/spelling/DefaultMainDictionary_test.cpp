// The first run's main dictionary follows the Windows display language.
#include "spelling/DefaultMainDictionary.h"

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "tools/lib/MainDictWriter.h"

namespace wx {
namespace {

TEST(DefaultMainDictionary, TheDisplayLanguagesDictionaryElseItsMainCountryElseTheFallback) {
  test::ScratchDir dir("defaultmain");
  auto write = [&](const std::string& file, uint32_t language) {
    std::string image, error;
    tools::MainDictStats stats;
    tools::MainDictOptions o;
    o.language = language;
    ASSERT_TRUE(tools::BuildMainDictionary({"the", "cat"}, o, image, stats, error)) << error;
    test::WriteBytes(dir.File(file), image);
  };
  write("british.qxm", 0x0809);
  write("american.qxm", 0x0409);
  write("deutsch.qxm", 0x0407);
  test::WriteBytes(dir.File("broken.qxm"), "no dictionary");
  const auto installed = InstalledMainDictionaries({dir.path().string()});
  ASSERT_EQ(installed.size(), 3u);  // the broken file is not offered
  const std::string fallback = "american.qxm";
  EXPECT_EQ(DefaultMainDictionary(0x0407, installed, fallback), "deutsch.qxm");
  EXPECT_EQ(DefaultMainDictionary(0x0807, installed, fallback), "deutsch.qxm");   // Swiss German
  EXPECT_EQ(DefaultMainDictionary(0x0809, installed, fallback), "british.qxm");   // not the lower US id
  EXPECT_EQ(DefaultMainDictionary(0x0C09, installed, fallback), "american.qxm");  // Australian: the main country
  EXPECT_EQ(DefaultMainDictionary(0x040C, installed, "none"), "none");           // French is not installed
  EXPECT_EQ(DefaultMainDictionary(0, installed, "none"), "none");
  EXPECT_EQ(DefaultMainDictionary(0x0407, {}, "none"), "none");
}

}  // namespace
}  // namespace wx
