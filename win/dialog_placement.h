// Where a dialog goes: centred over its owner, or in the screen's work
// area when it has none.
#pragma once

namespace kavrin {

// A window rectangle in screen pixels, laid out as the system's RECT.
struct Box {
  long left, top, right, bottom;
};

// `window` moved to be centred over `over`, then back inside `area` where
// it would stick out; a window larger than `area` keeps its top-left
// corner (and so its caption) inside.
Box CentredBox(const Box& window, const Box& over, const Box& area);

}  // namespace kavrin
