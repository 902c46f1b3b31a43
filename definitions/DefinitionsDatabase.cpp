#include "definitions/DefinitionsDatabase.h"

#include <algorithm>
#include <cstring>

#include "common/AnsiText.h"

#include "common/ByteReader.h"
#include "definitions/Coder.h"
#include "definitions/DefinitionsError.h"
#include "definitions/IndexKey.h"
#include "definitions/TextPacking.h"

namespace wx {

// ---- the file ---------------------------------------------------------------

void TAbsDefinitionsDatabase::SetDatabaseFile(const std::string& name) {
  if (openCount_ > 0) throw EDefinitionsError("Cannot change open database file");
  fileName_ = name;
  useImage_ = false;
  image_.clear();
}

void TAbsDefinitionsDatabase::SetDatabaseImage(std::string bytes) {
  if (openCount_ > 0) throw EDefinitionsError("Cannot change open database file");
  image_ = std::move(bytes);
  useImage_ = true;
}

void TAbsDefinitionsDatabase::OpenDatabase(bool) {
  if (openCount_ == 0) {
    if (useImage_) {
      size_ = image_.size();
    } else {
#ifdef _WIN32
      std::FILE* f = _wfopen(Utf8ToWide(fileName_).c_str(), L"rb");
#else
      std::FILE* f = std::fopen(fileName_.c_str(), "rb");
#endif
      if (!f) throw EDefinitionsError("Cannot open file \"" + fileName_ + "\"");
      long size = -1;
      if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
      if (size < 0) {
        std::fclose(f);
        throw EDefinitionsError("Cannot read file \"" + fileName_ + "\"");
      }
      // Reads are few and of known size: no stdio buffer in between.
      std::setvbuf(f, nullptr, _IONBF, 0);
      file_ = f;
      size_ = size_t(size);
    }
  }
  ++openCount_;
}

void TAbsDefinitionsDatabase::CloseDatabase() {
  if (openCount_ == 0) return;
  if (--openCount_ == 0) {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    size_ = 0;
  }
}

void TAbsDefinitionsDatabase::ReadAt(size_t offset, void* buf, size_t n) {
  if (openCount_ == 0 || offset > size_ || n > size_ - offset) throw EDefinitionsError("Read beyond end of file");
  if (n == 0) return;
  if (useImage_) {
    std::memcpy(buf, image_.data() + offset, n);
    return;
  }
  if (std::fseek(file_, long(offset), SEEK_SET) != 0 || std::fread(buf, 1, n, file_) != n)
    throw EDefinitionsError("Cannot read file \"" + fileName_ + "\"");
}

// ---- the index and the meanings ------------------------------------------

TDefinitionsDatabase::TDefinitionsDatabase() : lookup_(*this) {}
TDefinitionsDatabase::~TDefinitionsDatabase() = default;

void TDefinitionsDatabase::LoadIndex() {
  if (index_) return;
  DatabaseOpener open(*this);
  const size_t size = FileSize();
  if (size < kTrailerSize) throw EDefinitionsError("Invalid database file");
  uint8_t trailer[kTrailerSize];
  ReadAt(size - kTrailerSize, trailer, kTrailerSize);
  ByteReader file(trailer, kTrailerSize);
  uint32_t base = file.U32();
  uint32_t head = file.U32();
  uint32_t ends[8];
  for (auto& e : ends) e = file.U32();
  if (!file.ok() || base > head || head > size - kTrailerSize) throw EDefinitionsError("Invalid database file");
  std::string headBytes(size - kTrailerSize - head, '\0');
  ReadAt(head, headBytes.data(), headBytes.size());
  ByteReader headReader(headBytes.data(), headBytes.size());
  auto index = std::make_unique<TIndexLookup>();
  if (!index->ParseBuckets(headReader, head - base)) throw EDefinitionsError("Invalid database file");
  std::string lists[5];
  for (auto& list : lists) {
    uint32_t len = headReader.U32();
    std::string_view bytes = headReader.Bytes(len);
    if (!headReader.ok()) throw EDefinitionsError("Invalid database file");
    list.assign(bytes);
  }
  blockBase = base;
  indexOffset = head;
  std::copy(std::begin(ends), std::end(ends), sectionEnds);
  morpher_ = std::make_unique<TWordMorpher>(std::move(lists[0]), std::move(lists[1]), std::move(lists[2]),
                                            std::move(lists[3]), std::move(lists[4]));
  index_ = std::move(index);
}

int TDefinitionsDatabase::SectionOf(uint32_t offset) const {
  for (int k = 0; k < 8; ++k)
    if (sectionEnds[k] > offset) return k;
  throw EDefinitionsError("Invalid database pointer");
}

std::unique_ptr<TSynset> TDefinitionsDatabase::ReadMeaning(uint32_t offset) {
  if (!index_ || offset >= sectionEnds[7]) return nullptr;
  DatabaseOpener open(*this);
  const size_t size = FileSize();
  if (offset >= size) return nullptr;
  size_t window = std::min(kMaxMeaningRecord, size - offset);
  ReadAt(offset, record_, window);
  const uint8_t* p = record_;
  const uint8_t* end = p + window;
  uint8_t types[kMaxPointers], words[2 * kMaxPointers];
  size_t coded = 0;  // the list's coded length, as re-encoding it would give
  int n = DecodePointerList(p, end, types, words, kMaxPointers, &coded);
  if (n < 0) return nullptr;
  if (coded > window || size_t(n) * 3 > window - coded) return nullptr;
  auto m = std::make_unique<TSynset>();
  m->pointers.resize(size_t(n));
  const uint8_t* q = p + coded;
  for (int i = 0; i < n; ++i, q += 3) {
    TSynsetPointer& ptr = m->pointers[size_t(i)];
    ptr.type = types[i];
    ptr.target = uint32_t(q[0]) | (uint32_t(q[1]) << 8) | (uint32_t(q[2]) << 16);
    ptr.source = words[2 * i];
    ptr.dest = words[2 * i + 1];
  }
  std::string text;
  if (UnpackText(q, end, text) == 0) return nullptr;
  size_t split = text.find(" ;");
  if (split == std::string::npos) return nullptr;
  size_t start = 0;
  while (start < split) {
    size_t blank = text.find(' ', start);
    if (blank == std::string::npos || blank > split) blank = split;
    if (blank > start) {
      std::string w = text.substr(start, blank - start);
      std::replace(w.begin(), w.end(), ';', ' ');
      m->words.push_back(std::move(w));
    }
    start = blank + 1;
  }
  m->gloss = text.substr(split + 2);
  // The text ends in a blank, unless it was cut at its greatest length.
  if (!m->gloss.empty() && m->gloss.back() == ' ') m->gloss.pop_back();
  if (m->gloss.empty()) {
    for (size_t i = 0; i < m->words.size(); ++i) m->gloss += (i ? ", " : "") + m->words[i];
  }
  m->wordsAsRead = m->words;
  m->offset = int32_t(offset);
  m->partOfSpeech = uint8_t(SectionOf(offset));
  return m;
}

// ---- searching ---------------------------------------------------------------

void TDefinitionsDatabase::SearchWord(std::string_view word) {
  lookup_.ClearResults();
  if (word.empty()) {
    LoadIndex();
    return;
  }
  size_t n = word.size();
  if (n > 2 && (word[n - 2] == '\'' || word[n - 2] == '`') && (word[n - 1] == 's' || word[n - 1] == 'S'))
    word = word.substr(0, n - 2);  // possessive
  DatabaseOpener open(*this);
  LoadIndex();
  lastSearchKey_ = NormalizeKey(word);
  FindEntries(word, derivedForms, [this](TIndexRec& e, uint8_t sections) { AddEntryMeanings(e, sections); });
  lookup_.SelectSenses("", 0xFF);
}

void TDefinitionsDatabase::FindEntries(std::string_view word, bool derived, const EntryCallback& callback) {
  DatabaseOpener open(*this);
  LoadIndex();
  std::string key = NormalizeKey(word);
  index_->lastKey = key;
  lookedUp_ = true;
  uint8_t code[kKeyCodeBufferSize];
  auto lookUp = [&](const std::string& k) -> TIndexRec* {
    if (EncodeIndexKey(k, code) == 0) {
      index_->UseEmptyBlock();
      return nullptr;
    }
    return index_->LoadBlock(code[0], code[1], *this, blockBase).Find(k);
  };
  if (TIndexRec* rec = lookUp(key)) {
    rec->matchedKey = key;
    rec->inflection = 0;
    callback(*rec, 0xFF);
  }
  if (!derived || !morpher_) return;
  std::string k;
  for (int i = 0; i < 3; ++i) {
    candidates_.clear();
    uint8_t type = kInflPlural;
    if (i == 0) morpher_->NounBaseForms(word, candidates_);
    else if (i == 1) morpher_->VerbBaseForms(word, candidates_, type);
    else morpher_->AdjectiveBaseForms(word, candidates_, type);
    // The callback may search again (never does today), so walk a copy.
    std::vector<std::string> candidates = candidates_;
    for (const auto& c : candidates) {
      NormalizeKeyInto(c, k);
      if (k == key) continue;
      if (TIndexRec* rec = lookUp(k)) {
        rec->matchedKey = k;
        rec->inflection = type;
        callback(*rec, uint8_t(1u << i));
      }
    }
  }
}

void TDefinitionsDatabase::AddEntryMeanings(TIndexRec& entry, uint8_t sections) {
  for (int j = 0; j < entry.count; ++j) {
    uint32_t off = entry.Offset(j);
    if (!(sections & (1u << SectionOf(off)))) continue;
    std::unique_ptr<TSynset> m = ReadMeaning(off);
    if (!m) continue;
    m->Focus(entry.matchedKey);
    if (entry.inflection != 0 && matchForms && morpher_) {
      morpher_->InflectList(m->words, entry.inflection);
      m->inflection = entry.inflection;
    }
    lookup_.AddSense(std::move(m));
  }
}

// ---- neighbouring words -------------------------------------------------------

std::string TDefinitionsDatabase::DisplayForm(const TIndexDiskRec& block, const TIndexRec& entry) {
  std::string key(block.KeyOf(entry));
  if (entry.count > 0) {
    if (auto m = ReadMeaning(entry.Offset(0))) {
      m->Focus(key);
      if (!m->headWord.empty()) return m->headWord;
    }
  }
  std::string lower;
  for (char c : key) lower.push_back(char(c >= 'A' && c <= 'Z' ? c + 32 : c));
  return lower;
}

int TDefinitionsDatabase::NeighbourWords(std::vector<std::string>& list, int n) {
  if (!lookedUp_ || !index_) return -1;
  list.clear();
  if (n < 0) n = 0;
  DatabaseOpener open(*this);
  const std::string key = index_->lastKey;
  uint8_t code[kKeyCodeBufferSize];
  if (EncodeIndexKey(key, code) == 0) return -1;
  // The list is built around the searched key's own block (not the block a
  // base-form candidate loaded last, which need not hold the searched word).
  TIndexDiskRec& block = index_->LoadBlock(code[0], code[1], *this, blockBase);
  uint16_t start = uint16_t((code[0] << 8) | code[1]);  // big-endian: first coded byte high
  int result = 0;
  if (!index_->CurrentIsEmpty()) {
    int count = int(block.entries.size());
    int p = int(block.LowerBound(key));
    int first = std::max(p - n, 0), last = std::min(p + n, count - 1);
    for (int i = first; i <= last; ++i) list.push_back(DisplayForm(block, block.entries[size_t(i)]));
    result = p - first;
  }
  // Alphabetically earlier words lie in blocks with higher keys.
  for (uint16_t k = start; result < n && index_->NextBlockKey(k, true, k);) {
    TIndexDiskRec& b = index_->LoadBlock(uint8_t(k >> 8), uint8_t(k & 0xFF), *this, blockBase);
    int count = int(b.entries.size());
    int take = std::min(n - result, count);
    std::vector<std::string> taken;
    for (int i = count - take; i < count; ++i) taken.push_back(DisplayForm(b, b.entries[size_t(i)]));
    list.insert(list.begin(), taken.begin(), taken.end());
    result += take;
  }
  for (uint16_t k = start; int(list.size()) - result < n && index_->NextBlockKey(k, false, k);) {
    TIndexDiskRec& b = index_->LoadBlock(uint8_t(k >> 8), uint8_t(k & 0xFF), *this, blockBase);
    int count = int(b.entries.size());
    int take = std::min(n - (int(list.size()) - result), count);
    for (int i = 0; i < take; ++i) list.push_back(DisplayForm(b, b.entries[size_t(i)]));
  }
  if (result > int(list.size()) - 1) result = int(list.size()) - 1;
  return result;
}

}  // namespace wx

