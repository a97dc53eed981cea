// Damaged settings files read the way run mode and the dialog read them:
// each gives a defined outcome, and reading never changes the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/launch_command.h"
#include "settings/demo_list_file.h"
#include "files/file_system.h"
#include "settings/launch_file.h"
#include "temp_dir.h"

namespace kavrin {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using namespace std::string_literals;

enum class Shape { Missing, File, Directory };

struct BadFile {
  const char* name;
  Shape shape;
  std::string bytes;
  // Run mode: the executable handed to the shell ("" = nothing launched).
  std::string launchedFile;
  std::string launchedDirectory;
  // The dialog: its two fields and its demo list.
  std::string exePath;
  std::string modDir;
  size_t demoCount;
  std::string firstDemo;
};

// Compares long texts without printing them whole when they differ.
::testing::AssertionResult Same(const std::string& actual, const std::string& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  return ::testing::AssertionFailure() << "sizes " << actual.size() << " and " << expected.size()
                                       << ", first difference at byte " << at;
}

std::string HighBytes() {
  std::string bytes;
  for (int c = 0x80; c <= 0xFF; ++c) bytes += static_cast<char>(c);
  return bytes;
}

std::string DemoLines(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += "c:\\demos\\d" + std::to_string(i) + ".dm2\r\n";
  return bytes;
}

std::vector<BadFile> BadFiles() {
  const std::string longName(10000, 'n');
  const std::string hugeLine = "c:\\" + std::string(999997, 'x');
  const std::string q2 = "c:\\q2\\";
  return {
      {"Missing", Shape::Missing, "", "", "", "", "", 0, ""},
      {"Empty", Shape::File, "", "", "", "", "", 0, ""},
      {"OnlyLineEnds", Shape::File, "\r\n\r\n\n\r\r\n", "", "", "", "", 0, ""},
      {"NoFinalLineEnd", Shape::File, q2 + "\r\nquake2.exe\r\n+exec Scrnsave.cfg +set game ctf", "quake2.exe", q2,
       q2 + "quake2.exe", "ctf", 3, q2},
      {"LineOf10000Characters", Shape::File, q2 + "\r\n" + longName + "\r\n+exec Scrnsave.cfg ", longName, q2,
       q2 + longName, "", 3, q2},
      {"LineOf1000000CharactersAlone", Shape::File, hugeLine, "", "", hugeLine, "", 1, hugeLine},
      {"NulCutsEachLine", Shape::File, q2 + "\0junk\r\n\0quake2.exe\r\n+exec\0 x"s, "", q2, q2, "", 2,
       q2},
      {"NulAfterTheName", Shape::File, q2 + "\r\nquake2.exe\0.bak\r\n"s, "quake2.exe", q2,
       q2 + "quake2.exe", "", 2, q2},
      {"BareCarriageReturns", Shape::File, q2 + "\rhl.exe\r-toconsole +set game tfc +exec Scrnsave.cfg \r",
       "hl.exe", q2, q2 + "hl.exe", "tfc", 3, q2},
      {"BytesAbove0x7F", Shape::File, "c:\\\xe9t\xe9\\\r\n" + HighBytes() + "\r\n-game \xff\x80 +exec Scrnsave.cfg \r\n",
       HighBytes(), "c:\\\xe9t\xe9\\", "c:\\\xe9t\xe9\\" + HighBytes(), "\xff\x80", 3, "c:\\\xe9t\xe9\\"},
      {"DemoListOf100000Lines", Shape::File, DemoLines(100000), "c:\\demos\\d1.dm2", "c:\\demos\\d0.dm2",
       "c:\\demos\\d0.dm2c:\\demos\\d1.dm2", "", kMaxDemos, "c:\\demos\\d0.dm2"},
      {"DirectoryInItsPlace", Shape::Directory, "", "", "", "", "", 0, ""},
  };
}

// Failures name the row, not its bytes.
void PrintTo(const BadFile& row, std::ostream* out) { *out << row.name; }

class BadSettingsFile : public ::testing::TestWithParam<BadFile> {
 protected:
  void SetUp() override {
    path_ = dir_ / "settings.sc2";
    if (GetParam().shape == Shape::File) WriteBytes(path_, GetParam().bytes);
    if (GetParam().shape == Shape::Directory) std::filesystem::create_directory(path_);
  }

  // The file as it stands, "<directory>" for a directory.
  std::string Snapshot() const {
    return std::filesystem::is_directory(path_) ? "<directory>" : ReadBytes(path_);
  }

  size_t EntriesInFolder() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir_.path()), {}));
  }

  TempDir dir_;
  std::string path_;
};

TEST_P(BadSettingsFile, RunModeLaunchesOnlyANamedExecutableAndChangesNothing) {
  const BadFile& bad = GetParam();
  const std::string before = Snapshot();

  const std::optional<LaunchCommand> command = ReadLaunchCommand(ReadFileBytes(path_));

  if (bad.launchedFile.empty()) {
    EXPECT_FALSE(command.has_value());
  } else {
    ASSERT_TRUE(command.has_value());
    EXPECT_TRUE(Same(command->file, bad.launchedFile));
    EXPECT_TRUE(Same(command->directory, bad.launchedDirectory));
  }
  EXPECT_TRUE(Same(Snapshot(), before));
  EXPECT_EQ(EntriesInFolder(), bad.shape == Shape::Missing ? 0u : 1u);
}

TEST_P(BadSettingsFile, TheDialogFillsItsFieldsAndListAndChangesNothing) {
  const BadFile& bad = GetParam();
  const std::string before = Snapshot();

  // The dialog makes sure its files exist, then reads both of them.
  EXPECT_EQ(EnsureFileExists(path_), bad.shape != Shape::Directory);
  const std::string disk = ReadFileBytes(path_).value_or("");
  const LaunchFields fields = ReadLaunchFields(disk);
  const std::vector<std::string> demos = ReadDemoList(disk, kMaxDemos);

  EXPECT_TRUE(Same(fields.exePath, bad.exePath));
  EXPECT_TRUE(Same(fields.modDir, bad.modDir));
  ASSERT_EQ(demos.size(), bad.demoCount);
  if (!demos.empty()) {
    EXPECT_TRUE(Same(demos.front(), bad.firstDemo));
  }
  // Only a missing file changes: the dialog creates it empty.
  EXPECT_TRUE(Same(Snapshot(), bad.shape == Shape::Missing ? "" : before));
  EXPECT_EQ(EntriesInFolder(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Faults, BadSettingsFile, ::testing::ValuesIn(BadFiles()),
                         [](const ::testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST(BadDemoList, OneHundredThousandLinesGiveTheFirstHundredInOrder) {
  const std::vector<std::string> demos = ReadDemoList(DemoLines(100000), kMaxDemos);
  ASSERT_EQ(demos.size(), kMaxDemos);
  for (size_t i = 0; i < demos.size(); ++i) EXPECT_EQ(demos[i], "c:\\demos\\d" + std::to_string(i) + ".dm2");
}

TEST(BadDemoList, ShortAndCutLinesAmongManyAreSkippedNotCounted) {
  // Before every path: a one-character line, an empty one or one cut by a NUL.
  const std::string noise[] = {"x\r\n", "\r\n", "\0ab\n"s};
  std::string disk;
  for (int i = 0; i < 1000; ++i) disk += noise[i % 3] + "c:\\d" + std::to_string(i) + ".dm2\r";
  const std::vector<std::string> demos = ReadDemoList(disk, kMaxDemos);
  ASSERT_EQ(demos.size(), kMaxDemos);
  EXPECT_EQ(demos.front(), "c:\\d0.dm2");
  EXPECT_EQ(demos.back(), "c:\\d99.dm2");
}

}  // namespace
}  // namespace kavrin
