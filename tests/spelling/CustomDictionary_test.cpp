#include "spelling/CustomDictionary.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>

#include "common/ByteReader.h"
#include "TestFiles.h"

namespace wx {
namespace {

using test::ScratchDir;

std::string Numbered(const char* prefix, int i) {
  std::string s(prefix);
  s += std::to_string(i);
  return s;
}

// Values worked out by hand from the hash definition (signed 32-bit
// arithmetic with wrap-around multiplication).
TEST(CustomDictionary, DictHashValues) {
  EXPECT_EQ(TCustomDictionary::DictHash("", 251), 0);
  EXPECT_EQ(TCustomDictionary::DictHash("a", 251), 97);
  EXPECT_EQ(TCustomDictionary::DictHash("hello", 251), 178);
  EXPECT_EQ(TCustomDictionary::DictHash("hello", 2147483647), 740670852);
  EXPECT_EQ(TCustomDictionary::DictHash("Wendrix", 509), 448);
  EXPECT_EQ(TCustomDictionary::DictHash("\xE9t\xE9", 1021), 822);
  EXPECT_EQ(TCustomDictionary::DictHash("zzzzzzzzzzzzzzzzzzzz", 2147483647), 667083092);
  EXPECT_EQ(TCustomDictionary::DictHash("internationalization", 65521), 17088);
  EXPECT_EQ(TCustomDictionary::NextTableSize(0), 251);
  EXPECT_EQ(TCustomDictionary::NextTableSize(251), 509);
  EXPECT_EQ(TCustomDictionary::NextTableSize(1073741789), 2147483647);
  EXPECT_EQ(TCustomDictionary::NextTableSize(2147483647), 0);
}

// The words of an image in slot order, read straight from the bytes.
std::vector<std::string> WordsInSlotOrder(const std::string& image, char kind) {
  ByteReader r(image.data(), image.size());
  r.Seek(137);
  uint32_t size = r.U32();
  std::vector<int32_t> slots(size);
  for (auto& s : slots) s = int32_t(r.U32());
  uint32_t areaSize = r.U32();
  std::string area(r.Bytes(areaSize));
  std::vector<std::string> out;
  for (int32_t v : slots)
    if (v > 0 && area[size_t(v) - 1] == kind) out.emplace_back(area.c_str() + v);
  return out;
}

// A file written by an independent implementation of the format loads as
// consistent and is written back byte for byte.
TEST(CustomDictionary, ReadsAFileFromAnotherWriter) {
  std::string bytes = test::ReadBytes(std::string(WX_SOURCE_DIR) + "/fuzz/seeds/customdict_fuzz/small.qxu");
  ASSERT_FALSE(bytes.empty());
  TCustomDictionary d;
  EXPECT_TRUE(d.LoadFromBytes(bytes));
  EXPECT_TRUE(d.IsAdded("word"));
  EXPECT_TRUE(d.IsAdded("Wendrix"));
  EXPECT_TRUE(d.IsExcludedWord("alot"));
  std::string r;
  EXPECT_TRUE(d.GetAutoCorrect("teh", r));
  EXPECT_EQ(r, "the");
  EXPECT_EQ(d.SaveToBytes(), bytes);
}

TEST(CustomDictionary, EntriesKindsAndLimits) {
  TCustomDictionary d;  // file-less
  EXPECT_EQ(d.TableSize(), 0);
  EXPECT_TRUE(d.AddWord("colour"));
  EXPECT_EQ(d.TableSize(), 251);
  EXPECT_FALSE(d.AddWord("colour"));
  EXPECT_FALSE(d.AddExcluded("colour"));  // one entry per word, whatever its kind
  EXPECT_FALSE(d.AddAutoCorrect("colour", "color"));
  EXPECT_FALSE(d.AddWord(""));
  EXPECT_TRUE(d.AddExcluded("irregardless"));
  EXPECT_TRUE(d.AddAutoCorrect("teh", "the"));
  EXPECT_TRUE(d.AddAutoCorrect("blank", ""));
  EXPECT_TRUE(d.IsAdded("colour"));
  EXPECT_FALSE(d.IsAdded("Colour"));  // exact bytes
  EXPECT_FALSE(d.IsExcludedWord("colour"));
  EXPECT_TRUE(d.IsExcludedWord("irregardless"));
  std::string r;
  EXPECT_TRUE(d.GetAutoCorrect("teh", r));
  EXPECT_EQ(r, "the");
  EXPECT_TRUE(d.GetAutoCorrect("blank", r));
  EXPECT_EQ(r, "");
  EXPECT_FALSE(d.GetAutoCorrect("colour", r));
  EXPECT_EQ(d.AddedCount(), 1);
  EXPECT_EQ(d.ExcludedCount(), 1);
  EXPECT_EQ(d.AutoCorrectCount(), 2);
  EXPECT_EQ(d.WordCount(), 4);

  // Word and replacement together: 500 bytes are allowed, 501 are not.
  EXPECT_TRUE(d.AddAutoCorrect(std::string(300, 'w'), std::string(200, 'r')));
  EXPECT_FALSE(d.AddAutoCorrect(std::string(300, 'x'), std::string(201, 'r')));
  EXPECT_FALSE(d.AddWord(std::string(501, 'y')));
  EXPECT_TRUE(d.AddWord(std::string(500, 'y')));

  EXPECT_FALSE(d.RemoveExcluded("colour"));  // wrong kind
  EXPECT_TRUE(d.RemoveWord("colour"));
  EXPECT_FALSE(d.IsAdded("colour"));
  EXPECT_TRUE(d.AddExcluded("colour"));  // free again
  EXPECT_TRUE(d.RemoveAutoCorrect("teh"));
  EXPECT_FALSE(d.GetAutoCorrect("teh", r));
  EXPECT_EQ(d.AddedCount(), 1);
  EXPECT_EQ(d.ExcludedCount(), 2);
  EXPECT_EQ(d.AutoCorrectCount(), 2);

  d.ClearAll();
  EXPECT_EQ(d.WordCount(), 0);
  EXPECT_FALSE(d.IsExcludedWord("colour"));
}

TEST(CustomDictionary, TableGrowthAndEnumerationOrder) {
  TCustomDictionary d;
  for (int i = 1; i <= 62; ++i) ASSERT_TRUE(d.AddWord(Numbered("word", i)));
  EXPECT_EQ(d.TableSize(), 251);
  std::string image = d.SaveToBytes();
  std::vector<std::string> listed;
  for (size_t i = 0;; ++i) {
    std::string w;
    if (!d.GetAddedWord(i, w)) break;
    listed.push_back(w);
  }
  EXPECT_EQ(listed, WordsInSlotOrder(image, 'I'));
  ASSERT_TRUE(d.AddWord("word63"));  // 4 x 63 >= 251
  EXPECT_EQ(d.TableSize(), 509);
  std::vector<std::string> after;
  for (size_t i = 0;; ++i) {
    std::string w;
    if (!d.GetAddedWord(i, w)) break;
    after.push_back(w);
  }
  EXPECT_EQ(after, WordsInSlotOrder(d.SaveToBytes(), 'I'));
  EXPECT_EQ(after.size(), 63u);
  for (int i = 1; i <= 63; ++i) EXPECT_TRUE(d.IsAdded(Numbered("word", i)));

  // Removing and adding again appends a second entry; only the new one is live.
  size_t before = d.SaveToBytes().size();
  ASSERT_TRUE(d.RemoveWord("word5"));
  ASSERT_TRUE(d.AddWord("word5"));
  std::string again = d.SaveToBytes();
  EXPECT_EQ(again.size(), before + 7);
  std::vector<std::string> words = WordsInSlotOrder(again, 'I');
  EXPECT_EQ(std::count(words.begin(), words.end(), "word5"), 1);
}

// Adding and removing different words for a long time must neither hang
// (deleted slots filling the table) nor lose entries.
TEST(CustomDictionary, ChurnKeepsProbesShort) {
  TCustomDictionary d;
  std::set<std::string> live;
  std::mt19937 rng(5);
  for (int i = 0; i < 6000; ++i) {
    std::string w = Numbered("w", i);
    ASSERT_TRUE(d.AddWord(w));
    live.insert(w);
    if (live.size() > 20) {
      auto it = live.begin();
      std::advance(it, rng() % live.size());
      ASSERT_TRUE(d.RemoveWord(*it));
      live.erase(it);
    }
  }
  EXPECT_EQ(d.TableSize(), 251);
  for (const auto& w : live) EXPECT_TRUE(d.IsAdded(w));
  EXPECT_FALSE(d.IsAdded("w0"));
  EXPECT_EQ(d.AddedCount(), int32_t(live.size()));
}

// Lookups skip most absent words without hashing: every word present must
// still be found through table growth, removals, reloads and damage repairs,
// in the slot the hash definition gives.
TEST(CustomDictionary, LookupsFindEveryWordThroughGrowthAndReloads) {
  TCustomDictionary d;
  std::set<std::string> live;
  std::mt19937 rng(9);
  auto randomWord = [&] {
    std::string w;
    for (size_t n = 2 + rng() % 9; n; --n) w.push_back(char('a' + rng() % 26));
    return w;
  };
  for (int i = 0; i < 3000; ++i) {
    std::string w = randomWord();
    if (d.AddWord(w)) live.insert(w);
    if (i % 7 == 0 && !live.empty()) {
      auto it = live.begin();
      std::advance(it, rng() % live.size());
      ASSERT_TRUE(d.RemoveWord(*it));
      live.erase(it);
    }
  }
  EXPECT_GE(d.TableSize(), 8191);
  auto check = [&](TCustomDictionary& dict) {
    for (const auto& w : live) ASSERT_TRUE(dict.IsAdded(w)) << w;
    for (int i = 0; i < 3000; ++i) {
      std::string w = randomWord();
      ASSERT_EQ(dict.IsAdded(w), live.count(w) == 1) << w;
    }
  };
  check(d);
  // Every live word sits where its hash and probe sequence put it.
  const std::string image = d.SaveToBytes();
  ByteReader r(image.data(), image.size());
  r.Seek(137);
  const int32_t size = int32_t(r.U32());
  std::vector<int32_t> slots(size_t(size), 0);
  for (auto& v : slots) v = int32_t(r.U32());
  std::string area(r.Bytes(r.U32()));
  for (int32_t at = 0; at < size; ++at)
    if (slots[size_t(at)] > 0) {
      int64_t s = TCustomDictionary::DictHash(area.c_str() + slots[size_t(at)], size);
      const int64_t step = s % 97 + 1;
      while (s != at && slots[size_t(s)] != 0) s = (s + step) % size;
      EXPECT_EQ(s, at);
    }
  TCustomDictionary copy;
  ASSERT_TRUE(copy.LoadFromBytes(image));
  check(copy);
  EXPECT_EQ(copy.SaveToBytes(), image);
}

TEST(CustomDictionary, FilesOpenSaveAndReload) {
  ScratchDir dir("customdict-files");
  std::string path = dir.File("user.qxu");
  {
    TCustomDictionary d;
    ASSERT_TRUE(d.Open(path));  // missing at a writable path: a new dictionary
    EXPECT_EQ(d.FileName(), path);
    EXPECT_FALSE(std::filesystem::exists(path));
    d.SetLoaded(true);
    EXPECT_TRUE(d.Modified());  // so that the file is created at the next save
    d.AddWord("Wendrix");
    d.AddAutoCorrect("adn", "and");
    d.AddExcluded("alot");
    ASSERT_TRUE(d.Save());
    EXPECT_FALSE(d.Modified());
  }
  std::string bytes = test::ReadBytes(path);
  EXPECT_EQ(bytes.substr(0, kCustomDictionaryBanner.size()), kCustomDictionaryBanner);
  EXPECT_EQ(bytes[119], '\0');
  EXPECT_EQ(bytes[120], '\x1A');
  // Only the dictionary itself is left in the folder (no temporary files).
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  TCustomDictionary e;
  ASSERT_TRUE(e.Open(path));
  EXPECT_TRUE(e.IsAdded("Wendrix"));
  EXPECT_TRUE(e.IsExcludedWord("alot"));
  std::string r;
  EXPECT_TRUE(e.GetAutoCorrect("adn", r));
  EXPECT_EQ(r, "and");
  EXPECT_EQ(e.SaveToBytes(), bytes);  // loaded exactly as stored

  // Not a dictionary, or nowhere to create one: refused, the old file stays.
  test::WriteBytes(dir.File("notes.qxu"), "just some text that is long enough to pass for a header");
  EXPECT_FALSE(e.Open(dir.File("notes.qxu")));
  EXPECT_FALSE(e.Open(dir.File("no/such/folder/x.qxu")));
  EXPECT_EQ(e.FileName(), path);
  EXPECT_TRUE(e.IsAdded("Wendrix"));
}

TEST(CustomDictionary, FailedSaveKeepsChangesPending) {
  ScratchDir dir("customdict-pending");
  std::filesystem::create_directories(dir.path() / "sub");
  std::string path = (dir.path() / "sub" / "user.qxu").string();
  TCustomDictionary d;
  ASSERT_TRUE(d.Open(path));
  d.AddWord("keepme");
  std::filesystem::remove_all(dir.path() / "sub");  // the folder vanished
  EXPECT_FALSE(d.Save());
  EXPECT_TRUE(d.Modified());
  std::filesystem::create_directories(dir.path() / "sub");
  EXPECT_TRUE(d.Save());
  TCustomDictionary e;
  ASSERT_TRUE(e.Open(path));
  EXPECT_TRUE(e.IsAdded("keepme"));
}

TEST(CustomDictionary, SaveMergesChangesOfAnotherWriter) {
  ScratchDir dir("customdict-merge");
  std::string path = dir.File("shared.qxu");
  {
    TCustomDictionary seed;
    seed.Open(path);
    seed.AddWord("common");
    seed.AddWord("dropme");
    ASSERT_TRUE(seed.Save());
  }
  TCustomDictionary a, b;
  ASSERT_TRUE(a.Open(path));
  ASSERT_TRUE(b.Open(path));
  a.AddWord("alpha");
  a.AddAutoCorrect("teh", "the");
  b.AddWord("beta");
  b.RemoveWord("dropme");
  b.AddExcluded("alot");
  ASSERT_TRUE(a.Save());
  ASSERT_TRUE(b.Save());  // the file changed since b loaded it: merged
  // A later save of a, changed since: merged again onto b's result.
  a.AddWord("gamma");
  ASSERT_TRUE(a.Save());

  TCustomDictionary c;
  ASSERT_TRUE(c.Open(path));
  for (const char* w : {"common", "alpha", "beta", "gamma"}) EXPECT_TRUE(c.IsAdded(w)) << w;
  EXPECT_FALSE(c.IsAdded("dropme"));
  EXPECT_TRUE(c.IsExcludedWord("alot"));
  std::string r;
  EXPECT_TRUE(c.GetAutoCorrect("teh", r));
  EXPECT_EQ(c.WordCount(), 6);
}

// Two processes add different words to one file; both keep them.
TEST(CustomDictionary, TwoProcessesKeepTheirWords) {
  ScratchDir dir("customdict-processes");
  std::string path = dir.File("shared.qxu");
  {
    TCustomDictionary seed;
    seed.Open(path);
    seed.AddWord("seed");
    ASSERT_TRUE(seed.Save());
  }
  // Each child loads the file, adds its words, reports ready, waits for its
  // turn to save, saves and exits. The parent lets the first save before the
  // second, which therefore finds the file changed since it loaded it.
  auto child = [&](const char* prefix, int ready, int go) {
    TCustomDictionary d;
    if (!d.Open(path) || !d.IsAdded("seed")) _exit(2);
    for (int i = 0; i < 100; ++i) d.AddWord(Numbered(prefix, i));
    char c = 'r';
    if (write(ready, &c, 1) != 1 || read(go, &c, 1) != 1) _exit(3);
    _exit(d.Save() ? 0 : 4);
  };
  int readyPipe[2], goA[2], goB[2];
  ASSERT_EQ(pipe(readyPipe), 0);
  ASSERT_EQ(pipe(goA), 0);
  ASSERT_EQ(pipe(goB), 0);
  pid_t a = fork();
  if (a == 0) child("apple", readyPipe[1], goA[0]);
  pid_t b = fork();
  if (b == 0) child("banana", readyPipe[1], goB[0]);
  char c;
  ASSERT_EQ(read(readyPipe[0], &c, 1), 1);
  ASSERT_EQ(read(readyPipe[0], &c, 1), 1);
  int status = 0;
  ASSERT_EQ(write(goA[1], "g", 1), 1);
  ASSERT_EQ(waitpid(a, &status, 0), a);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  ASSERT_EQ(write(goB[1], "g", 1), 1);
  ASSERT_EQ(waitpid(b, &status, 0), b);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  for (int fd : {readyPipe[0], readyPipe[1], goA[0], goA[1], goB[0], goB[1]}) close(fd);

  TCustomDictionary d;
  ASSERT_TRUE(d.Open(path));
  EXPECT_EQ(d.AddedCount(), 201);
  for (int i = 0; i < 100; ++i) {
    EXPECT_TRUE(d.IsAdded(Numbered("apple", i)));
    EXPECT_TRUE(d.IsAdded(Numbered("banana", i)));
  }
}

// A clear empties the file at the next save, also when that save merges
// with another writer (the removals are replayed), and the other writer's
// later words stay. Changes replay in the order made.
TEST(CustomDictionary, ClearAndOrderSurviveMergingSaves) {
  ScratchDir dir("customdict-clear");
  std::string path = dir.File("shared.qxu");
  {
    TCustomDictionary seed;
    seed.Open(path);
    for (const char* w : {"old1", "old2", "again"}) seed.AddWord(w);
    seed.AddAutoCorrect("teh", "the");
    ASSERT_TRUE(seed.Save());
  }
  TCustomDictionary d;
  ASSERT_TRUE(d.Open(path));
  d.AddWord("mine");
  ASSERT_TRUE(d.Save());  // rewrites the file: every later save of d merges
  d.ClearAll();
  EXPECT_TRUE(d.Modified());
  EXPECT_EQ(d.WordCount(), 0);
  d.AddWord("fresh");
  d.AddWord("again");  // cleared, then added back: must stay
  {
    TCustomDictionary other;  // another writer adds a word after the clear
    ASSERT_TRUE(other.Open(path));
    other.AddWord("theirs");
    ASSERT_TRUE(other.Save());
  }
  ASSERT_TRUE(d.Save());
  {
    TCustomDictionary c;
    ASSERT_TRUE(c.Open(path));
    for (const char* w : {"fresh", "again", "theirs"}) EXPECT_TRUE(c.IsAdded(w)) << w;
    for (const char* w : {"old1", "old2", "mine"}) EXPECT_FALSE(c.IsAdded(w)) << w;
    std::string r;
    EXPECT_FALSE(c.GetAutoCorrect("teh", r));
    EXPECT_EQ(c.WordCount(), 3);
  }
  // A clear with nothing else changed is saved too; it removes what d held,
  // not the other writer's word that d never loaded.
  d.ClearAll();
  ASSERT_TRUE(d.Save());
  TCustomDictionary e;
  ASSERT_TRUE(e.Open(path));
  EXPECT_EQ(e.WordCount(), 1);
  EXPECT_TRUE(e.IsAdded("theirs"));
  // A file-less dictionary clears without tracking anything.
  TCustomDictionary mem;
  mem.AddWord("x");
  mem.SetModified(false);
  mem.ClearAll();
  EXPECT_FALSE(mem.Modified());
}

// Changing a replacement keeps the pair unless the new one is accepted.
TEST(CustomDictionary, ReplaceAutoCorrectKeepsThePairOnRefusal) {
  ScratchDir dir("customdict-replace");
  std::string path = dir.File("ac.qxu");
  TCustomDictionary d;
  ASSERT_TRUE(d.Open(path));
  ASSERT_TRUE(d.AddAutoCorrect("teh", "the"));
  ASSERT_TRUE(d.AddWord("word"));
  std::string r;
  EXPECT_FALSE(d.ReplaceAutoCorrect("teh", ""));                      // emptied field
  EXPECT_FALSE(d.ReplaceAutoCorrect("teh", std::string(498, 'x')));   // 3 + 498 = 501: too long
  EXPECT_FALSE(d.ReplaceAutoCorrect("teh", "the"));                   // unchanged
  EXPECT_FALSE(d.ReplaceAutoCorrect("word", "other"));                // not a pair
  EXPECT_FALSE(d.ReplaceAutoCorrect("nothing", "other"));
  ASSERT_TRUE(d.GetAutoCorrect("teh", r));
  EXPECT_EQ(r, "the");
  EXPECT_TRUE(d.ReplaceAutoCorrect("teh", std::string(497, 'y')));   // 500: the largest accepted
  EXPECT_TRUE(d.ReplaceAutoCorrect("teh", "thee"));
  ASSERT_TRUE(d.GetAutoCorrect("teh", r));
  EXPECT_EQ(r, "thee");
  EXPECT_EQ(d.AutoCorrectCount(), 1);
  ASSERT_TRUE(d.Save());
  TCustomDictionary e;
  ASSERT_TRUE(e.Open(path));
  ASSERT_TRUE(e.GetAutoCorrect("teh", r));
  EXPECT_EQ(r, "thee");
}

// Probing a missing path never creates, truncates or removes anything there:
// a dangling link at the path still dangles afterwards.
TEST(CustomDictionary, ProbingAMissingPathTouchesNothing) {
  ScratchDir dir("customdict-probe");
  std::string path = dir.File("user.qxu");
  EXPECT_TRUE(TCustomDictionary::CheckFile(path));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 0);  // no probe left behind
  std::filesystem::create_symlink(dir.File("target.qxu"), path);
  EXPECT_TRUE(TCustomDictionary::CheckFile(path));
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_FALSE(std::filesystem::exists(dir.File("target.qxu")));
  EXPECT_FALSE(TCustomDictionary::CheckFile(dir.File("missing/user.qxu")));
  TCustomDictionary d;
  EXPECT_FALSE(d.Open(dir.File("missing/user.qxu")));
}

TEST(CustomDictionary, DamagedFilesLoadAsFarAsConsistent) {
  TCustomDictionary good;
  for (int i = 0; i < 40; ++i) good.AddWord(Numbered("entry", i));
  good.AddAutoCorrect("recieve", "receive");
  std::string image = good.SaveToBytes();

  // Cut at every length: never a read outside the bytes; what loads is usable.
  for (size_t cut = 0; cut <= image.size(); cut += 7) {
    TCustomDictionary d;
    d.LoadFromBytes(std::string_view(image).substr(0, cut));
    int32_t n = d.AddedCount();
    EXPECT_GE(n, 0);
    std::string w;
    for (int32_t i = 0; i < n; ++i) ASSERT_TRUE(d.GetAddedWord(size_t(i), w));
    EXPECT_TRUE(d.AddWord("fresh"));
    EXPECT_TRUE(d.IsAdded("fresh"));
  }

  // Slots out of the area, a duplicate entry and wrong counters: the sound
  // entries stay findable, the counters are recounted.
  std::string bad = image;
  size_t slots = 141;
  uint32_t tableSize = 251;
  std::vector<size_t> live;
  for (uint32_t i = 0; i < tableSize; ++i) {
    ByteReader r(bad.data(), bad.size());
    if (int32_t(r.U32At(slots + 4 * i)) > 0) live.push_back(slots + 4 * i);
  }
  ASSERT_GE(live.size(), 3u);
  bad[live[0]] = '\xFF';
  bad[live[0] + 1] = '\xFF';
  bad[live[0] + 2] = '\xFF';
  bad[live[0] + 3] = '\x7F';                      // far outside the area
  std::copy_n(bad.begin() + live[1], 4, bad.begin() + live[2]);  // the same entry twice
  bad[121] = 99;                                  // AddedCount
  TCustomDictionary d;
  EXPECT_FALSE(d.LoadFromBytes(bad));
  // Two of the 41 entries are lost (the one pointing outside, the one overwritten).
  EXPECT_EQ(d.WordCount(), 39);
  int found = 0;
  for (int i = 0; i < 40; ++i) found += d.IsAdded(Numbered("entry", i));
  std::string r;
  EXPECT_EQ(found + (d.GetAutoCorrect("recieve", r) ? 1 : 0), 39);
  EXPECT_EQ(d.AddedCount(), found);

  // A table size that is not one of the prime sizes (even 1) is rebuilt.
  std::string odd = image;
  odd[137] = 1;
  odd[138] = odd[139] = odd[140] = 0;
  TCustomDictionary e;
  e.LoadFromBytes(odd);
  EXPECT_TRUE(e.AddWord("x"));
  EXPECT_TRUE(e.IsAdded("x"));
}

}  // namespace
}  // namespace wx
