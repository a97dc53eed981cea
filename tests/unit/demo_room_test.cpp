#include "ui/demo_room.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

TEST(DemoRoom, OnlyWhatFitsBelowTheCapacityIsTaken) {
  const struct {
    size_t listed, offered, fit;
  } cases[] = {
      {0, 0, 0},   {0, 3, 3},     {97, 3, 3},  {98, 3, 2}, {99, 5, 1},
      {100, 1, 0}, {100, 0, 0},   {0, 150, 100}, {120, 2, 0},  // a list over capacity takes nothing
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DemosThatFit(c.listed, c.offered, 100), c.fit) << c.listed << " listed, " << c.offered << " offered";
  }
}

TEST(DemoRoom, MessageSaysHowManyAndWhy) {
  EXPECT_EQ(DemosLeftOutMessage(3, 100), "3 demos were not added: the list holds at most 100 demos.");
  EXPECT_EQ(DemosLeftOutMessage(1, 100), "1 demo was not added: the list holds at most 100 demos.");
}

}  // namespace
}  // namespace kavrin
