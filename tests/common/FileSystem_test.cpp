// The file-system seam, checked against the real file system in a folder of
// its own. The same cases run natively and, from tests/win, under Windows.
#include "common/FileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"

namespace wx {
namespace {

// Each case: a path and what is expected of it.
struct PathCase {
  const char* path;
  const char* expected;
};

TEST(FileSystemPaths, ParentFolderKeepsRootsAndDropsTheLastName) {
  const PathCase cases[] = {
      {"/a/b", "/a"}, {"/a/b/", "/a/b"}, {"a//b", "a"}, {"/b", "/"}, {"/", "/"}, {"b.txt", ""}, {"", ""},
#ifdef _WIN32
      {"C:\\a\\b.txt", "C:\\a"}, {"C:\\a/b.txt", "C:\\a"}, {"C:\\b.txt", "C:\\"}, {"C:\\", "C:\\"},
      {"C:b.txt", "C:"}, {"\\\\server\\share\\b.txt", "\\\\server\\share\\"},
#else
      {"a\\b", ""},  // a backslash is part of a name here
#endif
  };
  for (const PathCase& c : cases) EXPECT_EQ(ParentFolder(c.path), c.expected) << c.path;
}

TEST(FileSystemPaths, FileStemIsTheLastNameWithoutItsExtension) {
  const PathCase cases[] = {
      {"/opt/w/WendrixTray.exe", "WendrixTray"}, {"archive.tar.gz", "archive.tar"}, {"/a.b/name", "name"},
      {".hidden", ".hidden"},
#ifdef _WIN32
      {"C:\\Program Files\\Wendrix\\WendrixTray.exe", "WendrixTray"},
#endif
  };
  for (const PathCase& c : cases) EXPECT_EQ(FileStem(c.path), c.expected) << c.path;
}

class FileSystemFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = std::string("wx-fs-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    dir_ = WideToUtf8((std::filesystem::temp_directory_path() / name).wstring());
    std::filesystem::remove_all(Native(dir_));
  }
  void TearDown() override { std::filesystem::remove_all(Native(dir_)); }
  static std::filesystem::path Native(const std::string& utf8) { return std::filesystem::path(Utf8ToWide(utf8)); }
#ifdef _WIN32
  static constexpr const char* kSeparator = "\\";
#else
  static constexpr const char* kSeparator = "/";
#endif
  std::string At(const std::string& name) const { return dir_ + kSeparator + name; }
  std::string dir_;
};

TEST_F(FileSystemFolder, FactsFoldersListingRenameAndRemove) {
  EXPECT_FALSE(PathExists(dir_));
  EXPECT_FALSE(FactsOf(At("none")).exists);
  // Folders are made with the missing ones above them, Unicode names too.
  const std::string greek = At("Ωμέγα");
  const std::string nested = greek + kSeparator + "inner";
  ASSERT_TRUE(MakeFolders(nested));
  EXPECT_TRUE(IsFolder(greek));
  EXPECT_TRUE(MakeFolders(nested)) << "an existing folder counts as made";
  EXPECT_FALSE(IsRegularFile(nested));

  const std::string file = At("dictionary – é.qxu");
  ASSERT_TRUE(WriteFileAtomically(file, "hello"));
  FileFacts facts = FactsOf(file);
  EXPECT_TRUE(facts.exists && facts.regular && !facts.folder);
  EXPECT_EQ(facts.size, 5u);
  EXPECT_NE(facts.time, 0);

  // The listing holds the files only, by their UTF-8 names.
  ASSERT_TRUE(WriteFileAtomically(At("b.txt"), ""));
  std::vector<std::string> names = FileNamesIn(dir_);
  std::sort(names.begin(), names.end());
  ASSERT_EQ(names, (std::vector<std::string>{"b.txt", "dictionary – é.qxu"}));
  EXPECT_TRUE(FileNamesIn(At("none")).empty());

  // A rename replaces a file of the new name.
  ASSERT_TRUE(RenamePath(file, At("b.txt")));
  EXPECT_FALSE(PathExists(file));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(At("b.txt"), bytes));
  EXPECT_EQ(bytes, "hello");
  EXPECT_FALSE(RenamePath(At("none"), At("c.txt")));

  EXPECT_TRUE(RemoveFilePath(At("b.txt")));
  EXPECT_FALSE(RemoveFilePath(At("b.txt")));
  EXPECT_FALSE(PathExists(At("b.txt")));
}

TEST_F(FileSystemFolder, FilesAreReadWholeOrByTheirStartAndWrittenInOneStep) {
  ASSERT_TRUE(MakeFolders(dir_));
  std::string big(200000, 'x');
  for (size_t i = 0; i < big.size(); ++i) big[i] = char('a' + i % 26);
  const std::string file = At("big.bin");
  ASSERT_TRUE(WriteFileAtomically(file, big));
  std::string bytes = "left over";
  ASSERT_TRUE(ReadWholeFile(file, bytes));
  EXPECT_EQ(bytes, big);
  ASSERT_TRUE(ReadFileStart(file, 70000, bytes));
  EXPECT_EQ(bytes, big.substr(0, 70000));
  ASSERT_TRUE(ReadFileStart(file, 300000, bytes));
  EXPECT_EQ(bytes.size(), big.size());
  // No file: false, and what the caller had stays.
  bytes = "kept";
  EXPECT_FALSE(ReadWholeFile(At("none"), bytes));
  EXPECT_EQ(bytes, "kept");
  // The temporary files are gone after writing.
  EXPECT_EQ(FileNamesIn(dir_), std::vector<std::string>{"big.bin"});
  // A missing folder: nothing written, nothing made.
  EXPECT_FALSE(WriteFileAtomically(At("none") + "/x.txt", "a"));
  EXPECT_FALSE(PathExists(At("none")));
}

}  // namespace
}  // namespace wx
