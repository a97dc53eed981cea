#include "settings/text_mode.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

TEST(TextMode, LineFeedsBecomeCrLfOnDisk) {
  EXPECT_EQ(ToDiskText("a\nb\n"), "a\r\nb\r\n");
  EXPECT_EQ(ToDiskText(""), "");
}

}  // namespace
}  // namespace kavrin
