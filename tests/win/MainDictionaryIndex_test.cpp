// The lookup index on Windows: a dictionary in a folder whose name is outside
// the ANSI code page is indexed, checked and used through the Win32 file
// mapping, and a replaced file is checked afresh.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"
#include "spelling/MainDictionary.h"
#include "spelling/PhoneticsMap.h"
#include "tools/lib/MainDictWriter.h"
// The index writer is builder code, not part of the program's library (the
// tree writer is compiled in with the spell dialog's test).
#include "tools/lib/MainDictIndexWriter.cpp"

using namespace wx;

TEST(MainDictionaryIndexWin, IsCheckedAndUsedThroughTheFileMapping) {
  wchar_t tmp[MAX_PATH];
  GetTempPathW(MAX_PATH, tmp);
  const std::wstring dir = std::wstring(tmp) + L"wx-index-\x03A9";
  CreateDirectoryW(dir.c_str(), nullptr);
  const std::string path = WideToUtf8(dir + L"\\i.qxm");
  auto write = [&](const std::vector<std::string>& words) {
    std::string image, error;
    tools::MainDictStats stats;
    ASSERT_TRUE(tools::BuildMainDictionary(words, {}, image, stats, error)) << error;
    ASSERT_TRUE(WriteFileAtomically(path, image));
    tools::MainDictIndexStats indexStats;
    ASSERT_TRUE(tools::AddLookupIndex(path, indexStats, error)) << error;
  };
  write({"telephone", "telefone", "teleflone", "house", "high", "hig"});

  TMainDictionary indexed, walked;
  ASSERT_TRUE(indexed.Open(path));
  ASSERT_TRUE(walked.Open(path));
  walked.SetIndexUse(false);
  indexed.SetActive(true);
  EXPECT_TRUE(indexed.HasIndex());
  TPhoneticsMap map;
  map.SetLanguage(0x0409);
  for (const char* w : {"telefohne", "hie", "hous"}) {
    std::vector<std::string> a, b;
    indexed.FindPhoneticMatches(w, map, a);
    walked.FindPhoneticMatches(w, map, b);
    EXPECT_EQ(a, b) << w;
  }
  EXPECT_TRUE(indexed.WordExists("teleflone", true));
  EXPECT_FALSE(indexed.WordExists("telephones", true));

  // Windows cannot replace a file while a view of it is mapped.
  indexed.SetActive(false);
  walked.SetActive(false);
  write({"mouse", "moose", "house"});
  indexed.SetActive(true);
  EXPECT_TRUE(indexed.HasIndex());
  EXPECT_TRUE(indexed.WordExists("moose", true));
  EXPECT_FALSE(indexed.WordExists("teleflone", true));

  indexed.SetActive(false);
  DeleteFileW((dir + L"\\i.qxm").c_str());
  RemoveDirectoryW(dir.c_str());
}
