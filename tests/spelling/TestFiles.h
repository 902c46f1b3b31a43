// Scratch folders and files for the spelling tests.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "spelling/SpellConfig.h"
#include "tools/lib/MainDictWriter.h"

namespace wx::test {

// A fresh folder under the build tree, removed with its contents at the end.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& name) {
    path_ = std::filesystem::path(WX_BINARY_DIR) / "test-scratch" / (name + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Gives use (round by round) rounds copies of a file's bytes, each with
// count bytes after the first 1100 (the header) changed at random.
inline void ForEachDamagedCopy(const std::string& good, int rounds, int count, uint32_t seed,
                               const std::function<void(int round, const std::string& bad)>& use) {
  auto next = [&] { return seed = seed * 1103515245u + 12345u; };
  for (int round = 0; round < rounds; ++round) {
    std::string bad = good;
    for (int i = 0; i < count; ++i) bad[1100 + next() % (bad.size() - 1100)] = char(next() >> 16);
    use(round, bad);
  }
}

// Builds a main dictionary of words into dir/test.qxm; false (with the
// writer's message in error) when it cannot be built.
inline bool WriteTestMainDictionary(const ScratchDir& dir, const std::vector<std::string>& words, std::string& error) {
  std::string image;
  tools::MainDictStats stats;
  if (!tools::BuildMainDictionary(words, {}, image, stats, error)) return false;
  WriteBytes(dir.File("test.qxm"), image);
  return true;
}

// A checker configuration kept in memory only: dictionaries from dir, main
// dictionary "test.qxm", custom and active dictionary "user.qxu".
inline TSpellConfigSettings ScratchSpellSettings(const ScratchDir& dir) {
  TSpellConfigSettings s;
  s.ConfigStorage = TConfigStorage::csNone;
  s.ConfigDictionaryDir = {dir.path().string()};
  s.ConfigUseMSWordCustom = false;
  s.ConfigDefaultMain = {"test.qxm"};
  s.ConfigDefaultCustom = {"user.qxu"};
  s.ConfigDefaultActiveCustom = "user.qxu";
  return s;
}

}  // namespace wx::test
