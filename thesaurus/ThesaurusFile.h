// The thesaurus file "Thesaurus.qxt": a letter graph of words (a trie whose
// unique word endings are shared single-child chains) and a table of stored
// meanings, each a head word and four lists of related words. The whole file
// is read into memory once; nodes and entries are decoded on demand from
// their packed records. Nothing in the file is trusted: every read is bounded
// by its area, every walk over chains and parents is bounded by the node
// count, and a bad record makes the lookup fail instead of the process.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/ByteReader.h"

namespace wx {

// Limits that follow from the field widths of the file.
inline constexpr uint32_t kThesaurusMaxNodes = 65536;
inline constexpr uint32_t kThesaurusMaxEntries = 13107;  // 65,535 div 5 references
inline constexpr uint32_t kThesaurusMaxFanout = 255;     // children or references per node
inline constexpr uint32_t kThesaurusMaxLinkOffset = 1u << 20;
inline constexpr size_t kThesaurusHeaderSize = 165;

// Node word bits.
inline constexpr uint32_t kNodeSingleChild = 1u << 20;
inline constexpr uint32_t kNodeParent = 1u << 21;
inline constexpr uint32_t kNodeTail = 1u << 22;
inline constexpr uint32_t kNodeEndOfWord = 1u << 23;

// The node word and the fixed part of its link record.
struct TReverseNode {
  int32_t linkOffset = 0;
  bool endOfWord = false;
  bool tail = false;
  bool parent = false;
  bool singleChild = false;
  uint16_t parentNumber = 0;
  uint16_t childNumber = 0;  // the single child, when singleChild
  uint8_t character = 0;
};

// A node with its children and entry references. The lists are fixed arrays
// (a count byte bounds them at 255) so that reading a node never allocates.
struct TForwardNode : TReverseNode {
  std::array<uint16_t, 255> children;  // the first childCount are valid
  uint16_t childCount = 0;
  std::array<uint16_t, 255> references;  // the first referenceCount are valid
  uint16_t referenceCount = 0;
};

// A stored meaning as read from the entry table.
struct TEntry {
  int32_t kind = 0;
  uint16_t headNode = 0;
  uint16_t counts[4] = {0, 0, 0, 0};
  uint32_t offset = 0;  // of list 1 in the word-list area
};

// One meaning of a looked-up word.
struct TThesaurusEntry {
  std::string contextWord;
  int32_t kind = 0;
  std::string kindName;
  std::array<std::vector<std::string>, 4> lists;  // lists 1 to 4
};

class TThesaurusFile {
 public:
  TThesaurusFile() = default;
  virtual ~TThesaurusFile() = default;
  TThesaurusFile(const TThesaurusFile&) = delete;
  TThesaurusFile& operator=(const TThesaurusFile&) = delete;

  // Takes name (UTF-8 path) when it differs from the current one and the file
  // exists; reloads when data was loaded. A missing file is ignored.
  virtual void SetFileName(const std::string& name);
  const std::string& FileName() const { return fileName_; }

  virtual void SetLoaded(bool loaded);
  bool Loaded() const { return loaded_; }

  // Reads the file; the data counts as loaded only when every part was read.
  virtual void LoadData();
  virtual void UnloadData();
  // Takes the file's bytes directly (tests, fuzzing, the builder's self-check).
  bool LoadFromBytes(std::string bytes);

  // The steps of Lookup. Each returns false (or an empty text) when a read
  // leaves its area or a walk does not end.
  virtual bool WordFromNode(uint16_t node, std::string& out) const;
  virtual bool FindWord(std::string_view word, uint16_t& node) const;
  virtual bool FillEntry(const TEntry& stored, TThesaurusEntry& meaning) const;
  static void MatchCase(std::string_view pattern, TThesaurusEntry& meaning);

  // Looks word up: true when it is stored; Contexts() then holds its
  // meanings in file order. On false, Contexts() is empty unless the data
  // could not be loaded at all (then the former results stay).
  virtual bool Lookup(std::string_view word);

  const std::vector<std::unique_ptr<TThesaurusEntry>>& Contexts() const { return contexts_; }
  std::vector<std::unique_ptr<TThesaurusEntry>>& Contexts() { return contexts_; }
  const std::string& ContextWord() const { return contextWord_; }
  const std::string& ThesaurusName() const { return thesaurusName_; }
  const std::vector<std::string>& KindNames() const { return kindNames_; }
  bool AllowCaseChanges() const { return allowCaseChanges_; }

  uint32_t NodeCount() const { return nodeCount_; }
  uint16_t EntryCount() const { return entryCount_; }

  // Node and entry decoding; false when the record lies outside its area.
  bool ReadNode(uint16_t k, TReverseNode& node) const;
  bool ReadNode(uint16_t k, TForwardNode& node) const;
  bool ReadEntry(uint16_t e, TEntry& entry) const;
  // Node number of the i-th word of list (0..3) of a stored entry.
  bool ListNode(const TEntry& entry, int list, uint32_t i, uint16_t& node) const;

 private:
  bool Parse();
  bool NodeWordAt(uint32_t k, uint32_t& v) const;
  bool LinkU16At(size_t off, uint16_t& v) const;
  bool ParentOf(uint32_t nodeWord, uint16_t& parent) const;
  ByteReader Links() const { return ByteReader(links_.data(), links_.size()); }

  bool loaded_ = false;
  std::string fileName_;
  uint32_t nodeCount_ = 0;
  uint32_t linkSize_ = 0;
  uint16_t entryCount_ = 0;
  uint32_t wordListSize_ = 0;
  std::string file_;  // the whole file; the four areas below are views into it
  std::string_view nodes_, links_, entries_, wordLists_;
  std::string thesaurusName_;
  std::vector<std::string> kindNames_;
  void ClearContexts();

  std::vector<std::unique_ptr<TThesaurusEntry>> contexts_;
  std::vector<std::unique_ptr<TThesaurusEntry>> spare_;  // freed meanings, reused
  std::string lowered_;
  std::string contextWord_;
  bool allowCaseChanges_ = true;
};

}  // namespace wx
