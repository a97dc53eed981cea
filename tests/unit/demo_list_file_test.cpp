#include "settings/demo_list_file.h"

#include <gtest/gtest.h>

#include "files/text_mode.h"

namespace kavrin {
namespace {

using Paths = std::vector<std::string>;

TEST(DemoListFile, WritesEachPathFollowedByCrLf) {
  const Paths three = {"c:\\demos\\one.dm2", "c:\\demos\\two.dm2", "c:\\demos\\three.dm2"};
  const std::string disk = ToDiskText(BuildDemoListText(three));
  EXPECT_EQ(disk, "c:\\demos\\one.dm2\r\nc:\\demos\\two.dm2\r\nc:\\demos\\three.dm2\r\n");
  EXPECT_EQ(disk.size(), 56u);
  EXPECT_EQ(ReadDemoList(disk, kMaxDemos), three);
}

TEST(DemoListFile, NoDemosIsAnEmptyFile) {
  EXPECT_EQ(BuildDemoListText({}), "");
  EXPECT_TRUE(ReadDemoList("", kMaxDemos).empty());
}

TEST(DemoListFile, OneHundredDemosRoundTripInOrder) {
  Paths demos;
  for (int i = 0; i < 100; ++i) demos.push_back("c:\\my demos\\demo " + std::to_string(i) + ".dm2");
  const std::string disk = ToDiskText(BuildDemoListText(demos));
  EXPECT_EQ(disk.substr(0, 23), "c:\\my demos\\demo 0.dm2\r");
  EXPECT_EQ(ReadDemoList(disk, kMaxDemos), demos);
}

TEST(DemoListFile, ReadingKeepsEntriesOfTwoCharactersOrMore) {
  const struct {
    const char* name;
    std::string disk;
    Paths entries;
  } rows[] = {
      {"empty and one-character lines skipped", "c:\\a.dm2\r\n\r\nx\r\nc:\\b.dm2\r\n", {"c:\\a.dm2", "c:\\b.dm2"}},
      {"two characters count", "ab\r\n", {"ab"}},
      {"last line without line end", "c:\\a.dm2\r\nc:\\b.dm2", {"c:\\a.dm2", "c:\\b.dm2"}},
      {"bare line feeds", "c:\\a.dm2\nc:\\b.dm2\n", {"c:\\a.dm2", "c:\\b.dm2"}},
      {"blanks are part of the path", "c:\\my demos\\a b.dem\r\n", {"c:\\my demos\\a b.dem"}},
      {"duplicates stay", "c:\\a.dm2\r\nc:\\a.dm2\r\n", {"c:\\a.dm2", "c:\\a.dm2"}},
      {"only line ends", "\r\n\r\n\r\n", {}},
  };
  for (const auto& row : rows) EXPECT_EQ(ReadDemoList(row.disk, kMaxDemos), row.entries) << row.name;
}

TEST(DemoListFile, ALongPathIsOneEntry) {
  const std::string path = "c:\\" + std::string(247, 'p');
  EXPECT_EQ(ReadDemoList(path + "\r\nc:\\b.dm2\r\n", kMaxDemos), (Paths{path, "c:\\b.dm2"}));
}

TEST(DemoListFile, ReadingStopsAtTheLimit) {
  std::string disk;
  for (int i = 0; i < 150; ++i) disk += "c:\\d" + std::to_string(i) + ".dm2\r\n";
  const Paths entries = ReadDemoList(disk, kMaxDemos);
  ASSERT_EQ(entries.size(), 100u);
  EXPECT_EQ(entries.front(), "c:\\d0.dm2");
  EXPECT_EQ(entries.back(), "c:\\d99.dm2");
  EXPECT_EQ(ReadDemoList(disk, 3).size(), 3u);
}

}  // namespace
}  // namespace kavrin
