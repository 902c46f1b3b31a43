#include "thesaurus/ThesaurusFile.h"

#include <system_error>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"
#include "common/FileSystem.h"

namespace wx {

namespace {

constexpr uint32_t kMaxWordLength = 1024;

// A length-prefixed string.
std::string ReadShortString(ByteReader& r) {
  uint8_t n = r.U8();
  return std::string(r.Bytes(n));
}

}  // namespace

void TThesaurusFile::SetFileName(const std::string& name) {
  if (name == fileName_ || !IsRegularFile(name)) return;
  fileName_ = name;
  if (loaded_) {
    UnloadData();
    LoadData();
  }
}

void TThesaurusFile::SetLoaded(bool loaded) {
  if (loaded == loaded_) return;
  if (loaded)
    LoadData();
  else
    UnloadData();
}

void TThesaurusFile::LoadData() {
  if (!IsRegularFile(fileName_)) return;
  std::string bytes;
  if (!ReadWholeFile(fileName_, bytes)) return;
  LoadFromBytes(std::move(bytes));
}

void TThesaurusFile::UnloadData() {
  if (!loaded_) return;
  file_.clear();
  file_.shrink_to_fit();
  nodes_ = links_ = entries_ = wordLists_ = {};
  nodeCount_ = linkSize_ = wordListSize_ = 0;
  entryCount_ = 0;
  loaded_ = false;
}

bool TThesaurusFile::LoadFromBytes(std::string bytes) {
  UnloadData();
  file_ = std::move(bytes);
  if (!Parse()) {
    file_.clear();
    nodes_ = links_ = entries_ = wordLists_ = {};
    nodeCount_ = linkSize_ = wordListSize_ = 0;
    entryCount_ = 0;
    return false;
  }
  loaded_ = true;
  return true;
}

bool TThesaurusFile::Parse() {
  ByteReader r(file_.data(), file_.size());
  r.Skip(kThesaurusHeaderSize);
  std::string name = ReadShortString(r);
  std::vector<std::string> kinds;
  for (int i = 0; i < 5; ++i) kinds.push_back(ReadShortString(r));
  uint32_t n = r.U32();
  // The node table is at most 4 × 65,536 bytes that matter, but the count is
  // whatever the file says: check it against what remains before multiplying.
  if (!r.ok() || n > r.remaining() / 4) return false;
  std::string_view nodes = r.Bytes(size_t(n) * 4);
  uint32_t s = r.U32();
  std::string_view links = r.Bytes(s);
  uint16_t e = r.U16();
  std::string_view entries = r.Bytes(size_t(e) * 14);
  uint32_t w = r.U32();
  std::string_view lists = r.Bytes(w);
  if (!r.ok()) return false;
  thesaurusName_ = std::move(name);
  kindNames_ = std::move(kinds);
  nodeCount_ = n;
  linkSize_ = s;
  entryCount_ = e;
  wordListSize_ = w;
  nodes_ = nodes;
  links_ = links;
  entries_ = entries;
  wordLists_ = lists;
  return true;
}

bool TThesaurusFile::ReadNode(uint16_t k, TReverseNode& node) const {
  if (k >= nodeCount_) return false;
  ByteReader table(nodes_.data(), nodes_.size());
  uint32_t v = table.U32At(size_t(k) * 4);
  if (!table.ok()) return false;
  node.linkOffset = int32_t(v & 0xFFFFF);
  node.singleChild = v & kNodeSingleChild;
  node.parent = v & kNodeParent;
  node.tail = v & kNodeTail;
  node.endOfWord = v & kNodeEndOfWord;
  node.character = uint8_t(v >> 24);
  node.parentNumber = 0;
  node.childNumber = 0;
  ByteReader r = Links();
  r.Seek(size_t(node.linkOffset));
  if (node.singleChild) {
    node.childNumber = r.U16();
  } else {
    r.Skip(size_t(r.U8()) * 2);
  }
  if (node.parent) node.parentNumber = r.U16();
  return r.ok();
}

bool TThesaurusFile::ReadNode(uint16_t k, TForwardNode& node) const {
  if (!ReadNode(k, static_cast<TReverseNode&>(node))) return false;
  ByteReader r = Links();
  r.Seek(size_t(node.linkOffset));
  node.childCount = node.singleChild ? 1 : r.U8();
  for (uint16_t i = 0; i < node.childCount; ++i) node.children[i] = r.U16();
  node.referenceCount = 0;
  if (node.endOfWord || node.tail) {
    if (node.parent) r.Skip(2);
    node.referenceCount = r.U8();
    for (uint16_t i = 0; i < node.referenceCount; ++i) node.references[i] = r.U16();
  }
  return r.ok();
}

bool TThesaurusFile::ReadEntry(uint16_t e, TEntry& entry) const {
  if (e >= entryCount_) return false;
  ByteReader r(entries_.data(), entries_.size());
  r.Seek(size_t(e) * 14);
  entry.headNode = r.U16();
  for (auto& c : entry.counts) c = r.U16();
  entry.offset = r.U32();
  if (!r.ok()) return false;
  // All four lists must lie inside the word-list area.
  size_t total = size_t(entry.counts[0]) + entry.counts[1] + entry.counts[2] + entry.counts[3];
  return entry.offset <= wordListSize_ && total * 2 <= wordListSize_ - entry.offset;
}

bool TThesaurusFile::ListNode(const TEntry& entry, int list, uint32_t i, uint16_t& node) const {
  if (list < 0 || list > 3 || i >= entry.counts[list]) return false;
  size_t index = i;
  for (int l = 0; l < list; ++l) index += entry.counts[l];
  ByteReader r(wordLists_.data(), wordLists_.size());
  node = r.U16At(size_t(entry.offset) + index * 2);
  return r.ok();
}

bool TThesaurusFile::NodeWordAt(uint32_t k, uint32_t& v) const {
  if (k >= nodeCount_) return false;
  const auto* p = reinterpret_cast<const uint8_t*>(nodes_.data()) + size_t(k) * 4;
  v = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
  return true;
}

bool TThesaurusFile::LinkU16At(size_t off, uint16_t& v) const {
  if (links_.size() < 2 || off > links_.size() - 2) return false;
  const auto* p = reinterpret_cast<const uint8_t*>(links_.data()) + off;
  v = uint16_t(p[0] | (p[1] << 8));
  return true;
}

bool TThesaurusFile::ParentOf(uint32_t v, uint16_t& parent) const {
  size_t off = v & 0xFFFFF;
  if (v & kNodeSingleChild) {
    off += 2;
  } else {
    if (off >= links_.size()) return false;
    off += 1 + 2 * size_t(uint8_t(links_[off]));
  }
  return LinkU16At(off, parent);
}

// Decodes straight from the node words and link records (this runs for
// every word of every list a lookup returns).
bool TThesaurusFile::WordFromNode(uint16_t k, std::string& out) const {
  out.clear();
  uint32_t v;
  if (!NodeWordAt(k, v)) return false;
  // The word is spelled into buf: the tail chain forward from the middle,
  // the climb to the root backward from there. A chain or climb longer than
  // any word runs in a cycle (or through nonsense) and fails.
  char buf[2 * kMaxWordLength];
  size_t begin = kMaxWordLength, end = kMaxWordLength;
  buf[end++] = char(v >> 24);
  if (v & kNodeTail) {
    uint32_t cur = v;
    while (cur & kNodeSingleChild) {
      uint16_t child;
      if (end == sizeof buf || !LinkU16At(cur & 0xFFFFF, child) || !NodeWordAt(child, cur))
        return false;
      buf[end++] = char(cur >> 24);
    }
  }
  uint32_t cur = v;
  while (cur & kNodeParent) {
    uint16_t parent;
    if (!ParentOf(cur, parent)) return false;
    if (parent == 0) break;
    if (begin == 0 || !NodeWordAt(parent, cur)) return false;
    buf[--begin] = char(cur >> 24);
  }
  out.assign(buf + begin, end - begin);
  return true;
}

bool TThesaurusFile::FindWord(std::string_view word, uint16_t& found) const {
  if (word.empty()) return false;
  uint32_t v;
  if (!NodeWordAt(0, v)) return false;
  std::string_view rest = word;
  // Scans the children of each node in its link record, comparing the
  // character in each candidate's node word.
  while (!rest.empty()) {
    size_t off = v & 0xFFFFF, count;
    if (v & kNodeSingleChild) {
      count = 1;
    } else {
      if (off >= links_.size()) return false;
      count = uint8_t(links_[off]);
      off += 1;
    }
    if (count == 0) return false;
    uint16_t match = 0;
    uint32_t matchWord = 0;
    bool matched = false;
    for (size_t i = 0; i < count && !matched; ++i) {
      uint16_t c;
      uint32_t cv;
      if (!LinkU16At(off + 2 * i, c) || !NodeWordAt(c, cv)) return false;
      if (uint8_t(cv >> 24) == uint8_t(rest.front())) {
        match = c;
        matchWord = cv;
        matched = true;
      }
    }
    if (!matched) return false;
    rest.remove_prefix(1);
    v = matchWord;
    if ((v & kNodeEndOfWord) && rest.empty()) {
      found = match;
      return true;
    }
    if (v & kNodeTail) {
      // The rest must equal the chain below the tail node. The walk is
      // bounded by the rest's length, so a cyclic chain cannot hold it.
      if (!(v & kNodeSingleChild)) {
        // A tail node without the single-child flag: its first child starts the chain.
        size_t o = v & 0xFFFFF;
        if (o >= links_.size() || uint8_t(links_[o]) == 0) return false;
      }
      size_t o = (v & 0xFFFFF) + ((v & kNodeSingleChild) ? 0 : 1);
      uint16_t c;
      uint32_t cur;
      if (!LinkU16At(o, c) || !NodeWordAt(c, cur)) return false;
      size_t i = 0;
      for (;;) {
        if (i >= rest.size() || uint8_t(rest[i]) != uint8_t(cur >> 24)) return false;
        ++i;
        if (!(cur & kNodeSingleChild)) break;
        if (!LinkU16At(cur & 0xFFFFF, c) || !NodeWordAt(c, cur)) return false;
      }
      if (i != rest.size()) return false;
      found = match;
      return true;
    }
  }
  return false;
}

bool TThesaurusFile::FillEntry(const TEntry& stored, TThesaurusEntry& meaning) const {
  if (!WordFromNode(stored.headNode, meaning.contextWord)) return false;
  meaning.kind = stored.kind;
  if (stored.kind >= 0 && size_t(stored.kind) < kindNames_.size())
    meaning.kindName = kindNames_[size_t(stored.kind)];
  else
    meaning.kindName.clear();
  for (int l = 0; l < 4; ++l) {
    auto& list = meaning.lists[l];
    list.resize(stored.counts[l]);  // kept strings keep their capacity
    for (uint32_t i = 0; i < stored.counts[l]; ++i) {
      uint16_t node;
      if (!ListNode(stored, l, i, node) || !WordFromNode(node, list[i])) {
        list.clear();
        return false;
      }
    }
  }
  return true;
}

namespace {

void ApplyCase(bool allUpper, bool firstUpper, std::string& w) {
  if (allUpper) {
    w = AnsiUpper(w);
  } else if (firstUpper && !w.empty()) {
    w[0] = char(AnsiUpperChar(uint8_t(w[0])));
  }
}

}  // namespace

void TThesaurusFile::MatchCase(std::string_view pattern, TThesaurusEntry& meaning) {
  bool allUpper = AnsiUpper(pattern) == pattern;
  bool firstUpper =
      !pattern.empty() && AnsiUpperChar(uint8_t(pattern[0])) == uint8_t(pattern[0]);
  ApplyCase(allUpper, firstUpper, meaning.contextWord);
  for (auto& list : meaning.lists)
    for (auto& w : list) ApplyCase(allUpper, firstUpper, w);
}

void TThesaurusFile::ClearContexts() {
  for (auto& m : contexts_) spare_.push_back(std::move(m));
  contexts_.clear();
}

bool TThesaurusFile::Lookup(std::string_view word) {
  SetLoaded(true);
  if (!loaded_) return false;
  ClearContexts();
  contextWord_.assign(word.data(), word.size());
  uint16_t node = 0;
  bool caseChanged = false;
  bool found = FindWord(word, node);
  if (!found && allowCaseChanges_) {
    lowered_ = AnsiLower(word);
    if (lowered_ != word) {
      found = FindWord(lowered_, node);
      caseChanged = found;
    }
  }
  if (!found) return false;
  TForwardNode fwd;
  if (!ReadNode(node, fwd)) return false;
  for (uint16_t i = 0; i < fwd.referenceCount; ++i) {
    uint16_t r = fwd.references[i];
    TEntry stored;
    if (!ReadEntry(uint16_t(r / 5), stored)) {
      ClearContexts();
      return false;
    }
    stored.kind = r % 5;
    // Meanings of former lookups are reused, with their strings' capacity.
    std::unique_ptr<TThesaurusEntry> meaning;
    if (!spare_.empty()) {
      meaning = std::move(spare_.back());
      spare_.pop_back();
    } else {
      meaning = std::make_unique<TThesaurusEntry>();
    }
    bool ok = FillEntry(stored, *meaning);
    contexts_.push_back(std::move(meaning));
    if (!ok) {
      ClearContexts();
      return false;
    }
    if (caseChanged) MatchCase(contextWord_, *contexts_.back());
  }
  return true;
}

}  // namespace wx
