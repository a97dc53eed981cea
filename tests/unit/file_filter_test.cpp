#include "settings/file_filter.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

using namespace std::string_literals;

TEST(FileFilter, EveryBarBecomesNul) {
  const struct {
    std::string bars;
    std::string nuls;
  } cases[] = {
      {"Executable files (.exe)|*.exe|Unreal Maps(.unr)|*.unr||",
       "Executable files (.exe)\0*.exe\0Unreal Maps(.unr)\0*.unr\0\0"s},
      {"Demo files (.dem; .dm2; .hd2; .dm3)|*.dem; *.dm2; *.hd2; *.dm3|",
       "Demo files (.dem; .dm2; .hd2; .dm3)\0*.dem; *.dm2; *.hd2; *.dm3\0"s},
      {"", ""},
      {"no bars", "no bars"},
  };
  for (const auto& c : cases) EXPECT_EQ(NulSeparatedFilter(c.bars), c.nuls) << c.bars;
}

TEST(FileFilter, DemoFilterEndsWithTwoNulsInMemory) {
  // The dialog needs an empty string after the last pattern: the one "|"
  // gives the first NUL, c_str() the second.
  const std::string filter = NulSeparatedFilter("Demo|*.dem|");
  ASSERT_EQ(filter.size(), 11u);
  EXPECT_EQ(filter.c_str()[10], '\0');
  EXPECT_EQ(filter.c_str()[11], '\0');
}

}  // namespace
}  // namespace kavrin
