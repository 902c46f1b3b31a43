#include "spelling/ReplaceNode.h"

namespace wx {

bool TReplaceNode::Match(std::string_view text, const std::string*& destination, size_t position,
                         int& sourceLength) const {
  // Walk down as far as the text allows, then answer the deepest node on the
  // way that ends a rule (the root never does).
  const TReplaceNode* node = this;
  const TReplaceNode* best = nullptr;
  while (position < text.size()) {
    const TReplaceNode* child = node->children_[static_cast<uint8_t>(text[position])].get();
    if (!child) break;
    node = child;
    ++position;
    if (node->isDestination_) best = node;
  }
  if (!best) return false;
  destination = &best->destination_;
  sourceLength = best->sourceLength_;
  return true;
}

void TReplaceNode::Clear() {
  for (auto& c : children_) c.reset();
  hasChildren_ = false;
  isDestination_ = false;
  destination_.clear();
  sourceLength_ = 0;
}

void TReplaceNode::Add(std::string_view source, std::string_view destination, int sourceLength) {
  if (source.empty()) return;
  TReplaceNode* node = this;
  for (char c : source) {
    auto& child = node->children_[static_cast<uint8_t>(c)];
    if (!child) {
      child = NewNode();
      node->hasChildren_ = true;
    }
    node = child.get();
  }
  node->isDestination_ = true;
  node->destination_.assign(destination);
  node->sourceLength_ = sourceLength;
}

}  // namespace wx
