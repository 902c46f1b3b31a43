#include "tools/lib/DefinitionsWriter.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>

#include "common/ByteWriter.h"
#include "definitions/Coder.h"
#include "definitions/DefinitionsDatabase.h"
#include "definitions/IndexKey.h"
#include "definitions/TextPacking.h"

namespace wx::tools {

namespace {

constexpr uint32_t kMax24 = 0xFFFFFF;
const char kHeader[16] = {'W', 'e', 'n', 'd', 'r', 'i', 'x', ' ', 'd', 'e', 'f', 's', ' ', '1', '\r', '\n'};


// The unpacked text of a record: words (inner blanks as ";"), " ;", gloss, " ".
std::string RecordText(const std::vector<std::string>& words, const std::string& gloss) {
  std::string text;
  for (size_t i = 0; i < words.size(); ++i) {
    if (i) text.push_back(' ');
    for (char c : words[i]) text.push_back(c == ' ' || c == '_' ? ';' : c);
  }
  text += " ;";
  text += gloss;
  text.push_back(' ');
  return text;
}

// A record laid out: its pointers (sorted by type, trimmed to fit) and packed text.
struct Layout {
  std::vector<DefPointer> pointers;
  std::string packed;
  size_t codedLength = 0;
  size_t Size() const { return codedLength + 3 * pointers.size() + packed.size() + 1; }
};

size_t CodedLength(const std::vector<DefPointer>& ptrs) {
  std::vector<uint8_t> types(ptrs.size()), words(2 * ptrs.size());
  for (size_t i = 0; i < ptrs.size(); ++i) {
    types[i] = ptrs[i].type;
    words[2 * i] = ptrs[i].source;
    words[2 * i + 1] = ptrs[i].dest;
  }
  return EncodePointerList(types.data(), words.data(), ptrs.size(), nullptr);
}

Layout LayOut(const DefMeaning& m, DefWriterStats& st) {
  Layout l;
  for (const auto& p : m.pointers) {
    if (p.type >= kPointerListEnd || p.source > kMaxWordNumber || p.dest > kMaxWordNumber) {
      ++st.droppedPointers;  // word numbers beyond the model's range cannot be coded
      continue;
    }
    l.pointers.push_back(p);
  }
  // Pointers of one type in a row code in a fraction of a bit each.
  std::stable_sort(l.pointers.begin(), l.pointers.end(),
                   [](const DefPointer& a, const DefPointer& b) { return a.type < b.type; });
  if (l.pointers.size() > kMaxPointers) {
    st.droppedPointers += l.pointers.size() - kMaxPointers;
    l.pointers.resize(kMaxPointers);
  }
  std::string gloss = m.gloss;
  std::string text = RecordText(m.words, gloss);
  if (text.size() > kMaxUnpackedText) {
    size_t over = text.size() - kMaxUnpackedText;
    gloss.resize(gloss.size() > over ? gloss.size() - over : 0);
    text = RecordText(m.words, gloss);
    ++st.cutGlosses;
  }
  l.packed = PackText(text);
  l.codedLength = CodedLength(l.pointers);
  // Too long a record shortens a gloss of more than half the record first,
  // then loses pointers of its most numerous type, then more gloss.
  bool cut = false;
  auto cutGloss = [&] {
    gloss.resize(gloss.size() > 16 ? gloss.size() - 16 : 0);
    l.packed = PackText(RecordText(m.words, gloss));
    cut = true;
  };
  while (l.Size() > kMaxMeaningRecord && !l.pointers.empty()) {
    if (l.packed.size() > kMaxMeaningRecord / 2 && !gloss.empty()) {
      cutGloss();
      continue;
    }
    int counts[16] = {};
    for (const auto& p : l.pointers) ++counts[p.type];
    int most = int(std::max_element(counts, counts + 16) - counts);
    for (size_t i = l.pointers.size(); i-- > 0;) {
      if (l.pointers[i].type == most) {
        l.pointers.erase(l.pointers.begin() + std::ptrdiff_t(i));
        break;
      }
    }
    ++st.droppedPointers;
    l.codedLength = CodedLength(l.pointers);
  }
  while (l.Size() > kMaxMeaningRecord && !gloss.empty()) cutGloss();
  if (cut) ++st.cutGlosses;
  if (l.Size() > kMaxMeaningRecord) throw std::runtime_error("a meaning's words do not fit in a record");
  return l;
}

}  // namespace

uint32_t DefinitionsWriter::AddMeaning(DefMeaning m) {
  meanings.push_back(std::move(m));
  return uint32_t(meanings.size() - 1);
}

void DefinitionsWriter::AddIndexWord(const std::string& word, uint32_t meaning) {
  std::string key = NormalizeKey(word);
  if (key.empty() || key.size() > kMaxKeyLength) return;
  auto [it, added] = index_.try_emplace(key);
  if (added) keyOrder_.push_back(key);
  auto& list = it->second;
  if (std::find(list.begin(), list.end(), meaning) == list.end()) list.push_back(meaning);
}

std::vector<std::string> DefinitionsWriter::Keys() const { return keyOrder_; }

std::string DefinitionsWriter::Build(DefWriterStats* statsOut, const std::function<void(size_t, size_t)>& progress) const {
  DefWriterStats st;
  const size_t total = meanings.size() * 2 + index_.size();
  size_t done = 0;
  auto tick = [&] {
    if (progress && (++done & 1023) == 0) progress(done, total);
  };

  // Meanings, section by section, in their order within a section.
  std::vector<uint32_t> order(meanings.size());
  for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](uint32_t a, uint32_t b) { return meanings[a].section < meanings[b].section; });
  std::vector<Layout> layouts(meanings.size());
  std::vector<uint32_t> offsets(meanings.size());
  uint32_t sectionEnds[8];
  size_t pos = sizeof kHeader;
  size_t next = 0;
  for (int sec = 0; sec < 8; ++sec) {
    for (; next < order.size() && meanings[order[next]].section == sec; ++next) {
      uint32_t id = order[next];
      if (pos > kMax24) throw std::runtime_error("the meanings do not fit in 24-bit offsets");
      layouts[id] = LayOut(meanings[id], st);
      offsets[id] = uint32_t(pos);
      pos += layouts[id].Size();
      tick();
    }
    if (next < order.size() && meanings[order[next]].section < sec)
      throw std::runtime_error("meaning with an invalid part of speech");
    sectionEnds[sec] = uint32_t(pos);
  }
  if (next != order.size()) throw std::runtime_error("meaning with an invalid part of speech");
  std::string out(kHeader, sizeof kHeader);
  out.reserve(pos + pos / 4);
  for (uint32_t id : order) {
    const Layout& l = layouts[id];
    const size_t n = l.pointers.size();
    std::vector<uint8_t> types(n), words(2 * n), code(2 * (3 * n + 2) + 16, 0);
    for (size_t i = 0; i < n; ++i) {
      types[i] = l.pointers[i].type;
      words[2 * i] = l.pointers[i].source;
      words[2 * i + 1] = l.pointers[i].dest;
    }
    size_t len = EncodePointerList(types.data(), words.data(), n, code.data());
    out.append(reinterpret_cast<const char*>(code.data()), len);
    for (const auto& p : l.pointers) {
      if (p.target >= meanings.size()) throw std::runtime_error("pointer to a missing meaning");
      Put24(out, offsets[p.target]);
    }
    out += l.packed;
    out.push_back('\0');
    st.pointers += n;
    tick();
  }
  if (out.size() != pos) throw std::runtime_error("internal error: record sizes changed");
  st.meanings = meanings.size();
  st.meaningBytes = out.size();

  // Index blocks: every key goes to the block of its first two coded bytes.
  struct Coded {
    const std::string* key;
    std::string code;
  };
  std::map<uint16_t, std::vector<Coded>> blocks;  // (b1 << 8 | b0) ascending = file order
  uint8_t buf[kKeyCodeBufferSize];
  for (const auto& [key, list] : index_) {
    size_t len = EncodeIndexKey(key, buf);
    if (len == 0) {
      ++st.skippedWords;
      continue;
    }
    std::string code(reinterpret_cast<const char*>(buf), std::max<size_t>(len, 2));
    if (len < 2) code[1] = 0;
    code.resize(len);
    uint16_t bk = uint16_t(buf[1] << 8 | buf[0]);
    blocks[bk].push_back({&key, std::move(code)});
    tick();
  }
  const uint32_t blockBase = uint32_t(out.size());
  std::vector<std::pair<uint16_t, uint32_t>> descriptors;  // block key, offset
  for (auto& [bk, keys] : blocks) {
    std::sort(keys.begin(), keys.end(), [](const Coded& a, const Coded& b) { return *a.key < *b.key; });
    if (keys.size() > kMaxBlockEntries) throw std::runtime_error("an index block holds too many keys");
    st.largestBlockEntries = std::max(st.largestBlockEntries, keys.size());
    size_t blockOffset = out.size() - blockBase;
    if (blockOffset > kMax24) throw std::runtime_error("the index does not fit in 24-bit offsets");
    descriptors.push_back({bk, uint32_t(blockOffset)});
    std::vector<uint8_t> counts;
    for (const auto& k : keys) {
      size_t n = index_.at(*k.key).size();
      if (n > kMaxEntryCount) ++st.cappedEntries;
      counts.push_back(uint8_t(std::min<size_t>(n, kMaxEntryCount)));
    }
    std::vector<uint8_t> code(2 * (counts.size() + 2) + 16, 0);
    size_t len = EncodeEntryCounts(counts.data(), counts.size(), code.data());
    out.append(reinterpret_cast<const char*>(code.data()), len);
    for (size_t i = 0; i < keys.size(); ++i) {
      if (keys[i].code.size() > 2) out.append(keys[i].code, 2);
      const auto& list = index_.at(*keys[i].key);
      for (size_t j = 0; j < counts[i]; ++j) Put24(out, offsets[list[j]]);
    }
    ++st.blocks;
    st.entries += keys.size();
  }
  const uint32_t indexOffset = uint32_t(out.size());
  if (indexOffset - blockBase > kMax24) throw std::runtime_error("the index does not fit in 24-bit offsets");

  // Index head: buckets by the second coded byte, sorted by the first.
  size_t d = 0;
  for (int b1 = 0; b1 < 256; ++b1) {
    size_t start = d;
    while (d < descriptors.size() && (descriptors[d].first >> 8) == b1) ++d;
    if (d - start > 255) throw std::runtime_error("too many index blocks share one bucket");
    out.push_back(char(d - start));
    for (size_t i = start; i < d; ++i) {
      out.push_back(char(descriptors[i].first & 0xFF));
      Put24(out, descriptors[i].second);
    }
  }
  for (const auto& list : wordForms) {
    Put32(out, uint32_t(list.size()));
    out += list;
  }
  std::string notice598 = notice;
  notice598.resize(kNoticeSize, ' ');
  out += notice598;
  Put32(out, blockBase);
  Put32(out, indexOffset);
  for (uint32_t e : sectionEnds) Put32(out, e);
  st.indexBytes = out.size() - blockBase;
  st.fileSize = out.size();
  if (progress) progress(total, total);
  if (statsOut) *statsOut = st;
  return out;
}

std::string IndexKeyTablesSource(const std::vector<std::string>& keys) {
  // Transition counts: previous symbol -> next symbol over "/" + key + "/".
  static uint64_t counts[kIndexKeyContexts][kIndexKeySymbols];
  std::memset(counts, 0, sizeof counts);
  for (const auto& k : keys) {
    uint8_t prev = 0;
    for (size_t i = 0; i <= k.size(); ++i) {
      uint8_t sym = i < k.size() ? uint8_t(k[i] - 47) : 0;
      if (sym >= kIndexKeySymbols) break;
      counts[prev][sym]++;
      prev = sym;
    }
  }
  std::string src =
      "// The frequency tables of the index-key model, generated by\n"
      "//   build-definitions --key-tables /usr/share/wordnet definitions/IndexKeyTables.cpp\n"
      "// from the character statistics of the index keys. Contexts 0 and 44 are fixed.\n"
      "// Writer and reader must use the same tables: regenerating them changes the\n"
      "// file format, so rebuild Definitions.ydd afterwards.\n"
      "#include \"definitions/Coder.h\"\n\nnamespace wx {\n\n"
      "const uint16_t kIndexKeyContext0[kIndexKeySymbols + 1] = {\n"
      "    65304, 65303, 65302, 65280, 65265, 65259, 65255, 65252, 65248, 65246, 65243, 65240,\n"
      "    65239, 65238, 65237, 65236, 65235, 65234, 65233, 60608, 56712, 50165, 47114, 44844,\n"
      "    41746, 37623, 35256, 33186, 32595, 32027, 29660, 26185, 24737, 23063, 17972, 17722,\n"
      "    15076, 8004, 4766, 3149, 2139, 452, 384, 159, 0};\n\n"
      "const uint16_t kIndexKeyContext44[kIndexKeySymbols + 1] = {\n"
      "    45, 44, 43, 42, 41, 40, 39, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29, 28, 27, 26, 25, 24, 23,\n"
      "    22, 21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 0};\n\n"
      "const uint16_t kIndexKeyTables[kIndexKeyContexts][kIndexKeySymbols + 1] = {\n";
  for (int c = 0; c < kIndexKeyContexts; ++c) {
    uint32_t t[kIndexKeySymbols + 1];
    uint32_t freq[kIndexKeySymbols];
    if (c == 44) {
      for (int s = 0; s < kIndexKeySymbols; ++s) freq[s] = s == 43 ? 2 : 1;
    } else if (c == 0) {
      static const uint32_t ctx0[kIndexKeySymbols + 1] = {
          65304, 65303, 65302, 65280, 65265, 65259, 65255, 65252, 65248, 65246, 65243, 65240,
          65239, 65238, 65237, 65236, 65235, 65234, 65233, 60608, 56712, 50165, 47114, 44844,
          41746, 37623, 35256, 33186, 32595, 32027, 29660, 26185, 24737, 23063, 17972, 17722,
          15076, 8004,  4766,  3149,  2139,  452,   384,   159,   0};
      for (int s = 0; s < kIndexKeySymbols; ++s) freq[s] = ctx0[s] - ctx0[s + 1];
    } else {
      // Symbols 11..17 never occur: frequency 1. Every other symbol gets at
      // least 1 and a share of the rest in proportion to its count.
      uint64_t sum = 0;
      for (int s = 0; s < kIndexKeySymbols; ++s)
        if (s < 11 || s > 17) sum += counts[c][s];
      const uint64_t budget = 65000 - kIndexKeySymbols;
      for (int s = 0; s < kIndexKeySymbols; ++s) {
        if (s >= 11 && s <= 17) freq[s] = 1;
        else freq[s] = 1 + uint32_t(sum ? counts[c][s] * budget / sum : 0);
      }
    }
    uint32_t acc = 0;
    t[kIndexKeySymbols] = 0;
    for (int s = kIndexKeySymbols - 1; s >= 0; --s) {
      acc += freq[s];
      t[s] = acc;
    }
    src += "    {";
    for (int s = 0; s <= kIndexKeySymbols; ++s) {
      if (s) src += s % 15 == 0 ? ",\n     " : ", ";
      src += std::to_string(t[s]);
    }
    src += "},\n";
  }
  src += "};\n\n}  // namespace wx\n";
  return src;
}

}  // namespace wx::tools
