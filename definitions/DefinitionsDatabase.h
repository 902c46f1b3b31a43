// The definitions database "Definitions.ydd": meanings grouped by part of
// speech, an index from every word to its meanings, and the word-form lists.
// The file is open only while a search, an index load or a neighbour listing
// runs (so that it can be replaced in between); the index head and the word
// forms are read once and kept, an index block or a meaning record is read
// into a buffer that is reused.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <cstdio>
#include "definitions/IndexLookup.h"
#include "definitions/Synset.h"
#include "definitions/WordLookup.h"
#include "definitions/WordMorpher.h"

namespace wx {

constexpr size_t kTrailerSize = 40;
constexpr size_t kNoticeSize = 598;
constexpr size_t kMaxMeaningRecord = 2048;

class TAbsDefinitionsDatabase {
 public:
  virtual ~TAbsDefinitionsDatabase() = default;

  // Refused with EDefinitionsError while the database is open.
  void SetDatabaseFile(const std::string& name);
  const std::string& DatabaseFile() const { return fileName_; }
  // Serves the database from these bytes instead of a file (tests, fuzzing).
  void SetDatabaseImage(std::string bytes);

  // Counted: the first opening opens the file (read-only; the program never
  // writes a database), the last closing closes it. Throws EDefinitionsError
  // when the file cannot be opened.
  void OpenDatabase(bool writeAccess = false);
  void CloseDatabase();
  int OpenCount() const { return openCount_; }

  // While open: the file's size, and reads of n bytes at offset into buf.
  // ReadAt throws EDefinitionsError when the bytes cannot be read; callers
  // keep their reads inside FileSize().
  size_t FileSize() const { return size_; }
  void ReadAt(size_t offset, void* buf, size_t n);

 private:
  std::FILE* file_ = nullptr;
  std::string image_;
  bool useImage_ = false;
  size_t size_ = 0;
  int openCount_ = 0;
  std::string fileName_;
};

// Opens a database for the lifetime of a scope and closes it again, also
// when the scope is left by an exception.
class DatabaseOpener {
 public:
  explicit DatabaseOpener(TAbsDefinitionsDatabase& db) : db_(db) { db_.OpenDatabase(); }
  ~DatabaseOpener() { db_.CloseDatabase(); }
  DatabaseOpener(const DatabaseOpener&) = delete;
  DatabaseOpener& operator=(const DatabaseOpener&) = delete;

 private:
  TAbsDefinitionsDatabase& db_;
};

class TDefinitionsDatabase : public TAbsDefinitionsDatabase {
 public:
  using EntryCallback = std::function<void(TIndexRec& entry, uint8_t sections)>;

  TDefinitionsDatabase();
  ~TDefinitionsDatabase() override;

  // Reads the trailer, the bucket table and the word forms, once.
  void LoadIndex();
  bool IndexLoaded() const { return index_ != nullptr; }
  // The section (part of speech) of a meaning offset; EDefinitionsError
  // "Invalid database pointer" beyond the last section.
  int SectionOf(uint32_t offset) const;
  // The meaning at offset, or null when it cannot be read.
  std::unique_ptr<TSynset> ReadMeaning(uint32_t offset);
  // Fills the result set with the meanings of word (and of its base forms).
  void SearchWord(std::string_view word);
  void FindEntries(std::string_view word, bool derived, const EntryCallback& callback);
  // Up to n index words before and after the last looked-up key, in
  // alphabetical order; returns the position of that key in list, -1 when no
  // word was looked up.
  int NeighbourWords(std::vector<std::string>& list, int n);

  TWordLookup& Lookup() { return lookup_; }
  const TWordMorpher* Morpher() const { return morpher_.get(); }
  TIndexLookup* Index() { return index_.get(); }
  const std::string& LastSearchKey() const { return lastSearchKey_; }

  bool derivedForms = true;
  bool matchForms = true;
  bool suppressResearch = false;

  uint32_t blockBase = 0;
  uint32_t indexOffset = 0;
  uint32_t sectionEnds[8] = {};

 private:
  void AddEntryMeanings(TIndexRec& entry, uint8_t sections);
  std::string DisplayForm(const TIndexDiskRec& block, const TIndexRec& entry);

  std::unique_ptr<TIndexLookup> index_;
  TWordLookup lookup_;
  std::unique_ptr<TWordMorpher> morpher_;
  std::string lastSearchKey_;
  bool lookedUp_ = false;
  std::vector<std::string> candidates_;
  uint8_t record_[kMaxMeaningRecord];
};

}  // namespace wx
