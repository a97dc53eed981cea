#include "win/dialog_placement.h"

#include <algorithm>
#include <cstdint>

namespace kavrin {
namespace {

constexpr std::uint32_t kCentreStyle = 0x0800;  // DS_CENTER
constexpr std::uint16_t kExtendedSignature = 0xFFFF;

std::uint16_t WordAt(const unsigned char* bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::uint32_t DwordAt(const unsigned char* bytes, std::size_t offset) {
  return WordAt(bytes, offset) | static_cast<std::uint32_t>(WordAt(bytes, offset + 2)) << 16;
}

long KeptInside(long start, long length, long areaStart, long areaEnd) {
  return std::max(areaStart, std::min(start, areaEnd - length));
}

}  // namespace

bool TemplateLeavesPlacement(const void* dialogTemplate, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(dialogTemplate);
  // Classic: style, extended style, item count, x, y. Extended: version,
  // signature, help id, extended style, style, item count, x, y.
  const bool extended = size >= 4 && WordAt(bytes, 0) == 1 && WordAt(bytes, 2) == kExtendedSignature;
  const std::size_t styleAt = extended ? 12 : 0;
  const std::size_t xAt = extended ? 18 : 10;
  if (size < xAt + 4) return false;
  return (DwordAt(bytes, styleAt) & kCentreStyle) == 0 && WordAt(bytes, xAt) == 0 &&
         WordAt(bytes, xAt + 2) == 0;
}

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
