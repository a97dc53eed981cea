#include "win/selected_files.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

using namespace std::string_literals;
using Paths = std::vector<std::string>;

TEST(SelectedFiles, BufferGivesFullPathsInOrder) {
  const struct {
    const char* what;
    std::string buffer;
    Paths paths;
  } cases[] = {
      {"single full path", "C:\\demos\\a.dm2\0\0"s, {"C:\\demos\\a.dm2"}},
      {"single path, rest of buffer zero", "C:\\demos\\a.dm2\0\0\0\0\0\0"s, {"C:\\demos\\a.dm2"}},
      {"directory and two names", "C:\\demos\0a.dm2\0b.dm2\0\0"s, {"C:\\demos\\a.dm2", "C:\\demos\\b.dm2"}},
      {"drive root keeps one backslash", "C:\\\0a.dm2\0b.dm2\0\0"s, {"C:\\a.dm2", "C:\\b.dm2"}},
      {"names with blanks", "C:\\my demos\0a b.dem\0c.dem\0\0"s, {"C:\\my demos\\a b.dem", "C:\\my demos\\c.dem"}},
      {"order kept, not sorted", "C:\\d\0z.dm2\0a.dm2\0m.dm2\0\0"s, {"C:\\d\\z.dm2", "C:\\d\\a.dm2", "C:\\d\\m.dm2"}},
      {"empty buffer", ""s, {}},
      {"zeroed buffer", "\0\0\0\0"s, {}},
      {"no final terminator", "C:\\d\0a.dm2\0b.dm2"s, {"C:\\d\\a.dm2", "C:\\d\\b.dm2"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SelectedFilePaths(c.buffer), c.paths) << c.what;
}

TEST(SelectedFiles, WalkStopsAtTheFirstEmptyString) {
  // Anything after the double NUL is stale buffer content, not a file.
  EXPECT_EQ(SelectedFilePaths("C:\\d\0a.dm2\0\0stale.dm2\0\0"s), Paths({"C:\\d\\a.dm2"}));
}

}  // namespace
}  // namespace kavrin
