// Where a minimised window draws its icon: centred in its client area.
#pragma once

namespace kavrin {

struct IconPosition {
  int x;
  int y;
};

// (client - icon + 1) / 2 on each axis, truncated toward zero, so a client
// area smaller than the icon gives negative positions.
IconPosition CentredIconPosition(int clientWidth, int clientHeight, int iconWidth, int iconHeight);

}  // namespace kavrin
