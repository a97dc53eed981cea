#include "files/text_mode.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

using Lines = std::vector<std::string>;

TEST(TextMode, LineFeedsBecomeCrLfOnDiskAndNothingElseChanges) {
  EXPECT_EQ(ToDiskText("a\nb\n"), "a\r\nb\r\n");
  EXPECT_EQ(ToDiskText("no line end"), "no line end");
  EXPECT_EQ(ToDiskText("\n\n"), "\r\n\r\n");
  EXPECT_EQ(ToDiskText(""), "");
}

TEST(TextMode, EveryKindOfLineEndSplitsTheSameWay) {
  const struct {
    const char* name;
    std::string disk;
    Lines lines;
  } rows[] = {
      {"crlf", "one\r\ntwo\r\n", {"one", "two"}},
      {"bare lf", "one\ntwo\n", {"one", "two"}},
      {"bare cr", "one\rtwo\r", {"one", "two"}},
      {"mixed", "one\r\ntwo\nthree\rfour", {"one", "two", "three", "four"}},
      {"no final line end", "one\r\ntwo", {"one", "two"}},
      {"empty lines kept", "\r\n\r\nx\r\n", {"", "", "x"}},
      {"cr cr lf is a line and an empty line", "a\r\r\n", {"a", ""}},
      {"lf cr is two line ends", "a\n\rb", {"a", "", "b"}},
      {"empty file", "", {}},
      {"only line ends", "\n\n\n", {"", "", ""}},
      {"nul ends the text of its line", std::string("ab\0cd\r\nef", 9), {"ab", "ef"}},
      {"blanks kept", " a b \r\n", {" a b "}},
      {"high bytes kept", "\x80\xff\xe9\r\n", {"\x80\xff\xe9"}},
  };
  for (const auto& row : rows) EXPECT_EQ(SplitDiskLines(row.disk), row.lines) << row.name;
}

TEST(TextMode, LongLinesAreNeverSplit) {
  const std::string longLine(1000000, 'x');
  const Lines lines = SplitDiskLines(longLine + "\r\nnext\r\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], longLine);
  EXPECT_EQ(lines[1], "next");
}

TEST(TextMode, MissingLinesReadAsEmpty) {
  const Lines lines = {"a", "b"};
  EXPECT_EQ(LineOrEmpty(lines, 1), "b");
  EXPECT_EQ(LineOrEmpty(lines, 2), "");
  EXPECT_EQ(LineOrEmpty({}, 0), "");
}

}  // namespace
}  // namespace kavrin
