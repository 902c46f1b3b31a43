// A trie of replacement rules keyed by source bytes. A rule may consume fewer
// bytes than its source holds: the rest is look-ahead context. Matching finds
// the longest rule source at a position.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace wx {

class TReplaceNode {
 public:
  TReplaceNode() = default;
  virtual ~TReplaceNode() = default;
  TReplaceNode(const TReplaceNode&) = delete;
  TReplaceNode& operator=(const TReplaceNode&) = delete;

  // Longest rule whose source starts at Position (0-based) of Text.
  virtual bool Match(std::string_view text, const std::string*& destination, size_t position,
                     int& sourceLength) const;
  virtual std::unique_ptr<TReplaceNode> NewNode() const { return std::make_unique<TReplaceNode>(); }
  virtual void Clear();
  // Adds (or replaces) a rule.
  virtual void Add(std::string_view source, std::string_view destination, int sourceLength);

  bool HasChildren() const { return hasChildren_; }

 protected:
  // Exchanges every rule below this node with those below other.
  void SwapRules(TReplaceNode& other) noexcept {
    children_.swap(other.children_);
    std::swap(hasChildren_, other.hasChildren_);
    std::swap(isDestination_, other.isDestination_);
    destination_.swap(other.destination_);
    std::swap(sourceLength_, other.sourceLength_);
  }

 public:
  // Calls fn(source, destination, sourceLength) for every rule below this node.
  template <typename Fn>
  void ForEachRule(Fn&& fn) const {
    std::string source;
    Walk(source, fn);
  }

 private:
  template <typename Fn>
  void Walk(std::string& source, Fn& fn) const {
    if (isDestination_) fn(source, destination_, sourceLength_);
    for (int c = 0; c < 256; ++c)
      if (children_[c]) {
        source.push_back(static_cast<char>(c));
        children_[c]->Walk(source, fn);
        source.pop_back();
      }
  }

  std::array<std::unique_ptr<TReplaceNode>, 256> children_{};
  bool hasChildren_ = false;
  bool isDestination_ = false;
  std::string destination_;
  int sourceLength_ = 0;
};

}  // namespace wx
