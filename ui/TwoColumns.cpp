#include "ui/TwoColumns.h"

#include <algorithm>

namespace wx {

TTwoColumns SplitTwoColumns(int needLeft, int needRight, int inner, int gap, int maxGrow) {
  TTwoColumns c;
  needLeft = std::max(needLeft, 0);
  needRight = std::max(needRight, 0);
  c.grow = std::clamp(needLeft + gap + needRight - inner, 0, std::max(maxGrow, 0));
  const int room = inner + c.grow - gap;  // what the two columns share
  const int half = room / 2;
  if (needLeft <= half && needRight <= room - half) {
    c.left = half;  // both fit their halves: the design look
  } else if (needLeft > half) {
    // The left needs more: it takes what the right can spare, and the right
    // keeps what it needs unless there is not room for both.
    c.left = std::max(half, std::min(needLeft, room - needRight));
  } else {
    c.left = std::min(half, std::max(room - needRight, needLeft));
  }
  c.right = room - c.left;
  return c;
}

}  // namespace wx
