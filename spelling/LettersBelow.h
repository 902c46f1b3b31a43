// The letters of each node's run and of every path below it in a main
// dictionary's tree (its children, their runs, and so on down), as letter
// classes: a search that still needs typed letters none of them holds can
// bound what a branch may yield without entering it.
//
// A class is a bit taken from a byte's lower-case form (its low five bits),
// so that a letter and its capital share one; bytes that share a bit only
// weaken the bound. The tree shares its branches, so the table is made once
// per file for every node, children before their parents, and a slice at a
// time (Advance): no single search pays for the whole pass. A node not made
// yet, or below which the tree is damaged, may hold every class.
#pragma once

#include <cstdint>
#include <vector>

namespace wx {

class TMainDictionary;

class TLettersBelow {
 public:
  static constexpr uint32_t kAll = ~uint32_t(0);
  static uint32_t Class(uint8_t lowerByte) { return uint32_t(1) << (lowerByte & 31); }

  // Starts the table over for a tree of nodeCount nodes (made by Advance).
  void Reset(uint32_t nodeCount);
  // No table: every node may hold every class.
  void Clear();
  // Makes the letters of more nodes, reading at most about budget nodes and
  // references of dict's tree (active, of the nodeCount given to Reset).
  void Advance(const TMainDictionary& dict, uint32_t budget);
  bool Complete() const { return complete_; }

  void Prefetch(uint32_t number) const {
#if defined(__GNUC__)
    if (number < letters_.size()) __builtin_prefetch(&letters_[number]);
#endif
  }
  uint32_t Of(uint32_t number) const { return number < letters_.size() ? letters_[number] : kAll; }

 private:
  struct Frame {
    uint32_t number;
    uint32_t letters;  // gathered so far
    uint32_t offset, left;
    uint32_t count, single, firstOffset;
    bool direct;
  };
  // Puts a node on the stack with its children to read.
  void Open(const TMainDictionary& dict, uint32_t number);

  enum : uint8_t { kNew, kOpen, kDone };
  std::vector<uint32_t> letters_;
  // The pass under way: each node's state, the path of open nodes, and the
  // next node to start from.
  std::vector<uint8_t> state_;
  std::vector<Frame> stack_;
  uint32_t nodeCount_ = 0;
  uint32_t nextRoot_ = 0;
  bool complete_ = false;
  uint32_t classOf_[256] = {};
};

}  // namespace wx
