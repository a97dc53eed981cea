#include "ui/centred_icon.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

TEST(CentredIcon, PositionIsHalfTheSpareRoomRoundedTowardZero) {
  const struct {
    int clientWidth, clientHeight, iconWidth, iconHeight, x, y;
  } cases[] = {
      {0, 0, 32, 32, -15, -15},  // (-31) / 2 truncates toward zero
      {100, 50, 32, 32, 34, 9},
      {32, 32, 32, 32, 0, 0},
      {33, 34, 32, 32, 1, 1},
      {31, 30, 32, 32, 0, 0},  // (0) / 2 and (-1) / 2 both give 0
      {160, 120, 48, 16, 56, 52},
  };
  for (const auto& c : cases) {
    const IconPosition at = CentredIconPosition(c.clientWidth, c.clientHeight, c.iconWidth, c.iconHeight);
    EXPECT_EQ(at.x, c.x) << c.clientWidth << "x" << c.clientHeight;
    EXPECT_EQ(at.y, c.y) << c.clientWidth << "x" << c.clientHeight;
  }
}

}  // namespace
}  // namespace kavrin
