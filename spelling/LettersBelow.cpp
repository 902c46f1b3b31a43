#include "spelling/LettersBelow.h"

#include "common/AnsiText.h"
#include "spelling/MainDictionary.h"

namespace wx {

void TLettersBelow::Reset(uint32_t nodeCount) {
  // The table is allocated by the first Advance: a search that only starts
  // it pays nothing.
  Clear();
  nodeCount_ = nodeCount;
  complete_ = nodeCount == 0;
}

void TLettersBelow::Clear() {
  letters_ = std::vector<uint32_t>();
  state_ = std::vector<uint8_t>();
  stack_.clear();
  nodeCount_ = 0;
  nextRoot_ = 0;
  complete_ = false;
}

void TLettersBelow::Open(const TMainDictionary& dict, uint32_t number) {
  state_[number] = kOpen;
  Frame f{number, 0, 0, 0, 0, 0, 0, false};
  TMainDictionary::Children children;
  const uint8_t* node;
  uint32_t runLength;
  // A node whose children cannot be read has none for a walk either.
  const bool below = dict.NodeChildren(number, children, node, runLength);
  for (uint32_t r = 0; node && r < runLength; ++r) f.letters |= classOf_[node[4 + r]];
  if (below) {
    f.offset = f.firstOffset = children.offset;
    f.left = f.count = children.count;
    f.single = children.single;
    f.direct = children.direct;
  }
  stack_.push_back(f);
}

void TLettersBelow::Advance(const TMainDictionary& dict, uint32_t budget) {
  // Depth first, with a stack of its own (a damaged file may chain its nodes
  // deeper than any call stack), from every node not made yet in turn.
  if (!complete_ && letters_.size() != nodeCount_) {
    letters_.assign(nodeCount_, kAll);
    state_.assign(nodeCount_, kNew);
    for (int c = 0; c < 256; ++c) classOf_[c] = Class(AnsiLowerChar(uint8_t(c)));
  }
  const auto total = uint32_t(state_.size());
  while (!complete_ && budget > 0) {
    if (stack_.empty()) {
      while (nextRoot_ < total && state_[nextRoot_] != kNew) ++nextRoot_;
      if (nextRoot_ == total) {
        complete_ = true;
        state_ = std::vector<uint8_t>();  // the pass is over: its state goes
        stack_ = std::vector<Frame>();
        break;
      }
      Open(dict, nextRoot_);
    }
    while (!stack_.empty() && budget > 0) {
      --budget;
      Frame& f = stack_.back();
      if (f.left == 0) {
        const uint32_t done = f.number, letters = f.letters;
        letters_[done] = letters;
        state_[done] = kDone;
        stack_.pop_back();
        if (!stack_.empty()) stack_.back().letters |= letters;
        continue;
      }
      --f.left;
      TMainDictionary::Children children;
      children.count = f.count;
      children.single = f.single;
      children.offset = f.firstOffset;
      children.direct = f.direct;
      const uint8_t* node;
      uint32_t runLength, child;
      if (!dict.PeekStep(children, f.offset, node, runLength, child) || child >= total || state_[child] == kOpen) {
        // A damaged reference, or one back up the path (a cycle): what lies
        // below is unknown.
        f.letters = kAll;
        continue;
      }
      f.letters |= classOf_[node[0]];
      if (state_[child] == kDone)
        f.letters |= letters_[child];
      else
        Open(dict, child);  // f is not used after this: the stack may move
    }
  }
}

}  // namespace wx
