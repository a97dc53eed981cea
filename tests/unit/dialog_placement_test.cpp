#include "win/dialog_placement.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace kavrin {
namespace {

void PutWord(std::vector<unsigned char>& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = value & 0xFF;
  bytes[at + 1] = value >> 8;
}

// The fixed head of a template as windres writes it, with the style's
// low word and the position filled in.
std::vector<unsigned char> Template(bool extended, std::uint16_t style, std::int16_t x, std::int16_t y) {
  std::vector<unsigned char> bytes(extended ? 26 : 18, 0);
  const std::size_t xAt = extended ? 18 : 10;
  if (extended) {
    PutWord(bytes, 0, 1);
    PutWord(bytes, 2, 0xFFFF);
  }
  PutWord(bytes, extended ? 12 : 0, style);
  PutWord(bytes, xAt, static_cast<std::uint16_t>(x));
  PutWord(bytes, xAt + 2, static_cast<std::uint16_t>(y));
  return bytes;
}

TEST(DialogPlacement, OnlyATemplateAtTheOriginWithoutCentreStyleIsOurs) {
  constexpr std::uint16_t kModalFrame = 0x80, kCentre = 0x800;
  const struct {
    bool extended;
    std::uint16_t style;
    std::int16_t x, y;
    bool ours;
  } rows[] = {
      {false, kModalFrame, 0, 0, true},   {true, kModalFrame, 0, 0, true},
      {false, kModalFrame, 10, 0, false}, {true, kModalFrame, 0, 7, false},
      {true, kModalFrame, -4, 0, false},  {false, kModalFrame | kCentre, 0, 0, false},
      {true, kCentre, 0, 0, false},
  };
  for (const auto& row : rows) {
    const std::vector<unsigned char> bytes = Template(row.extended, row.style, row.x, row.y);
    EXPECT_EQ(TemplateLeavesPlacement(bytes.data(), bytes.size()), row.ours)
        << row.extended << " " << row.style << " " << row.x << "," << row.y;
    // Cut before the end of its position: too short to tell.
    EXPECT_FALSE(TemplateLeavesPlacement(bytes.data(), bytes.size() - 5));
  }
}

std::vector<long> Corners(const Box& box) { return {box.left, box.top, box.right, box.bottom}; }

TEST(DialogPlacement, CentresOverTheOwnerAndStaysInsideTheArea) {
  const Box primary = {0, 0, 1024, 740};
  const Box second = {1024, 0, 2048, 768};
  const struct {
    const char* what;
    Box window, over, area, expected;
  } rows[] = {
      {"no owner", {0, 0, 400, 300}, primary, primary, {312, 220, 712, 520}},
      {"over an owner", {0, 0, 200, 100}, {100, 100, 500, 400}, primary, {200, 200, 400, 300}},
      {"owner at the right edge", {0, 0, 300, 200}, {900, 100, 1100, 300}, primary, {724, 100, 1024, 300}},
      {"owner above the area", {0, 0, 300, 200}, {-50, -400, 150, -100}, primary, {0, 0, 300, 200}},
      {"larger than the area", {5, 5, 1200, 900}, primary, primary, {0, 0, 1195, 895}},
      {"owner on a second monitor", {0, 0, 200, 100}, {1030, 0, 1130, 100}, second, {1024, 0, 1224, 100}},
  };
  for (const auto& row : rows) {
    const Box placed = CentredBox(row.window, row.over, row.area);
    EXPECT_EQ(Corners(placed), Corners(row.expected)) << row.what;
  }
}

}  // namespace
}  // namespace kavrin
