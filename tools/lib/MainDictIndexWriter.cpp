#include "tools/lib/MainDictIndexWriter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "common/AtomicFile.h"
#include "common/ByteWriter.h"
#include "spelling/MainDictionary.h"
#include "spelling/MainDictionaryIndex.h"
#include "spelling/PhoneticsMap.h"

namespace wx::tools {

namespace {

using Index = TMainDictionaryIndex;

struct Group {
  std::string prefix;
  std::vector<std::string> words;   // in the order the search evaluates them
  std::vector<int32_t> parents;     // nearest evaluated word above, or -1
  uint32_t firstOrdinal = 0;
};

struct RuleSetTables {
  uint64_t fingerprint = 0;
  uint32_t keyWidth = 0;
  std::string groups, codes, entries;
  uint32_t groupCount = 0, codeCount = 0, entryCount = 0;
};

bool BuildRuleSet(TPhoneticsMap& map, const std::vector<Group>& groups, size_t depth, RuleSetTables& t,
                  std::string& error) {
  if (size_t(map.StartDepth()) != depth) {
    error = "the phonetic rules start at another depth than the index's prefixes";
    return false;
  }
  t.fingerprint = map.CodeFingerprint();
  struct Entry {
    uint64_t key;
    uint32_t ordinal;
    uint32_t longestAbove;
  };
  std::vector<std::vector<Entry>> perGroup(groups.size());
  std::string code;
  std::vector<std::string> tails;
  std::vector<uint32_t> lengths, above;
  for (size_t g = 0; g < groups.size(); ++g) {
    const Group& group = groups[g];
    const size_t n = group.words.size();
    tails.assign(n, {});
    lengths.assign(n, 0);
    above.assign(n, 0);
    std::string head;
    for (size_t i = 0; i < n; ++i) {
      map.BuildCode(group.words[i], code);
      // The query compares only what follows the prefix's own code, which
      // must therefore be the same for every word below the prefix.
      if (code.size() < depth || (i > 0 && code.compare(0, depth, head) != 0)) {
        error = "a code below the prefix \"" + group.prefix + "\" does not start with the prefix's code";
        return false;
      }
      if (i == 0) head = code.substr(0, depth);
      tails[i] = code.substr(depth);
      lengths[i] = uint32_t(code.size());
      const int32_t p = group.parents[i];
      above[i] = p < 0 ? 0 : std::max(above[size_t(p)], lengths[size_t(p)]);
      t.keyWidth = std::max<uint32_t>(t.keyWidth, uint32_t(tails[i].size()));
    }
    if (t.keyWidth > Index::kMaxKeyWidth) {
      error = "a sound-alike code is longer than the index stores";
      return false;
    }
    for (size_t i = 0; i < n; ++i) {
      Entry e;
      Index::CodeKey(tails[i], Index::kMaxKeyWidth, e.key);
      e.ordinal = group.firstOrdinal + uint32_t(i);
      e.longestAbove = std::min<uint32_t>(above[i], 255);
      perGroup[g].push_back(e);
    }
    std::stable_sort(perGroup[g].begin(), perGroup[g].end(),
                     [](const Entry& a, const Entry& b) { return a.key < b.key; });
  }
  for (size_t g = 0; g < groups.size(); ++g) {
    std::string prefix = groups[g].prefix;
    prefix.resize(Index::kMaxGroupDepth, '\0');
    t.groups += prefix;
    const uint32_t firstCode = t.codeCount;
    const auto& entries = perGroup[g];
    for (size_t i = 0; i < entries.size(); ++i) {
      if (i == 0 || entries[i].key != entries[i - 1].key) {
        Put64(t.codes, entries[i].key);
        Put32(t.codes, t.entryCount);
        ++t.codeCount;
      }
      Put32(t.entries, entries[i].ordinal | (entries[i].longestAbove << 24));
      ++t.entryCount;
    }
    Put32(t.groups, firstCode);
    Put32(t.groups, t.codeCount - firstCode);
    ++t.groupCount;
  }
  // The end of the last code's entries.
  Put64(t.codes, 0);
  Put32(t.codes, t.entryCount);
  return true;
}

}  // namespace

bool AddLookupIndex(const std::string& path, MainDictIndexStats& stats, std::string& error) {
  stats = {};
  uint64_t treeSize = 0;
  std::vector<uint64_t> wordHashes;
  std::vector<Group> groups;
  TPhoneticsMap map;
  int language = 0;
  {
    TMainDictionary dict;
    if (!dict.Open(path)) {
      error = "cannot read the dictionary " + path;
      return false;
    }
    dict.SetIndexUse(false);
    dict.SetSearchVisitLimit(UINT32_MAX);  // the whole tree, however large
    dict.SetActive(true);
    if (!dict.Active()) {
      error = "the dictionary " + path + " is damaged";
      return false;
    }
    treeSize = dict.TreeSize();
    language = dict.Language();
    map.SetLanguage(language);
    const size_t depth = size_t(map.StartDepth());
    if (!dict.ForEachWord([&](std::string_view w) { wordHashes.push_back(Index::FilterHash(w)); }) ||
        !dict.ForEachSoundAlikeGroup(
            depth, [&](std::string_view prefix) { groups.push_back({std::string(prefix), {}, {}, 0}); },
            [&](std::string_view w, int32_t parent) {
              groups.back().words.emplace_back(w);
              groups.back().parents.push_back(parent);
            })) {
      error = "the dictionary's tree is too large to walk";
      return false;
    }
  }
  std::string bytes;
  if (!ReadWholeFile(path, bytes) || bytes.size() < treeSize || treeSize > 0xFFFFFFFFu) {
    error = "cannot read the dictionary " + path;
    return false;
  }
  bytes.resize(size_t(treeSize));

  const size_t depth = size_t(map.StartDepth());
  if (depth > Index::kMaxGroupDepth) {
    error = "the phonetic prefix is too long for the index";
    return false;
  }
  std::sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) { return a.prefix < b.prefix; });
  // Words: front-coded in group order, every kRestartEvery-th whole.
  std::string words, restarts;
  uint32_t ordinal = 0;
  std::string previous;
  for (Group& g : groups) {
    g.firstOrdinal = ordinal;
    for (const std::string& w : g.words) {
      if (w.size() > 255) {
        error = "a word is longer than 255 bytes";
        return false;
      }
      size_t shared = 0;
      if (ordinal % Index::kRestartEvery == 0) {
        Put32(restarts, uint32_t(words.size()));
      } else {
        while (shared < w.size() && shared < previous.size() && shared < 255 && w[shared] == previous[shared])
          ++shared;
      }
      words.push_back(char(shared));
      words.push_back(char(w.size() - shared));
      words.append(w, shared, std::string::npos);
      previous = w;
      ++ordinal;
    }
  }
  if (ordinal >= Index::kMaxWords) {
    error = "too many words for the index";
    return false;
  }

  // Rule sets: the dictionary's language only. English suggestions also ask
  // the generic rules when the English ones find few words; that second
  // search walks the tree (about a third slower over a list of misspellings),
  // which costs less than a second table as large as the first in every
  // download.
  std::vector<RuleSetTables> sets(1);
  if (!BuildRuleSet(map, groups, depth, sets[0], error)) return false;

  // Filter: at least 12 bits a word, 4 bits set per word in one 64-bit
  // word (about 0.6% of non-words pass at 16 bits a word).
  uint64_t bits = 64;
  while (bits < wordHashes.size() * 12) bits *= 2;
  if (bits / 64 > (uint64_t(1) << 24)) {
    error = "too many words for the index's filter";
    return false;
  }
  std::vector<uint64_t> blocks(size_t(bits / 64), 0);
  for (uint64_t h : wordHashes) blocks[Index::FilterWord(h, blocks.size())] |= Index::FilterBits(h);
  std::string filter;
  for (uint64_t b : blocks) Put64(filter, b);

  std::string index(Index::kMagic);
  Put32(index, Index::kVersion);
  Put32(index, uint32_t(treeSize));
  Put32(index, ordinal);
  Put32(index, uint32_t(depth));
  const size_t offsets = index.size();
  for (int i = 0; i < 6; ++i) Put32(index, 0);  // filter, words and restarts, filled below
  Put32(index, uint32_t(sets.size()));
  const size_t setTable = index.size();
  index.resize(setTable + sets.size() * Index::kRuleSetSize, '\0');
  auto place = [&](const std::string& part) {
    const uint32_t at = uint32_t(index.size());
    index += part;
    return at;
  };
  for (size_t i = 0; i < sets.size(); ++i) {
    const RuleSetTables& t = sets[i];
    const size_t at = setTable + i * Index::kRuleSetSize;
    Set64(index, at, t.fingerprint);
    Set32(index, at + 8, t.keyWidth);
    Set32(index, at + 12, place(t.groups));
    Set32(index, at + 16, t.groupCount);
    Set32(index, at + 20, place(t.codes));
    Set32(index, at + 24, t.codeCount);
    Set32(index, at + 28, place(t.entries));
    Set32(index, at + 32, t.entryCount);
    stats.groups += t.groupCount;
    stats.codes += t.codeCount;
  }
  Set32(index, offsets, place(filter));
  Set32(index, offsets + 4, uint32_t(filter.size()));
  Set32(index, offsets + 8, Index::kFilterProbes);
  Set32(index, offsets + 12, place(words));
  Set32(index, offsets + 16, uint32_t(words.size()));
  Set32(index, offsets + 20, place(restarts));
  if (index.size() > 0xFFFFFFF0u) {
    error = "the index is too large";
    return false;
  }
  bytes += index;
  std::string checksum;
  Put64(checksum, IndexHash(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), Index::kChecksumSeed));
  bytes += checksum;
  if (!WriteFileAtomically(path, bytes)) {
    error = "cannot write " + path;
    return false;
  }
  stats.words = wordHashes.size();
  stats.filterBytes = filter.size();
  stats.ruleSets = sets.size();
  stats.indexBytes = index.size() + 8;
  return true;
}

}  // namespace wx::tools
