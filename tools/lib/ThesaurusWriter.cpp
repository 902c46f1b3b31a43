#include "tools/lib/ThesaurusWriter.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <numeric>
#include <stdexcept>
#include <string_view>

#include "common/ByteWriter.h"
#include "thesaurus/ThesaurusFile.h"

namespace wx::tools {

namespace {

// The letter graph before it is packed into node words and link records.
struct GraphNode {
  uint8_t character = 0;
  bool endOfWord = false, tail = false, chain = false;
  int32_t parent = -1;             // -1: none stored (root, nodes below the root, chains)
  std::vector<uint32_t> children;  // a tail node's single child is its chain
  int32_t word = -1;               // the word this node ends, if any
};

class Graph {
 public:
  explicit Graph(const std::vector<std::string>& words) : words_(words) {
    order_.resize(words.size());
    std::iota(order_.begin(), order_.end(), 0u);
    std::sort(order_.begin(), order_.end(),
              [&](uint32_t a, uint32_t b) { return words_[a] < words_[b]; });
    wordNode_.assign(words.size(), 0);
    nodes_.emplace_back();  // the root
    Fill(0, 0, order_.size(), 0);
    Renumber();
  }

  std::vector<GraphNode> nodes_;
  std::vector<uint32_t> wordNode_;  // word number -> node number
  size_t chainNodes_ = 0;

 private:
  // Words order_[lo..hi) share their first depth letters, spelled by node n.
  void Fill(uint32_t n, size_t lo, size_t hi, size_t depth) {
    if (lo < hi && words_[order_[lo]].size() == depth) {
      nodes_[n].endOfWord = true;
      nodes_[n].word = int32_t(order_[lo]);
      wordNode_[order_[lo]] = n;
      ++lo;
    }
    while (lo < hi) {
      uint8_t c = uint8_t(words_[order_[lo]][depth]);
      size_t end = lo + 1;
      while (end < hi && uint8_t(words_[order_[end]][depth]) == c) ++end;
      uint32_t child = uint32_t(nodes_.size());
      nodes_.emplace_back();
      nodes_[child].character = c;
      nodes_[child].parent = depth >= 1 ? int32_t(n) : -1;
      nodes_[n].children.push_back(child);
      const std::string& w = words_[order_[lo]];
      if (end - lo == 1 && w.size() > depth + 1) {
        nodes_[child].tail = true;
        nodes_[child].word = int32_t(order_[lo]);
        wordNode_[order_[lo]] = child;
        uint32_t chain = Chain(std::string_view(w).substr(depth + 1));
        nodes_[child].children.push_back(chain);
      } else {
        Fill(child, lo, end, depth + 1);
      }
      lo = end;
    }
  }

  // The chain spelling s; chains are shared by every word ending in s, and a
  // chain's tail serves shorter endings too ("ation" holds "tion", "ion" ...).
  uint32_t Chain(std::string_view s) {
    auto it = chains_.find(std::string(s));
    if (it != chains_.end()) return it->second;
    uint32_t next = 0;
    bool hasNext = s.size() > 1;
    if (hasNext) next = Chain(s.substr(1));
    uint32_t n = uint32_t(nodes_.size());
    nodes_.emplace_back();
    nodes_[n].character = uint8_t(s[0]);
    nodes_[n].chain = true;
    if (hasNext) nodes_[n].children.push_back(next);
    chains_.emplace(std::string(s), n);
    ++chainNodes_;
    return n;
  }

  // Numbers the nodes for short reads: the first levels, which every climb
  // from a word to the root passes, level by level at the start of the node
  // table and of the link area; below them each subtree in one piece, so the
  // lower letters of a word (and its chain) lie together.
  void Renumber() {
    constexpr int kTopLevels = 3;  // depths 0, 1 and 2
    std::vector<uint32_t> newNumber(nodes_.size(), UINT32_MAX), order = {0};
    newNumber[0] = 0;
    auto take = [&](uint32_t n) {
      if (newNumber[n] != UINT32_MAX) return false;
      newNumber[n] = uint32_t(order.size());
      order.push_back(n);
      return true;
    };
    size_t levelStart = 0;
    for (int depth = 0; depth + 1 < kTopLevels; ++depth) {
      size_t levelEnd = order.size();
      for (size_t i = levelStart; i < levelEnd; ++i)
        if (!nodes_[order[i]].chain)
          for (uint32_t c : nodes_[order[i]].children) take(c);
      levelStart = levelEnd;
    }
    // Depth-first below the top levels.
    size_t top = order.size();
    for (size_t i = 0; i < top; ++i) {
      std::vector<uint32_t> stack(nodes_[order[i]].children.rbegin(),
                                  nodes_[order[i]].children.rend());
      while (!stack.empty()) {
        uint32_t n = stack.back();
        stack.pop_back();
        if (!take(n)) continue;
        const auto& ch = nodes_[n].children;
        for (auto it = ch.rbegin(); it != ch.rend(); ++it) stack.push_back(*it);
      }
    }
    std::vector<GraphNode> renumbered(nodes_.size());
    for (uint32_t old = 0; old < nodes_.size(); ++old) {
      GraphNode n = std::move(nodes_[old]);
      for (uint32_t& c : n.children) c = newNumber[c];
      if (n.parent >= 0) n.parent = int32_t(newNumber[size_t(n.parent)]);
      renumbered[newNumber[old]] = std::move(n);
    }
    nodes_ = std::move(renumbered);
    for (uint32_t& w : wordNode_) w = newNumber[w];
  }

  const std::vector<std::string>& words_;
  std::vector<uint32_t> order_;
  std::unordered_map<std::string, uint32_t> chains_;
};

void PutShortString(std::string& out, const std::string& s, const char* what) {
  if (s.size() > 255) throw std::runtime_error(std::string(what) + " longer than 255 bytes");
  out.push_back(char(s.size()));
  out += s;
}

}  // namespace

uint32_t ThesaurusWriter::AddWord(const std::string& word) {
  if (word.empty() || word.size() > 255)
    throw std::invalid_argument("a thesaurus word must have 1 to 255 bytes");
  auto [it, added] = ids_.emplace(word, uint32_t(words_.size()));
  if (added) {
    words_.push_back(word);
    refs_.emplace_back();
  }
  return it->second;
}

uint32_t ThesaurusWriter::AddEntry(uint32_t headWord,
                                   const std::array<std::vector<uint32_t>, 4>& lists) {
  if (headWord >= words_.size()) throw std::out_of_range("entry head is not a word");
  for (const auto& l : lists)
    for (uint32_t w : l)
      if (w >= words_.size()) throw std::out_of_range("entry list holds no word");
  entries_.push_back({headWord, lists});
  return uint32_t(entries_.size() - 1);
}

void ThesaurusWriter::AddReference(uint32_t word, uint32_t entry, uint8_t kind) {
  if (word >= words_.size() || entry >= entries_.size() || kind > 4)
    throw std::out_of_range("bad thesaurus reference");
  refs_[word].push_back(entry * 5 + kind);
}

size_t ThesaurusWriter::CountNodes(const std::vector<std::string>& words) {
  std::vector<std::string> unique(words);
  std::sort(unique.begin(), unique.end());
  unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
  return Graph(unique).nodes_.size();
}

std::string ThesaurusWriter::Build(Stats* stats) const {
  Graph g(words_);
  const auto& nodes = g.nodes_;
  if (nodes.size() > kThesaurusMaxNodes)
    throw std::runtime_error("too many nodes: " + std::to_string(nodes.size()) + " of " +
                             std::to_string(kThesaurusMaxNodes));
  if (entries_.size() > kThesaurusMaxEntries)
    throw std::runtime_error("too many entries: " + std::to_string(entries_.size()) + " of " +
                             std::to_string(kThesaurusMaxEntries));

  // Link records and node words.
  std::string nodeTable, links;
  size_t references = 0;
  for (const GraphNode& n : nodes) {
    if (links.size() >= kThesaurusMaxLinkOffset) throw std::runtime_error("link area too large");
    uint32_t v = uint32_t(links.size()) | (uint32_t(n.character) << 24);
    bool single = n.tail || (n.chain && n.children.size() == 1) ||
                  (!n.chain && n.children.size() == 1);
    if (single) {
      v |= kNodeSingleChild;
      Put16(links, n.children[0]);
    } else {
      if (n.children.size() > kThesaurusMaxFanout)
        throw std::runtime_error("a node has more than 255 children");
      links.push_back(char(n.children.size()));
      for (uint32_t c : n.children) Put16(links, c);
    }
    if (n.parent >= 1) {
      v |= kNodeParent;
      Put16(links, uint32_t(n.parent));
    }
    if (n.endOfWord || n.tail) {
      v |= n.tail ? kNodeTail : kNodeEndOfWord;
      const auto& refs = refs_[size_t(n.word)];
      if (refs.size() > kThesaurusMaxFanout)
        throw std::runtime_error("word '" + words_[size_t(n.word)] +
                                 "' has more than 255 references");
      links.push_back(char(refs.size()));
      for (uint32_t r : refs) Put16(links, r);
      references += refs.size();
    }
    Put32(nodeTable, v);
  }

  // Entries and word lists.
  std::string entryTable, lists;
  for (const Entry& e : entries_) {
    Put16(entryTable, g.wordNode_[e.head]);
    for (const auto& l : e.lists) {
      if (l.size() > 0xFFFF) throw std::runtime_error("a word list has more than 65,535 words");
      Put16(entryTable, uint32_t(l.size()));
    }
    Put32(entryTable, uint32_t(lists.size()));
    for (const auto& l : e.lists)
      for (uint32_t w : l) Put16(lists, g.wordNode_[w]);
  }

  std::string out = header.substr(0, kThesaurusHeaderSize);
  out.resize(kThesaurusHeaderSize, '\0');
  PutShortString(out, name, "thesaurus name");
  for (const auto& k : kindNames) PutShortString(out, k, "kind name");
  Put32(out, uint32_t(nodes.size()));
  out += nodeTable;
  Put32(out, uint32_t(links.size()));
  out += links;
  Put16(out, uint32_t(entries_.size()));
  out += entryTable;
  Put32(out, uint32_t(lists.size()));
  out += lists;

  if (stats) {
    stats->words = words_.size();
    stats->entries = entries_.size();
    stats->references = references;
    stats->nodes = nodes.size();
    stats->chainNodes = g.chainNodes_;
    stats->bytes = out.size();
  }
  return out;
}

}  // namespace wx::tools
