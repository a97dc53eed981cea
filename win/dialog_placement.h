// Where a dialog goes when its template leaves the place to us: centred
// over its owner, or in the screen's work area when it has none.
#pragma once

#include <cstddef>

namespace kavrin {

// A window rectangle in screen pixels, laid out as the system's RECT.
struct Box {
  long left, top, right, bottom;
};

// Whether a dialog template (classic or extended, as in the resources)
// sits at 0, 0 without asking the system to centre it: then the dialog's
// place is ours to choose. A template too short to tell says no.
bool TemplateLeavesPlacement(const void* dialogTemplate, std::size_t size);

// `window` moved to be centred over `over`, then back inside `area` where
// it would stick out; a window larger than `area` keeps its top-left
// corner (and so its caption) inside.
Box CentredBox(const Box& window, const Box& over, const Box& area);

}  // namespace kavrin
