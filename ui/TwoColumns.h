// Two columns of labelled boxes side by side (check boxes in two rows of
// five, say): how wide each column is and how much wider the window must
// grow so that no label is cut, from the widths the labels need. Pixels at
// the window's DPI. Portable: no Windows headers.
#pragma once

namespace wx {

struct TTwoColumns {
  int left = 0;   // width of the left column
  int right = 0;  // width of the right column (it starts at left + gap)
  int grow = 0;   // how much wider than `inner` the two take (0: they fit)
};

// needLeft, needRight: the widest label of each column; inner: the width
// the columns share at the design size, gap between them; maxGrow: how much
// wider the window may become (the room left on its monitor). The columns
// keep their design halves while the labels fit; a column that needs more
// takes it from the other's spare room first, then the window grows, at
// most by maxGrow (what still does not fit is cut from the wider column).
TTwoColumns SplitTwoColumns(int needLeft, int needRight, int inner, int gap, int maxGrow);

}  // namespace wx
