#include "win/file_filter.h"

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

}  // namespace
}  // namespace kavrin
