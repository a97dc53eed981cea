#include "settings/file_system.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace kavrin {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(FileSystem, ReplacingPutsTheNewBytesInPlaceAndLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir / "settings.sc2";
  WriteBytes(path, "old");
  ASSERT_TRUE(ReplaceFileContent(path, std::string("new\r\n\0bytes", 11)));
  EXPECT_EQ(ReadBytes(path), std::string("new\r\n\0bytes", 11));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(FileSystem, AFailedReplaceLeavesTheOldFileAndNoTemporaryFile) {
  TempDir dir;
  const std::string missingFolder = dir / "missing";
  EXPECT_FALSE(ReplaceFileContent(missingFolder + "/settings.sc2", "new"));

  const std::string directoryInTheWay = dir / "in-the-way";
  std::filesystem::create_directory(directoryInTheWay);
  EXPECT_FALSE(ReplaceFileContent(directoryInTheWay, "new"));
  EXPECT_TRUE(std::filesystem::is_directory(directoryInTheWay));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(FileSystem, StagedContentShowsOnlyWhenCommitted) {
  TempDir dir;
  const std::string path = dir / "settings.sc2";
  WriteBytes(path, "old");
  ASSERT_EQ(StageFileContent(path, "new"), WriteFault::None);
  EXPECT_EQ(ReadBytes(path), "old");
  ASSERT_TRUE(CommitStagedFile(path));
  EXPECT_EQ(ReadBytes(path), "new");

  ASSERT_EQ(StageFileContent(path, "discarded"), WriteFault::None);
  DiscardStagedFile(path);
  EXPECT_EQ(ReadBytes(path), "new");
  EXPECT_FALSE(CommitStagedFile(path));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(FileSystem, StagingRefusesATargetThatCannotBeReplaced) {
  TempDir dir;
  // Windows reports both as "access denied"; neither is a refused account.
  EXPECT_EQ(StageFileContent(dir.path(), "new"), WriteFault::Other);
  EXPECT_EQ(StageFileContent(dir / "missing/settings.sc2", "new"), WriteFault::Other);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(FileSystem, TwoProcessesStageTheSameFileApart) {
  TempDir dir;
  const std::string path = dir / "settings.sc2";
  // What another process's save left staged under its own name.
  const std::string other = path + ".1.kavrin-new";
  WriteBytes(other, "other save");
  ASSERT_EQ(StageFileContent(path, "ours"), WriteFault::None);
  ASSERT_TRUE(CommitStagedFile(path));
  EXPECT_EQ(ReadBytes(path), "ours");
  EXPECT_EQ(ReadBytes(other), "other save");
}

TEST(FileSystem, EnteringADirectoryIsOnlyTried) {
  TempDir dir;
  const std::string before = CurrentDirectory();
  EXPECT_TRUE(CanEnterDirectory(dir.path()));
  EXPECT_FALSE(CanEnterDirectory(dir / "missing"));
  EXPECT_EQ(CurrentDirectory(), before);
}

TEST(FileSystem, EnsuringAFileCreatesItEmptyButNeverChangesOne) {
  TempDir dir;
  const std::string missing = dir / "new.sc2";
  EXPECT_TRUE(EnsureFileExists(missing));
  EXPECT_EQ(ReadBytes(missing), "");

  const std::string existing = dir / "old.sc2";
  WriteBytes(existing, "c:\\a.dm2\r\n");
  EXPECT_TRUE(EnsureFileExists(existing));
  EXPECT_EQ(ReadBytes(existing), "c:\\a.dm2\r\n");

  EXPECT_FALSE(EnsureFileExists(dir / "missing/x.sc2"));
  EXPECT_FALSE(EnsureFileExists(dir.path()));
}

TEST(FileSystem, ReadingGivesAllBytesOrNothing) {
  TempDir dir;
  const std::string path = dir / "bytes";
  const std::string bytes = std::string("\0\x1a\r\n\xff", 5) + std::string(100000, 'z');
  WriteBytes(path, bytes);
  EXPECT_EQ(ReadFileBytes(path), bytes);
  EXPECT_FALSE(ReadFileBytes(dir / "missing").has_value());
  EXPECT_FALSE(ReadFileBytes(dir.path()).has_value());
}

TEST(FileSystem, ChangesIntoDirectoriesThatExistOnly) {
  TempDir dir;
  const std::string before = CurrentDirectory();
  EXPECT_FALSE(ChangeDirectory(dir / "missing"));
  EXPECT_FALSE(ChangeDirectory(""));
  EXPECT_EQ(CurrentDirectory(), before);
  ASSERT_TRUE(ChangeDirectory(dir.path()));
  EXPECT_TRUE(std::filesystem::equivalent(CurrentDirectory(), dir.path()));
  ASSERT_TRUE(ChangeDirectory(before));
}

}  // namespace
}  // namespace kavrin
