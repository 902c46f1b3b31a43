#include "spelling/CustomDictionary.h"

#include <array>
#include <limits>
#include <unordered_set>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"
#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/FileSystem.h"

namespace wx {

const std::string_view kCustomDictionaryBanner =
    "Lexicon User Word List, Version 4.0\r\n"
    "Added, excluded and auto-correct entries\r\n"
    "Kept and updated by the spellchecker\r\n"
    "\r\n";

namespace {

constexpr size_t kHeaderSize = 141;  // banner, 0x00, 0x1A, five counters

constexpr std::array<int32_t, 24> kTableSizes = {
    251,      509,      1021,     2039,      4093,      8191,      16381,     32749,
    65521,    131071,   262139,   524287,    1048573,   2097143,   4194301,   8388593,
    16777213, 33554393, 67108859, 134217689, 268435399, 536870909, 1073741789, 2147483647};

int32_t Wrap(int64_t v) { return int32_t(uint32_t(uint64_t(v))); }

bool IsListedSize(size_t size) {
  for (int32_t s : kTableSizes)
    if (size_t(s) == size) return true;
  return false;
}

}  // namespace

int32_t TCustomDictionary::DictHash(std::string_view word, int32_t m) {
  if (m <= 1) return 0;
  int32_t h = 0;
  int32_t a = 31415;
  for (unsigned char b : word) {
    h = Wrap(int64_t(Wrap(int64_t(a) * h)) + b) % m;
    if (h < 0) h = (-h) % m;
    a = Wrap(int64_t(a) * 27183) % (m - 1);
  }
  return h;
}

int32_t TCustomDictionary::Hash(std::string_view word) {
  const int32_t m = int32_t(table_.size());
  if (m <= 1) return 0;
  if (word.size() > kMaxEntryText) return DictHash(word, m);
  if (multipliersFor_ != m) {
    // The same sequence DictHash steps through, position by position.
    multipliers_.resize(kMaxEntryText);
    int32_t a = 31415;
    for (auto& k : multipliers_) {
      k = a;
      a = Wrap(int64_t(a) * 27183) % (m - 1);
    }
    multipliersFor_ = m;
  }
  int32_t h = 0;
  const int32_t* a = multipliers_.data();
  for (unsigned char b : word) {
    h = Wrap(int64_t(Wrap(int64_t(*a++) * h)) + b) % m;
    if (h < 0) h = (-h) % m;
  }
  return h;
}

size_t TCustomDictionary::FilterBit(std::string_view word) {
  if (word.empty()) return 0;
  const size_t n = word.size();
  const size_t x = n * 0x9E37u + uint8_t(word[0]) * 0x2F1u + uint8_t(word[n - 1]) * 0x45u +
                   (n > 1 ? uint8_t(word[1]) * 0x1Bu : 0);
  return (x ^ (x >> 12)) % kFilterBits;
}

bool TCustomDictionary::MayHold(std::string_view word) {
  if (filterStale_) {
    filter_.fill(0);
    for (int32_t v : table_)
      if (v > 0) MarkFilter(TextAt(v));
    filterStale_ = false;
  }
  const size_t bit = FilterBit(word);
  return (filter_[bit / 64] >> (bit % 64)) & 1;
}

int32_t TCustomDictionary::NextTableSize(int32_t current) {
  for (int32_t s : kTableSizes)
    if (s > current) return s;
  return 0;
}

TCustomDictionary::FileStamp TCustomDictionary::StampOf(const std::string& fileName) {
  FileStamp st;
  const FileFacts facts = FactsOf(fileName);
  if (!facts.regular) return st;
  st.exists = true;
  st.time = facts.time;
  st.size = facts.size;
  return st;
}

bool TCustomDictionary::CheckFile(const std::string& fileName, std::string* contents, FileStamp* stamp) {
  if (contents) contents->clear();
  if (stamp) *stamp = FileStamp();
  if (fileName.empty()) return true;
  if (!PathExists(fileName)) {
    // Missing: usable when a file can be created there. The path itself is
    // never touched, so a file another program creates meanwhile survives.
    return CanCreateFileAt(fileName);
  }
  // Read it with a stable stamp: a writer replacing the file in between makes
  // us read again, so contents and stamp always belong together.
  std::string bytes;
  FileStamp before;
  for (int attempt = 0; attempt < 5; ++attempt) {
    before = StampOf(fileName);
    if (!before.exists || !ReadWholeFile(fileName, bytes)) return false;
    if (StampOf(fileName) == before) break;
  }
  if (bytes.size() < kCustomDictionaryBanner.size() + 1) return false;
  if (std::string_view(bytes).substr(0, kCustomDictionaryBanner.size()) != kCustomDictionaryBanner ||
      bytes[kCustomDictionaryBanner.size()] != '\0')
    return false;
  if (contents) *contents = std::move(bytes);
  if (stamp) *stamp = before;
  return true;
}

TCustomDictionary::TCustomDictionary() = default;

TCustomDictionary::~TCustomDictionary() { SetLoaded(false); }

std::unique_ptr<TCustomDictionary> TCustomDictionary::NewInstance() const {
  return std::make_unique<TCustomDictionary>();
}

bool TCustomDictionary::Open(const std::string& fileName) {
  if (!CheckFile(fileName)) return false;
  bool wasLoaded = loaded_;
  SetLoaded(false);
  fileName_ = fileName;
  tracking_ = !fileName.empty();
  if (wasLoaded) SetLoaded(true);
  return true;
}

void TCustomDictionary::Reset() {
  added_ = excluded_ = autoCorrect_ = words_ = 0;
  table_.clear();
  filterStale_ = true;
  usedSlots_ = 0;
  area_.clear();
  indexBuilt_ = false;
  addedIndex_.clear();
  excludedIndex_.clear();
  autoIndex_.clear();
}

void TCustomDictionary::ClearTracking() { changes_.clear(); }

void TCustomDictionary::Track(bool remove, char kind, std::string_view word, std::string_view replacement) {
  if (tracking_) changes_.push_back({remove, kind, std::string(word), std::string(replacement)});
}

void TCustomDictionary::SetLoaded(bool value) {
  if (value == loaded_) return;
  if (!value) {
    if (modified_) Save();
    Reset();
    ClearTracking();
    loaded_ = false;
    return;
  }
  Reset();
  loaded_ = true;
  loadStamp_ = FileStamp();
  if (fileName_.empty()) return;
  std::string bytes;
  FileStamp stamp;
  // A file that is no dictionary (any more) reads as empty; Save refuses to
  // write over it.
  if (!CheckFile(fileName_, &bytes, &stamp)) return;
  if (!stamp.exists) {
    modified_ = true;  // the file is created at the next save
    return;
  }
  loadStamp_ = stamp;
  LoadFromBytes(bytes);
}

void TCustomDictionary::EnsureLoaded() {
  if (!loaded_) SetLoaded(true);
}

// A damaged image is loaded as far as it is consistent, and never read
// outside the bytes present:
// * a header or slot table cut short (the file ends before TableSize slots)
//   gives an empty dictionary;
// * an area cut short keeps the bytes present;
// * slots pointing outside the area, at an unknown kind byte or at text
//   without its zero byte, a word entered twice, and slots the hash probe
//   cannot reach are dropped, and the table is rebuilt from the entries
//   left (in their old table order);
// * counters that disagree with the entries are recounted.
// The word area itself is kept as it is, so the next save writes the same
// entries back.
bool TCustomDictionary::LoadFromBytes(std::string_view bytes) {
  Reset();
  ClearTracking();
  loaded_ = true;
  ByteReader r(bytes.data(), bytes.size());
  r.Skip(kCustomDictionaryBanner.size() + 2);
  added_ = int32_t(r.U32());
  excluded_ = int32_t(r.U32());
  autoCorrect_ = int32_t(r.U32());
  words_ = int32_t(r.U32());
  uint32_t tableSize = r.U32();
  if (!r.ok() || tableSize > uint32_t(std::numeric_limits<int32_t>::max()) || tableSize > r.remaining() / 4) {
    Reset();
    return false;
  }
  table_.resize(tableSize);
  for (auto& slot : table_) slot = int32_t(r.U32());
  filterStale_ = true;
  uint32_t areaSize = r.U32();
  bool complete = r.ok() && areaSize <= r.remaining();
  if (r.ok()) {
    size_t n = std::min<size_t>(areaSize, r.remaining());
    area_.assign(bytes.substr(r.pos(), n));
  }
  if (area_.size() >= size_t(std::numeric_limits<int32_t>::max())) area_.resize(size_t(std::numeric_limits<int32_t>::max()) - 1);
  return Validate() && complete;
}

std::string_view TCustomDictionary::TextAt(int32_t value) const {
  if (value < 1 || size_t(value) >= area_.size()) return {};
  std::string_view rest = std::string_view(area_).substr(size_t(value));
  return rest.substr(0, rest.find('\0'));
}

bool TCustomDictionary::Validate() {
  struct Entry {
    int32_t value;
    char kind;
  };
  std::vector<Entry> entries;
  bool bad = !(table_.empty() || IsListedSize(table_.size()));
  int32_t counts[3] = {0, 0, 0};
  usedSlots_ = 0;
  for (int32_t v : table_) {
    if (v == 0) continue;
    ++usedSlots_;
    if (v == -1) continue;
    if (v < 1 || size_t(v) >= area_.size()) {
      bad = true;
      continue;
    }
    char kind = area_[size_t(v) - 1];
    size_t end = area_.find('\0', size_t(v));
    bool ok = (kind == kAdded || kind == kExcluded || kind == kAutoCorrect) && end != std::string::npos &&
              end > size_t(v);
    if (ok && kind == kAutoCorrect) ok = area_.find('\0', end + 1) != std::string::npos;
    if (!ok) {
      bad = true;
      continue;
    }
    entries.push_back({v, kind});
  }
  if (!bad) {
    // Every entry must be the one its own probe sequence reaches first.
    for (size_t i = 0; i < table_.size() && !bad; ++i) {
      int32_t v = table_[i];
      if (v <= 0) continue;
      int32_t value, slot;
      if (!Find(kAnyKind, TextAt(v), value, slot) || size_t(slot) != i) bad = true;
    }
  }
  if (bad) {
    // Rebuild from the sound entries, first occurrence of a word wins.
    std::unordered_set<std::string_view> seen;
    table_.clear();
    filterStale_ = true;
    usedSlots_ = 0;
    words_ = 0;
    for (const Entry& e : entries) {
      std::string_view word = TextAt(e.value);
      if (!seen.insert(word).second) continue;
      ++words_;
      InsertEntry(word, e.value);
    }
  }
  for (int32_t v : table_) {
    if (v <= 0) continue;
    char kind = area_[size_t(v) - 1];
    ++counts[kind == kAdded ? 0 : kind == kExcluded ? 1 : 2];
  }
  int32_t live = counts[0] + counts[1] + counts[2];
  bool countsOk = added_ == counts[0] && excluded_ == counts[1] && autoCorrect_ == counts[2] && words_ == live;
  added_ = counts[0];
  excluded_ = counts[1];
  autoCorrect_ = counts[2];
  words_ = live;
  // Deleted slots are reused only where a probe starts; keep empty slots
  // plentiful so that probes always end.
  if (!table_.empty() && int64_t(usedSlots_) * 2 > int64_t(table_.size())) Rehash(int32_t(table_.size()));
  return !bad && countsOk;
}

void TCustomDictionary::HashInsert(std::vector<int32_t>& table, std::string_view word, int32_t value) const {
  const int64_t size = int64_t(table.size());
  int64_t s = DictHash(word, int32_t(size));
  if (table[size_t(s)] > 0) {
    int64_t step = s % 97 + 1;
    for (int64_t n = 0; n < size && table[size_t(s)] != 0; ++n) s = (s + step) % size;
  }
  table[size_t(s)] = value;
}

void TCustomDictionary::Rehash(int32_t size) {
  std::vector<int32_t> fresh(size_t(size), 0);
  int32_t used = 0;
  for (int32_t v : table_)
    if (v > 0) {
      HashInsert(fresh, TextAt(v), v);
      ++used;
    }
  table_ = std::move(fresh);
  filterStale_ = true;
  usedSlots_ = used;
  indexBuilt_ = false;
}

void TCustomDictionary::InsertEntry(std::string_view word, int32_t value) {
  const int64_t size = int64_t(table_.size());
  if (4 * int64_t(words_) >= size) {
    int32_t next = NextTableSize(int32_t(size));
    if (next) Rehash(next);
  } else if ((int64_t(usedSlots_) + 1) * 2 > size) {
    // Many deleted slots: clear them out at the same size.
    Rehash(int32_t(size));
  }
  if (table_.empty()) return;
  const int64_t newSize = int64_t(table_.size());
  int64_t s = Hash(word);
  if (table_[size_t(s)] > 0) {
    int64_t step = s % 97 + 1;
    for (int64_t n = 0; n < newSize && table_[size_t(s)] != 0; ++n) s = (s + step) % newSize;
  }
  if (table_[size_t(s)] == 0) ++usedSlots_;
  table_[size_t(s)] = value;
  if (!filterStale_) MarkFilter(word);
}

bool TCustomDictionary::Find(char kind, std::string_view word, int32_t& value, int32_t& slot) {
  EnsureLoaded();
  if (table_.empty() || !MayHold(word)) return false;
  const int64_t size = int64_t(table_.size());
  int64_t s = Hash(word);
  const int64_t step = s % 97 + 1;
  for (int64_t n = 0; n < size; ++n) {
    int32_t v = table_[size_t(s)];
    if (v == 0) return false;
    if (v > 0 && TextAt(v) == word) {
      value = v;
      slot = int32_t(s);
      return kind == kAnyKind || area_[size_t(v) - 1] == kind;
    }
    s = (s + step) % size;
  }
  return false;
}

bool TCustomDictionary::AddRecord(char kind, std::string_view word, std::string_view replacement) {
  EnsureLoaded();
  if (word.empty() || word.size() + replacement.size() >= kMaxEntryText) return false;
  if (word.find('\0') != std::string_view::npos || replacement.find('\0') != std::string_view::npos) return false;
  int32_t value, slot;
  if (Find(kAnyKind, word, value, slot)) return false;
  size_t entry = 2 + word.size() + (kind == kAutoCorrect ? replacement.size() + 1 : 0);
  if (area_.size() + entry >= size_t(std::numeric_limits<int32_t>::max())) return false;
  int32_t v = int32_t(area_.size() + 1);
  area_.push_back(kind);
  area_.append(word);
  area_.push_back('\0');
  if (kind == kAutoCorrect) {
    area_.append(replacement);
    area_.push_back('\0');
  }
  ++words_;
  InsertEntry(word, v);
  if (indexBuilt_) (kind == kAdded ? addedIndex_ : kind == kExcluded ? excludedIndex_ : autoIndex_).push_back(v);
  return true;
}

bool TCustomDictionary::RemoveRecord(char kind, std::string_view word) {
  int32_t value, slot;
  if (!Find(kind, word, value, slot)) return false;
  table_[size_t(slot)] = -1;
  --words_;
  indexBuilt_ = false;
  return true;
}

int32_t TCustomDictionary::AddedCount() {
  EnsureLoaded();
  return added_;
}
int32_t TCustomDictionary::ExcludedCount() {
  EnsureLoaded();
  return excluded_;
}
int32_t TCustomDictionary::AutoCorrectCount() {
  EnsureLoaded();
  return autoCorrect_;
}
int32_t TCustomDictionary::WordCount() {
  EnsureLoaded();
  return words_;
}
int32_t TCustomDictionary::TableSize() {
  EnsureLoaded();
  return int32_t(table_.size());
}

void TCustomDictionary::BuildIndexLists() {
  EnsureLoaded();
  if (indexBuilt_) return;
  addedIndex_.clear();
  excludedIndex_.clear();
  autoIndex_.clear();
  for (int32_t v : table_) {
    if (v <= 0) continue;
    char kind = area_[size_t(v) - 1];
    (kind == kAdded ? addedIndex_ : kind == kExcluded ? excludedIndex_ : autoIndex_).push_back(v);
  }
  indexBuilt_ = true;
}

bool TCustomDictionary::GetAddedWord(size_t index, std::string& word) {
  BuildIndexLists();
  if (index >= addedIndex_.size()) return false;
  word = TextAt(addedIndex_[index]);
  return true;
}

bool TCustomDictionary::GetExcludedWord(size_t index, std::string& word) {
  BuildIndexLists();
  if (index >= excludedIndex_.size()) return false;
  word = TextAt(excludedIndex_[index]);
  return true;
}

bool TCustomDictionary::GetAutoCorrectPair(size_t index, std::string& word, std::string& replacement) {
  BuildIndexLists();
  if (index >= autoIndex_.size()) return false;
  int32_t v = autoIndex_[index];
  word = TextAt(v);
  replacement = TextAt(int32_t(v + word.size() + 1));
  return true;
}

bool TCustomDictionary::IsAdded(std::string_view word) {
  int32_t v, s;
  return Find(kAdded, word, v, s);
}

bool TCustomDictionary::IsExcludedWord(std::string_view word) {
  int32_t v, s;
  return Find(kExcluded, word, v, s);
}

bool TCustomDictionary::GetAutoCorrect(std::string_view word, std::string& replacement) {
  int32_t v, s;
  if (!Find(kAutoCorrect, word, v, s)) return false;
  // The replacement follows the word's zero byte; it may be empty, and then
  // that position can be the last byte of the area.
  size_t at = size_t(v) + word.size() + 1;
  std::string_view rest = at < area_.size() ? std::string_view(area_).substr(at) : std::string_view();
  replacement = rest.substr(0, rest.find('\0'));
  return true;
}

bool TCustomDictionary::AddWord(std::string_view word) {
  if (!AddRecord(kAdded, word, {})) return false;
  Track(false, kAdded, word);
  modified_ = true;
  ++added_;
  return true;
}

bool TCustomDictionary::AddExcluded(std::string_view word) {
  if (!AddRecord(kExcluded, word, {})) return false;
  Track(false, kExcluded, word);
  modified_ = true;
  ++excluded_;
  return true;
}

bool TCustomDictionary::AddAutoCorrect(std::string_view word, std::string_view replacement) {
  if (!AddRecord(kAutoCorrect, word, replacement)) return false;
  Track(false, kAutoCorrect, word, replacement);
  modified_ = true;
  ++autoCorrect_;
  return true;
}

bool TCustomDictionary::RemoveWord(std::string_view word) {
  if (!RemoveRecord(kAdded, word)) return false;
  Track(true, kAdded, word);
  modified_ = true;
  --added_;
  return true;
}

bool TCustomDictionary::RemoveExcluded(std::string_view word) {
  if (!RemoveRecord(kExcluded, word)) return false;
  Track(true, kExcluded, word);
  modified_ = true;
  --excluded_;
  return true;
}

bool TCustomDictionary::RemoveAutoCorrect(std::string_view word) {
  if (!RemoveRecord(kAutoCorrect, word)) return false;
  Track(true, kAutoCorrect, word);
  modified_ = true;
  --autoCorrect_;
  return true;
}

bool TCustomDictionary::ReplaceAutoCorrect(std::string_view word, std::string_view replacement) {
  std::string old;
  if (!GetAutoCorrect(word, old) || replacement.empty() || replacement == old) return false;
  if (word.size() + replacement.size() >= kMaxEntryText || replacement.find('\0') != std::string_view::npos)
    return false;
  if (area_.size() + word.size() + replacement.size() + 3 >= size_t(std::numeric_limits<int32_t>::max())) return false;
  RemoveAutoCorrect(word);
  if (AddAutoCorrect(word, replacement)) return true;
  AddAutoCorrect(word, old);  // not reached after the checks above; never lose the pair
  return false;
}

void TCustomDictionary::ClearAll() {
  EnsureLoaded();
  if (tracking_ && words_ > 0) {
    // A merge replays these removals on the file's current contents: the
    // entries this object knew go, words another writer added since stay.
    for (int32_t v : table_) {
      if (v <= 0) continue;
      Track(true, area_[size_t(v) - 1], TextAt(v));
    }
    modified_ = true;
  }
  Reset();
}

std::string TCustomDictionary::SaveToBytes() {
  EnsureLoaded();
  std::string out;
  out.reserve(kHeaderSize + 4 * table_.size() + 4 + area_.size());
  out.append(kCustomDictionaryBanner);
  out.push_back('\0');
  out.push_back('\x1A');
  Put32(out, uint32_t(added_));
  Put32(out, uint32_t(excluded_));
  Put32(out, uint32_t(autoCorrect_));
  Put32(out, uint32_t(words_));
  Put32(out, uint32_t(table_.size()));
  for (int32_t v : table_) Put32(out, uint32_t(v));
  Put32(out, uint32_t(area_.size()));
  out += area_;
  return out;
}

bool TCustomDictionary::WriteFile(const std::string& fileName) {
  return WriteFileAtomically(fileName, SaveToBytes());
}

bool TCustomDictionary::Save() {
  if (!modified_ || fileName_.empty()) return false;
  FileStamp now;
  if (!CheckFile(fileName_, nullptr, &now)) return false;
  bool ok;
  if (!now.exists || now == loadStamp_) {
    ok = WriteFile(fileName_);
  } else {
    // Another writer changed the file: replay our changes on its contents.
    std::unique_ptr<TCustomDictionary> current = NewInstance();
    ok = current->Open(fileName_);
    if (ok) {
      current->SetLoaded(true);
      // In the order made, so that a word removed and added again (or the
      // reverse, or a clear followed by new words) ends as it ended here.
      for (const Change& c : changes_) {
        if (c.remove) {
          if (c.kind == kAdded) current->RemoveWord(c.word);
          else if (c.kind == kExcluded) current->RemoveExcluded(c.word);
          else current->RemoveAutoCorrect(c.word);
        } else {
          if (c.kind == kAdded) current->AddWord(c.word);
          else if (c.kind == kExcluded) current->AddExcluded(c.word);
          else current->AddAutoCorrect(c.word, c.replacement);
        }
      }
      if (current->Modified()) ok = current->Save();
      current->SetModified(false);
    }
  }
  // A failed write keeps the changes pending, so the next save point tries
  // again instead of dropping the user's words.
  if (!ok) return false;
  modified_ = false;
  ClearTracking();
  return true;
}

bool TCustomDictionary::SaveAs(const std::string& fileName) {
  EnsureLoaded();
  if (fileName.empty() || !WriteFile(fileName)) return false;
  fileName_ = fileName;
  tracking_ = true;
  loadStamp_ = StampOf(fileName);
  modified_ = false;
  ClearTracking();
  return true;
}

}  // namespace wx
