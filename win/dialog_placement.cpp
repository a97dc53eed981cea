#include "win/dialog_placement.h"

#include <algorithm>

namespace kavrin {
namespace {

long KeptInside(long start, long length, long areaStart, long areaEnd) {
  return std::max(areaStart, std::min(start, areaEnd - length));
}

}  // namespace

Box CentredBox(const Box& window, const Box& over, const Box& area) {
  const long width = window.right - window.left;
  const long height = window.bottom - window.top;
  long left = over.left + (over.right - over.left - width) / 2;
  long top = over.top + (over.bottom - over.top - height) / 2;
  left = KeptInside(left, width, area.left, area.right);
  top = KeptInside(top, height, area.top, area.bottom);
  return {left, top, left + width, top + height};
}

}  // namespace kavrin
