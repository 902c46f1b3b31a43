#include "tools/lib/WordRankWriter.h"

#include <algorithm>
#include <cmath>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"
#include "common/ByteWriter.h"
#include "spelling/MainDictionary.h"
#include "spelling/MainDictionaryIndex.h"
#include "spelling/WordRanks.h"

namespace wx::tools {

uint8_t WordRankOf(std::string_view word, const std::unordered_map<std::string, double>& counts,
                   const std::vector<std::unordered_set<std::string>>& lists) {
  const std::string w(word);
  double count = 0;
  if (auto it = counts.find(w); it != counts.end()) count = it->second;
  uint32_t level = 0;
  for (const auto& list : lists)
    if (list.count(w)) ++level;
  const double cls = std::floor(2 * std::log2(1 + count) + 0.5);
  return TWordRanks::MakeRank(uint32_t(std::min(cls, 31.0)), level);
}

bool AddWordRanks(const std::string& path, const std::vector<std::pair<std::string, uint8_t>>& ranks,
                  size_t& tableBytes, std::string& error) {
  uint64_t treeSize = 0;
  {
    TMainDictionary dict;
    if (!dict.Open(path)) {
      error = path + " is no main dictionary";
      return false;
    }
    dict.SetActive(true);
    if (!dict.HasIndex()) {
      error = path + " carries no lookup index to add word ranks to";
      return false;
    }
    treeSize = dict.TreeSize();
  }
  std::string bytes;
  if (!ReadWholeFile(path, bytes) || bytes.size() < treeSize + 8) {
    error = "cannot read " + path;
    return false;
  }
  bytes.resize(bytes.size() - 8);  // the checksum, computed again below
  // A table added before is replaced.
  TWordRanks old;
  if (old.Attach(reinterpret_cast<const uint8_t*>(bytes.data()) + treeSize, bytes.size() - size_t(treeSize))) {
    const size_t trailer = bytes.size() - TWordRanks::kTrailerSize;
    bytes.resize(trailer - size_t(old.Count()) * 5);
  }
  std::vector<std::pair<uint32_t, uint8_t>> table;
  table.reserve(ranks.size());
  for (const auto& [word, rank] : ranks)
    if (rank != 0) table.push_back({TWordRanks::Key(word), rank});
  // Words sharing a key keep the higher rank.
  std::sort(table.begin(), table.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first < b.first : a.second > b.second;
  });
  table.erase(std::unique(table.begin(), table.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
              table.end());
  if (table.size() > TWordRanks::kMaxCount) {
    error = "too many ranked words";
    return false;
  }
  const uint64_t offset = bytes.size() - treeSize;
  if (offset > 0xFFFFFFFFu) {
    error = "the lookup index is too large";
    return false;
  }
  const size_t start = bytes.size();
  for (const auto& e : table) Put32(bytes, e.first);
  for (const auto& e : table) bytes.push_back(char(e.second));
  bytes.append(TWordRanks::kMagic);
  Put32(bytes, uint32_t(offset));
  Put32(bytes, uint32_t(table.size()));
  tableBytes = bytes.size() - start;
  Put64(bytes, IndexHash(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(),
                         TMainDictionaryIndex::kChecksumSeed));
  if (!WriteFileAtomically(path, bytes)) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace wx::tools
