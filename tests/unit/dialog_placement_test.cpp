#include "win/dialog_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace kavrin {
namespace {

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
