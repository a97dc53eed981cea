#include "files/file_system.h"

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
  ASSERT_EQ(ReplaceFileContent(path, std::string("new\r\n\0bytes", 11)), WriteFault::None);
  EXPECT_EQ(ReadBytes(path), std::string("new\r\n\0bytes", 11));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(FileSystem, AFailedReplaceLeavesTheOldFileAndNoTemporaryFile) {
  TempDir dir;
  const std::string missingFolder = dir / "missing";
  EXPECT_EQ(ReplaceFileContent(missingFolder + "/settings.sc2", "new"), WriteFault::Other);

  const std::string directoryInTheWay = dir / "in-the-way";
  std::filesystem::create_directory(directoryInTheWay);
  EXPECT_EQ(ReplaceFileContent(directoryInTheWay, "new"), WriteFault::Other);
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

// The replace of the 9x line, from each state a save can find or leave;
// cut short between its renames, the file is read from its backup.
TEST(FileSystem, ReplacingThroughABackupLeavesEachFileOldOrNewAndReadable) {
  const struct {
    const char* what;
    const char* file;    // nullptr: missing
    const char* backup;  // nullptr: missing
    bool staged;
    bool replaced;
    const char* read;  // what ReadFileBytes gives afterwards
  } rows[] = {
      {"an existing file", "old", nullptr, true, true, "new"},
      {"the first save", nullptr, nullptr, true, true, "new"},
      {"a save cut short after its second rename", "old", "older", true, true, "new"},
      {"a save cut short between its renames", nullptr, "old", true, true, "new"},
      // The second rename fails: the backup gets its name back.
      {"nothing staged", "old", nullptr, false, false, "old"},
      {"nothing staged after a cut", nullptr, "old", false, false, "old"},
  };
  for (const auto& row : rows) {
    TempDir dir;
    const std::string path = dir / "q2scr.sc2";
    const std::string staged = dir / "q2scr.sc2.1.kavrin-new";
    if (row.file) WriteBytes(path, row.file);
    if (row.backup) WriteBytes(BackupPath(path), row.backup);
    if (row.staged) WriteBytes(staged, "new");
    const char* before = row.file ? row.file : row.backup;
    EXPECT_EQ(ReadFileBytes(path), before ? std::optional<std::string>(before) : std::nullopt) << row.what;
    EXPECT_EQ(ReplaceThroughBackup(staged, path), row.replaced) << row.what;
    EXPECT_EQ(ReadBytes(path), row.read) << row.what;
    EXPECT_EQ(ReadBytes(BackupPath(path)), "<missing>") << row.what;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << row.what;
  }
}

TEST(FileSystem, EnteringADirectoryIsOnlyTried) {
  TempDir dir;
  const std::string before = CurrentDirectory();
  EXPECT_TRUE(CanEnterDirectory(dir.path()));
  EXPECT_FALSE(CanEnterDirectory(dir / "missing"));
  EXPECT_EQ(CurrentDirectory(), before);
#ifndef _WIN32
  // Nor from a working directory removed under the process, which has no
  // name to return to. (Windows does not let it be removed.)
  {
    TempDir removed;
    ASSERT_TRUE(ChangeDirectory(removed.path()));
    std::filesystem::remove(removed.path());
    EXPECT_TRUE(CanEnterDirectory(dir.path()));
    EXPECT_EQ(CurrentDirectory(), "");
    ASSERT_TRUE(ChangeDirectory(before));
  }
#endif
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

TEST(FileSystem, ACopyArrivesWholeUnderItsNameAndComparesByItsBytes) {
  TempDir dir;
  // Over two pieces, so a difference past the first is found too.
  const std::string bytes = std::string("\0\x1a\r\n", 4) + std::string(150000, 'd');
  const std::string demo = dir / "demo.dm2", copy = dir / "copy.dm2", other = dir / "other.dm2";
  WriteBytes(demo, bytes);
  ASSERT_EQ(CopyFileContent(demo, copy), WriteFault::None);
  EXPECT_EQ(ReadBytes(copy), bytes);
  EXPECT_TRUE(SameFileBytes(demo, copy));

  for (const std::string& changed : {bytes + "x", bytes.substr(0, 140000), bytes.substr(0, bytes.size() - 1) + "e"}) {
    WriteBytes(other, changed);
    EXPECT_FALSE(SameFileBytes(demo, other)) << changed.size();
    EXPECT_FALSE(SameFileBytes(other, demo)) << changed.size();
  }
  EXPECT_FALSE(SameFileBytes(demo, dir / "missing"));
  EXPECT_FALSE(SameFileBytes(dir / "missing", dir / "missing"));

  // A copy that cannot be made leaves nothing behind.
  EXPECT_EQ(CopyFileContent(dir / "missing", dir / "none.dm2"), WriteFault::Other);
  EXPECT_NE(CopyFileContent(demo, dir / "no-folder/copy.dm2"), WriteFault::None);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

// Root writes in any folder: the test command runs this one again as an
// unprivileged user too.
TEST(FileSystem, SizeIsAFilesOnly) {
  TempDir dir;
  WriteBytes(dir / "empty.dm2", "");
  WriteBytes(dir / "a.dm2", "abc");
  EXPECT_EQ(FileSize(dir / "empty.dm2"), uint64_t{0});
  EXPECT_EQ(FileSize(dir / "a.dm2"), uint64_t{3});
  EXPECT_EQ(FileSize(dir / "?.dm2"), std::nullopt);
  EXPECT_EQ(FileSize(dir / "missing.dm2"), std::nullopt);
  EXPECT_EQ(FileSize(dir.path()), std::nullopt);
}

TEST(FileSystem, AFolderRefusedToTheAccountIsReportedAsSuch) {
  namespace fs = std::filesystem;
  TempDir dir;
  EXPECT_EQ(MakeFolder(dir / "new"), WriteFault::None);
  EXPECT_EQ(MakeFolder(dir / "new"), WriteFault::None);
  EXPECT_EQ(MakeFolder(dir / "missing/new"), WriteFault::Other);
  const std::string locked = dir / "locked";
  fs::create_directory(locked);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
  std::error_code refused;
  if (fs::create_directory(locked + "/probe", refused)) {
    GTEST_SKIP() << "a read-only folder does not stop this user creating folders (root, or Windows folder attributes)";
  }
  EXPECT_EQ(MakeFolder(locked + "/new"), WriteFault::AccessDenied);
  EXPECT_FALSE(MakeDirectory(locked + "/new"));
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
