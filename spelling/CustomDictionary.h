// A user's custom dictionary: added words, excluded words and auto-correct
// pairs in an open-addressing hash table over an append-only word area, kept
// in one .qxu file.
//
// File layout (little-endian): the 119-byte banner, 0x00, 0x1A; AddedCount,
// ExcludedCount, AutoCorrectCount, WordCount, TableSize; TableSize signed slots
// (0 empty, -1 deleted, v > 0 the word area offset of an entry's text); the
// area size and the word area. An entry is a kind byte ('I' added, 'E'
// excluded, 'A' auto-correct), the word and a zero byte, and for 'A' the
// replacement and a zero byte; the kind byte of the entry at v is at v - 1.
//
// Saving writes a temporary file and renames it over the old one, so a failed
// save never damages the file. When another program changed the file since it
// was loaded, the save replays this object's tracked changes, in the order
// they were made, on the file's current contents instead of overwriting them.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace wx {

extern const std::string_view kCustomDictionaryBanner;

class TCustomDictionary {
 public:
  static constexpr char kAdded = 'I';
  static constexpr char kExcluded = 'E';
  static constexpr char kAutoCorrect = 'A';
  static constexpr char kAnyKind = '*';
  // Word and replacement together must stay below this many bytes.
  static constexpr size_t kMaxEntryText = 501;

  // When the file was last written, as precisely as the system tells, and its size.
  struct FileStamp {
    bool exists = false;
    int64_t time = 0;
    uint64_t size = 0;
    bool operator==(const FileStamp&) const = default;
  };

  TCustomDictionary();
  virtual ~TCustomDictionary();
  TCustomDictionary(const TCustomDictionary&) = delete;
  TCustomDictionary& operator=(const TCustomDictionary&) = delete;

  // Switches to a file (UTF-8 path; empty for a file-less dictionary). Refused
  // (nothing changes, FileName keeps its value) when the file exists without
  // the banner, or is missing at a path where no file can be created.
  // Pending changes of the previous file are saved first.
  virtual bool Open(const std::string& fileName);
  // Loads (true) or saves and unloads (false).
  virtual void SetLoaded(bool value);
  bool Loaded() const { return loaded_; }
  bool Modified() const { return modified_; }
  void SetModified(bool value) { modified_ = value; }
  const std::string& FileName() const { return fileName_; }

  virtual int32_t AddedCount();
  virtual int32_t ExcludedCount();
  virtual int32_t AutoCorrectCount();
  int32_t WordCount();
  int32_t TableSize();

  // Writes pending changes (see the class comment). False when nothing was
  // written; a failed write keeps the changes pending for the next save.
  virtual bool Save();
  // Writes the whole dictionary to another file and makes it this one's file.
  virtual bool SaveAs(const std::string& fileName);

  // Enumeration by index, in hash table order.
  virtual bool GetAddedWord(size_t index, std::string& word);
  virtual bool GetExcludedWord(size_t index, std::string& word);
  virtual bool GetAutoCorrectPair(size_t index, std::string& word, std::string& replacement);

  virtual bool IsAdded(std::string_view word);
  virtual bool IsExcludedWord(std::string_view word);
  virtual bool GetAutoCorrect(std::string_view word, std::string& replacement);

  // Each answers whether it changed anything. A word has at most one entry.
  virtual bool AddWord(std::string_view word);
  virtual bool AddExcluded(std::string_view word);
  virtual bool AddAutoCorrect(std::string_view word, std::string_view replacement);
  virtual bool RemoveWord(std::string_view word);
  virtual bool RemoveExcluded(std::string_view word);
  virtual bool RemoveAutoCorrect(std::string_view word);
  // Gives an existing auto-correct pair a new replacement. The old pair stays
  // unless the new one is accepted: false (nothing changed) when the word has
  // no pair, the replacement is empty, the same, or too long.
  virtual bool ReplaceAutoCorrect(std::string_view word, std::string_view replacement);
  // Empties the dictionary. A dictionary with a file records the removal of
  // every entry it held and counts as modified, so that the next save empties
  // the file too, even when it merges with another writer's additions.
  virtual void ClearAll();

  // The file image of the dictionary as held in memory.
  std::string SaveToBytes();
  // Replaces the contents with a file image (see the .cpp for how a damaged
  // image is treated). Loads the dictionary; returns false when the image
  // was unusable or had to be repaired.
  bool LoadFromBytes(std::string_view bytes);

  // The slot a word hashes to first, in a table of m slots.
  static int32_t DictHash(std::string_view word, int32_t m);
  // The table size that follows current (0 for none larger).
  static int32_t NextTableSize(int32_t current);
  static FileStamp StampOf(const std::string& fileName);
  // Whether a file can serve as a custom dictionary: it has the banner, or it
  // is missing and could be created. On success contents receive its bytes
  // (empty when missing) and stamp when it was written.
  static bool CheckFile(const std::string& fileName, std::string* contents = nullptr, FileStamp* stamp = nullptr);

 protected:
  virtual std::unique_ptr<TCustomDictionary> NewInstance() const;

 private:
  void EnsureLoaded();
  void Reset();
  bool Find(char kind, std::string_view word, int32_t& value, int32_t& slot);
  std::string_view TextAt(int32_t value) const;
  bool AddRecord(char kind, std::string_view word, std::string_view replacement);
  bool RemoveRecord(char kind, std::string_view word);
  void InsertEntry(std::string_view word, int32_t value);
  void HashInsert(std::vector<int32_t>& table, std::string_view word, int32_t value) const;
  void Rehash(int32_t size);
  void BuildIndexLists();
  bool Validate();
  void ClearTracking();
  bool WriteFile(const std::string& fileName);

  std::string fileName_;
  bool loaded_ = false;
  bool modified_ = false;
  bool tracking_ = false;
  FileStamp loadStamp_;

  int32_t added_ = 0, excluded_ = 0, autoCorrect_ = 0, words_ = 0;
  std::vector<int32_t> table_;

  // Most words asked about are in no custom dictionary (the suggestion
  // generator asks about every edit candidate): a bit per hash of a word's
  // length and outer letters, set for every word in the table (a removed
  // word may leave its bit set), answers "not here" before any hashing. It
  // is rebuilt from the table after the table is replaced.
  static constexpr size_t kFilterBits = 4096;
  static size_t FilterBit(std::string_view word);
  void MarkFilter(std::string_view word) { filter_[FilterBit(word) / 64] |= uint64_t(1) << (FilterBit(word) % 64); }
  bool MayHold(std::string_view word);
  std::array<uint64_t, kFilterBits / 64> filter_{};
  bool filterStale_ = true;
  // DictHash's multipliers for the current table size, one per position.
  int32_t Hash(std::string_view word);
  std::vector<int32_t> multipliers_;
  int32_t multipliersFor_ = 0;
  int32_t usedSlots_ = 0;  // slots not 0 (live or deleted)
  std::string area_;

  bool indexBuilt_ = false;
  std::vector<int32_t> addedIndex_, excludedIndex_, autoIndex_;

  // The changes made since the last save, in order, replayed by a merge.
  struct Change {
    bool remove;
    char kind;
    std::string word, replacement;
  };
  void Track(bool remove, char kind, std::string_view word, std::string_view replacement = {});
  std::vector<Change> changes_;
};

}  // namespace wx
