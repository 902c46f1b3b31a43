// Main dictionary writer. The file format fixes how a reader walks the tree;
// the choices below are this writer's own:
//
// * Tree. The words form a letter tree. Identical subtrees (same character,
//   end-of-word bit, run and children) are stored once and referenced from
//   every parent that has them, so common endings ("-ing", "-ation", "-ness")
//   cost one set of nodes. Readers cannot tell: every path still spells
//   exactly one word. With sharing off the file is a plain tree.
// * Runs. Below the configured depth (4 by default: first letter = depth 1),
//   a node followed by single children that are not word ends folds up to 8
//   of them into its run. Nodes of depths 1..3 never carry runs: the exact
//   lookup takes first-letter children from the table without comparing a
//   run, and a sound-alike search with a shared prefix of up to 3 characters
//   must be able to end its prefix walk on a node boundary.
// * Child order. Children are stored by the weight of the words below them,
//   heaviest first (ties by byte value). A word's weight is the caller's
//   estimate of how often it is looked up (build-maindict counts words in a
//   sample of English text); by default a word of length n weighs 2^-n, short
//   words being the common ones. Lookups of common words then find their
//   letters among the first children.
// * Numbering. The root is node 0. Nodes are numbered breadth first and then
//   grouped into the nine blocks by run length, keeping breadth-first order
//   inside a block: the nodes near the root get the smallest numbers (2-byte
//   references in the wide form, and the hot part of the file stays together).
// * Children links. One child below number 0xFFFFF: the number in the node.
//   2..7 children: their references in the linkage area. One child with a
//   larger number, or 8 and more: a count byte and the references. Identical
//   reference lists are stored once.
// * First-letter table. Entry c: the one-letter word flag, the child count of
//   the node of c and, as the format asks, the child's number (one child) or
//   the offset of the references themselves (after any count byte).
// * Character table. 256 entries of 4 bytes for the byte values 0..255:
//   lower-case form, upper-case form, flags (1 = occurs in some word,
//   2 = letter, 4 = begins some word, 8 = upper-case letter), 0.
// * Header block. The banner, then zero bytes up to 1024. The title is the
//   caller's (UTF-16LE, at most 255 units).
#include "tools/lib/MainDictWriter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <string_view>
#include <unordered_map>

#include "common/AnsiText.h"
#include "common/ByteWriter.h"
#include "spelling/MainDictionary.h"

namespace wx::tools {

namespace {

constexpr uint32_t kNone = 0xFFFFFFFFu;
constexpr uint32_t kNoChildren = 0xFFFFF;
constexpr size_t kMaxWordLength = 255;
constexpr size_t kMaxRun = 8;

struct TreeNode {
  uint8_t ch = 0;
  bool eow = false;
  uint32_t firstChild = kNone;
  uint32_t lastChild = kNone;
  uint32_t next = kNone;
  uint32_t words = 0;  // words ending at or below this node
  uint8_t depth = 0;
  double own = 0;      // weight of the word ending here
  double weight = 0;   // weight of the words ending at or below this node
};

struct OutNode {
  uint8_t ch = 0;
  bool eow = false;
  std::string run;
  std::vector<uint32_t> children;  // ids, in stored order
  uint32_t words = 0;
  double weight = 0;
  uint32_t number = 0;
  uint32_t linkField = kNoChildren;
  uint8_t countField = 0;
  uint32_t refsOffset = 0;  // where this node's references begin (count >= 2)
};

class Writer {
 public:
  Writer(const MainDictOptions& o, MainDictStats& s) : opt_(o), stats_(s) {}

  bool Build(std::vector<std::string>& words, std::string& image, std::string& error) {
    Progress("sorting", 0, 1);
    words.erase(std::remove_if(words.begin(), words.end(),
                               [](const std::string& w) {
                                 return w.empty() || w.size() > kMaxWordLength || w.find('\0') != std::string::npos;
                               }),
                words.end());
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    stats_.words = words.size();
    for (const auto& w : words) {
      for (unsigned char c : w) occurs_[c] = true;
      begins_[uint8_t(w[0])] = true;
    }
    BuildTree(words);
    CountWords();
    Progress("sharing", 0, 1);
    root_ = MakeRoot();
    Number();
    if (!Link(error)) return false;
    Emit(image);
    stats_.fileBytes = image.size();
    return true;
  }

 private:
  void Progress(const char* stage, size_t done, size_t total) {
    if (opt_.progress) opt_.progress(stage, done, total);
  }

  void BuildTree(const std::vector<std::string>& words) {
    tree_.clear();
    tree_.emplace_back();  // root
    std::vector<uint32_t> path{0};
    std::string_view prev;
    for (size_t i = 0; i < words.size(); ++i) {
      if (i % 4096 == 0) Progress("building tree", i, words.size());
      std::string_view w = words[i];
      size_t common = 0;
      while (common < prev.size() && common < w.size() && prev[common] == w[common]) ++common;
      path.resize(common + 1);
      for (size_t d = common; d < w.size(); ++d) {
        uint32_t parent = path.back();
        uint32_t id = uint32_t(tree_.size());
        tree_.emplace_back();
        tree_[id].ch = uint8_t(w[d]);
        tree_[id].depth = uint8_t(d + 1);
        if (tree_[parent].firstChild == kNone)
          tree_[parent].firstChild = id;
        else
          tree_[tree_[parent].lastChild].next = id;
        tree_[parent].lastChild = id;
        path.push_back(id);
      }
      tree_[path.back()].eow = true;
      tree_[path.back()].own = opt_.wordWeight ? opt_.wordWeight(w) : std::ldexp(1.0, -int(w.size()));
      prev = w;
    }
    stats_.treeNodes = tree_.size();
  }

  // Children always have larger indexes than their parent.
  void CountWords() {
    for (size_t i = tree_.size(); i-- > 0;) {
      uint32_t n = tree_[i].eow ? 1 : 0;
      double weight = tree_[i].own;
      for (uint32_t c = tree_[i].firstChild; c != kNone; c = tree_[c].next) {
        n += tree_[c].words;
        weight += tree_[c].weight;
      }
      tree_[i].words = n;
      tree_[i].weight = weight;
    }
  }

  uint32_t MakeRoot() {
    OutNode root;
    for (uint32_t c = tree_[0].firstChild; c != kNone; c = tree_[c].next) root.children.push_back(Make(c, 1));
    SortChildren(root.children);
    root.words = tree_[0].words;
    root.weight = tree_[0].weight;
    out_.push_back(std::move(root));
    return uint32_t(out_.size() - 1);
  }

  void SortChildren(std::vector<uint32_t>& ids) {
    std::sort(ids.begin(), ids.end(), [this](uint32_t a, uint32_t b) {
      if (out_[a].weight != out_[b].weight) return out_[a].weight > out_[b].weight;
      return out_[a].ch < out_[b].ch;
    });
  }

  uint32_t Make(uint32_t t, unsigned depth) {
    if (++made_ % 65536 == 0) Progress("sharing", made_, tree_.size());
    OutNode n;
    n.ch = tree_[t].ch;
    n.eow = tree_[t].eow;
    n.words = tree_[t].words;
    n.weight = tree_[t].weight;
    uint32_t cur = t;
    if (depth >= opt_.minRunDepth) {
      while (n.run.size() < kMaxRun) {
        uint32_t c = tree_[cur].firstChild;
        if (c == kNone || tree_[c].next != kNone || tree_[c].eow) break;
        n.run.push_back(char(tree_[c].ch));
        cur = c;
      }
    }
    unsigned childDepth = depth + 1 + unsigned(n.run.size());
    for (uint32_t c = tree_[cur].firstChild; c != kNone; c = tree_[c].next) n.children.push_back(Make(c, childDepth));
    SortChildren(n.children);

    if (!opt_.shareSubtrees) {
      out_.push_back(std::move(n));
      return uint32_t(out_.size() - 1);
    }
    std::string key;
    key.reserve(3 + n.run.size() + 4 * n.children.size());
    key.push_back(char(n.ch));
    key.push_back(n.eow ? 1 : 0);
    key.push_back(char(n.run.size()));
    key += n.run;
    for (uint32_t id : n.children) Put32(key, id);
    auto it = shared_.find(key);
    if (it != shared_.end()) return it->second;
    out_.push_back(std::move(n));
    uint32_t id = uint32_t(out_.size() - 1);
    shared_.emplace(std::move(key), id);
    return id;
  }

  void Number() {
    // Breadth-first order from the root, each node once.
    std::vector<uint32_t> order;
    std::vector<bool> seen(out_.size(), false);
    std::deque<uint32_t> queue{root_};
    seen[root_] = true;
    while (!queue.empty()) {
      uint32_t id = queue.front();
      queue.pop_front();
      order.push_back(id);
      for (uint32_t c : out_[id].children)
        if (!seen[c]) {
          seen[c] = true;
          queue.push_back(c);
        }
    }
    for (uint32_t id : order) ++counts_[out_[id].run.size()];
    std::array<uint32_t, 9> next{};
    for (int k = 1; k < 9; ++k) next[k] = next[k - 1] + counts_[k - 1];
    order_.assign(order.size(), 0);
    for (uint32_t id : order) {
      uint32_t num = next[out_[id].run.size()]++;
      out_[id].number = num;
      order_[num] = id;
      if (!out_[id].run.empty()) ++stats_.nodesWithRuns;
    }
    stats_.nodes = order.size();
    nodeCountField_ = std::max<uint32_t>(uint32_t(order.size()), opt_.minNodeCountField);
    wide_ = nodeCountField_ >= 0xFFFF;
  }

  void PutRef(std::string& out, uint32_t number) {
    if (!wide_) {
      out.push_back(char(number & 0xFF));
      out.push_back(char(number >> 8));
    } else if (number < 0x8000) {
      out.push_back(char(0x80 | (number >> 8)));
      out.push_back(char(number & 0xFF));
    } else {
      out.push_back(char((number >> 16) & 0x7F));
      out.push_back(char((number >> 8) & 0xFF));
      out.push_back(char(number & 0xFF));
    }
  }

  bool Link(std::string& error) {
    uint32_t maxNumber = uint32_t(stats_.nodes ? stats_.nodes - 1 : 0);
    if (!wide_ && maxNumber > 0xFFFF) {
      error = "too many nodes for 2-byte references";
      return false;
    }
    if (wide_ && maxNumber > 0x7FFFFF) {
      error = "too many nodes for 23-bit references";
      return false;
    }
    std::unordered_map<std::string, uint32_t> lists;
    // Parents in numbering order, so the linkage of the nodes near the root comes first.
    for (size_t i = 0; i < order_.size(); ++i) {
      if (i % 65536 == 0) Progress("linking", i, order_.size());
      OutNode& n = out_[order_[i]];
      size_t count = n.children.size();
      if (count == 0) {
        n.countField = 0;
        n.linkField = kNoChildren;
        continue;
      }
      if (count == 1 && out_[n.children[0]].number < kNoChildren) {
        n.countField = 1;
        n.linkField = out_[n.children[0]].number;
        continue;
      }
      if (count > 255) {
        error = "a node has more than 255 children";
        return false;
      }
      std::string bytes;
      bool counted = count == 1 || count > 7;
      if (counted) bytes.push_back(char(count));
      for (uint32_t c : n.children) PutRef(bytes, out_[c].number);
      uint32_t offset;
      auto it = lists.find(bytes);
      if (it != lists.end()) {
        offset = it->second;
      } else {
        offset = uint32_t(linkage_.size());
        lists.emplace(bytes, offset);
        linkage_ += bytes;
      }
      if (offset >= kNoChildren) {
        error = "the linkage area outgrows 20-bit offsets";
        return false;
      }
      n.countField = counted ? 0 : uint8_t(count);
      n.linkField = offset;
      n.refsOffset = counted ? offset + 1 : offset;
    }
    stats_.linkageBytes = linkage_.size();
    return true;
  }

  void Emit(std::string& image) {
    image.clear();
    image.append(kMainDictionaryBanner);
    image.resize(1024, '\0');
    std::u16string title = Utf8ToUtf16(opt_.title);
    if (title.size() > 255) title.resize(255);
    image.push_back(char(title.size()));
    for (char16_t u : title) {
      image.push_back(char(u & 0xFF));
      image.push_back(char(u >> 8));
    }
    image.append(2, '\0');
    Put32(image, opt_.language);
    Put32(image, uint32_t(stats_.words));
    Put32(image, nodeCountField_);
    for (uint32_t c : counts_) Put32(image, c);
    for (size_t i = 0; i < order_.size(); ++i) {
      if (i % 65536 == 0) Progress("writing", i, order_.size());
      const OutNode& n = out_[order_[i]];
      uint32_t w = uint32_t(n.ch) | (n.linkField << 8) | (uint32_t(n.countField) << 28) | (n.eow ? 0x80000000u : 0);
      Put32(image, w);
      image += n.run;
    }
    Put32(image, uint32_t(linkage_.size()));
    image += linkage_;

    const OutNode& root = out_[root_];
    std::string table(2048, '\0');
    for (uint32_t id : root.children) {
      const OutNode& f = out_[id];
      char* e = table.data() + 8 * f.ch;
      e[0] = f.eow ? 1 : 0;
      e[1] = char(f.children.size());
      uint32_t link = f.children.size() == 1 ? out_[f.children[0]].number : f.refsOffset;
      if (f.children.empty()) link = 0;
      for (int b = 0; b < 4; ++b) e[4 + b] = char((link >> (8 * b)) & 0xFF);
    }
    image += table;
    for (int c = 0; c < 256; ++c) {
      uint8_t b = uint8_t(c);
      uint8_t flags = (occurs_[c] ? 1 : 0) | (IsAnsiAlpha(b) ? 2 : 0) | (begins_[c] ? 4 : 0) | (IsAnsiUpper(b) ? 8 : 0);
      image.push_back(char(AnsiLowerChar(b)));
      image.push_back(char(AnsiUpperChar(b)));
      image.push_back(char(flags));
      image.push_back('\0');
    }
  }

  const MainDictOptions& opt_;
  MainDictStats& stats_;
  std::vector<TreeNode> tree_;
  std::vector<OutNode> out_;
  std::unordered_map<std::string, uint32_t> shared_;
  std::vector<uint32_t> order_;  // node number -> id
  std::array<uint32_t, 9> counts_{};
  uint32_t root_ = 0;
  uint32_t nodeCountField_ = 0;
  bool wide_ = false;
  std::string linkage_;
  size_t made_ = 0;
  bool occurs_[256] = {};
  bool begins_[256] = {};
};

}  // namespace

bool BuildMainDictionary(std::vector<std::string> words, const MainDictOptions& options, std::string& image,
                         MainDictStats& stats, std::string& error) {
  stats = MainDictStats();
  Writer writer(options, stats);
  return writer.Build(words, image, error);
}

}  // namespace wx::tools
