#include "settings/save_sequence.h"

#include <gtest/gtest.h>

#include "files/exe_path.h"
#include "files/file_system.h"
#include "temp_dir.h"

namespace kavrin {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// A game folder `dir\games\<name>\` (ending with a backslash, as the user's
// paths do) with the given base subdirectory made, if any.
std::string MakeGameFolder(const TempDir& dir, const std::string& name, const std::string& base) {
  const std::string folder = dir / ("games\\" + name + "\\");
  std::filesystem::create_directories(folder + "/" + base);
  return folder;
}

SaveRequest RequestIn(const TempDir& dir, const std::string& exePath, const std::string& mod,
                      std::vector<std::string> demos) {
  SaveRequest request;
  request.exePath = exePath;
  request.modDir = mod;
  request.demos = std::move(demos);
  request.launchFilePath = dir / "q2scr.sc2";
  request.demoListFilePath = dir / "demos.sc2";
  return request;
}

const std::vector<std::string> kTwoDemos = {"C:\\demos\\a.dm2", "C:\\my demos\\b b.dm2"};
const char kTwoDemosDisk[] = "C:\\demos\\a.dm2\r\nC:\\my demos\\b b.dm2\r\n";

TEST(SaveSequence, WritesAllThreeFilesForEveryGameWithAScript) {
  const char* const startdemos = "startdemos a.dm2 b b.dm2 ";
  const char* const quakeLine = "-game ctf +exec Scrnsave.cfg \r\n";
  const char* const quake2Ring =
      "alias demo0 \"demomap a.dm2; set nextserver demo1\" \r\n"
      "alias demo1 \"demomap b b.dm2; set nextserver demo0\" \r\ndemo0";
  const char* const quake3Ring =
      "set d0 \"demo a.dm2; set nextdemo vstr d1\" \r\nset d1 \"demo b b.dm2; set nextdemo vstr d0\" \r\nvstr d0";
  const char* const sinRing =
      "alias demo0 \"demomap a.dm2; set nextserver demo1\" \r\n"
      "alias demo1 \"demomap b b.dm2; set nextserver demo0\" \r\n\r\ndemo0";
  const char* const setGame = "+exec Scrnsave.cfg +set game ctf";
  const char* const setFsGame = "+exec Scrnsave.cfg +set fs_game ctf";
  const struct {
    const char* exe;
    const char* base;
    const char* line3;
    const char* script;
  } rows[] = {
      {"GLQuake.exe", "id1", quakeLine, startdemos},
      {"winquake", "id1", quakeLine, startdemos},
      {"quake2.exe", "baseq2", setGame, quake2Ring},
      {"hl.exe", "valve", "-toconsole -game ctf +exec Scrnsave.cfg ", "startdemos a.dm2 b b.dm2 \r\ndemos"},
      {"QUAKE3.EXE", "baseq3", setFsGame, quake3Ring},
      {"sin.exe", "base", setGame, sinRing},
      {"heretic2.exe", "base", setGame, sinRing},
      // Today's source ports, one a family; the kinds test has every name.
      {"quakespasm.exe", "id1", quakeLine, startdemos},
      {"yquake2.exe", "baseq2", setGame, quake2Ring},
      {"ioquake3.x86_64.exe", "baseq3", setFsGame, quake3Ring},
      {"quake3e.x64.exe", "baseq3", setFsGame, quake3Ring},
      {"q2pro.exe", "baseq2", setGame,
       "alias demo0 \"set nextserver demo1; demo a.dm2\" \r\nalias demo1 \"set nextserver demo0; demo b b.dm2\" \r\ndemo0"},
  };
  for (const auto& row : rows) {
    TempDir dir;
    const std::string folder = MakeGameFolder(dir, "game", row.base);
    const std::string before = CurrentDirectory();

    const SaveResult result = SaveConfiguration(RequestIn(dir, folder + row.exe, "ctf", kTwoDemos));

    EXPECT_EQ(result.status, SaveStatus::Saved) << row.exe;
    EXPECT_EQ(result.ExitCode(), 0);
    EXPECT_EQ(result.message, "");
    const std::string name = LowerCase(row.exe);
    EXPECT_EQ(ReadBytes(dir / "q2scr.sc2"), folder + "\r\n" + name + "\r\n" + row.line3) << row.exe;
    EXPECT_EQ(ReadBytes(dir / "demos.sc2"), kTwoDemosDisk);
    EXPECT_EQ(ReadBytes(folder + "/" + row.base + "/Scrnsave.cfg"), row.script) << row.exe;
    EXPECT_EQ(CurrentDirectory(), before);
  }
}

TEST(SaveSequence, AnUnknownGameGetsNoScriptAndNoDirectoryCheck) {
  TempDir dir;
  const SaveResult result =
      SaveConfiguration(RequestIn(dir, dir / "nowhere\\Doom.exe", "", {"c:\\d\\x.lmp"}));
  EXPECT_EQ(result.status, SaveStatus::Saved);
  EXPECT_EQ(ReadBytes(dir / "q2scr.sc2"), dir / "nowhere\\" + "\r\ndoom.exe\r\n+exec Scrnsave.cfg ");
  EXPECT_EQ(ReadBytes(dir / "demos.sc2"), "c:\\d\\x.lmp\r\n");
}

TEST(SaveSequence, NoDemosWriteAnEmptyListAndAnEmptyRing) {
  TempDir dir;
  const std::string folder = MakeGameFolder(dir, "q3", "baseq3");
  WriteBytes(dir / "demos.sc2", "c:\\old.dm2\r\n");
  ASSERT_EQ(SaveConfiguration(RequestIn(dir, folder + "quake3.exe", "", {})).status, SaveStatus::Saved);
  EXPECT_EQ(ReadBytes(dir / "demos.sc2"), "");
  EXPECT_EQ(ReadBytes(folder + "/baseq3/Scrnsave.cfg"), "vstr d0");
}

TEST(SaveSequence, AMissingBaseDirectoryKeepsTheOldScriptAndSaysWhichDirectory) {
  TempDir dir;
  const std::string folder = MakeGameFolder(dir, "quake", "");
  // A script in the folder itself stands for anything the save must not touch.
  WriteBytes(folder + "/Scrnsave.cfg", "old script");

  const SaveResult result = SaveConfiguration(RequestIn(dir, folder + "glquake.exe", "", kTwoDemos));

  EXPECT_EQ(result.status, SaveStatus::GameDirectoryIncorrect);
  EXPECT_EQ(result.ExitCode(), 1);
  EXPECT_EQ(result.path, folder + "/id1/");
  EXPECT_EQ(result.message, DisplayPath(folder + "/id1/") + "\nGame Directory Incorrect");
  EXPECT_EQ(ReadBytes(dir / "q2scr.sc2"), folder + "\r\nglquake.exe\r\n+exec Scrnsave.cfg \r\n");
  EXPECT_EQ(ReadBytes(dir / "demos.sc2"), kTwoDemosDisk);
  EXPECT_EQ(ReadBytes(folder + "/Scrnsave.cfg"), "old script");
  EXPECT_FALSE(std::filesystem::exists(folder + "/id1/Scrnsave.cfg"));
}

TEST(SaveSequence, AFileThatCannotBeWrittenChangesNoFile) {
  TempDir dir;
  const std::string folder = MakeGameFolder(dir, "quake2", "baseq2");
  WriteBytes(folder + "/baseq2/Scrnsave.cfg", "old script");

  SaveRequest launchFails = RequestIn(dir, folder + "quake2.exe", "", kTwoDemos);
  launchFails.launchFilePath = dir / "missing folder/q2scr.sc2";
  WriteBytes(dir / "demos.sc2", "old demos");
  SaveResult result = SaveConfiguration(launchFails);
  EXPECT_EQ(result.status, SaveStatus::WriteFailed);
  EXPECT_EQ(result.ExitCode(), 1);
  EXPECT_EQ(result.path, launchFails.launchFilePath);
  EXPECT_EQ(result.message.rfind(DisplayPath(launchFails.launchFilePath) + "\n", 0), 0u) << result.message;
  EXPECT_EQ(ReadBytes(dir / "demos.sc2"), "old demos");
  EXPECT_EQ(ReadBytes(folder + "/baseq2/Scrnsave.cfg"), "old script");

  SaveRequest listFails = RequestIn(dir, folder + "quake2.exe", "", kTwoDemos);
  WriteBytes(listFails.launchFilePath, "old launch file");
  listFails.demoListFilePath = dir / "a directory";
  std::filesystem::create_directory(listFails.demoListFilePath);
  result = SaveConfiguration(listFails);
  EXPECT_EQ(result.status, SaveStatus::WriteFailed);
  EXPECT_EQ(result.path, listFails.demoListFilePath);
  EXPECT_TRUE(std::filesystem::is_directory(listFails.demoListFilePath));
  EXPECT_EQ(ReadBytes(listFails.launchFilePath), "old launch file");
  EXPECT_EQ(ReadBytes(folder + "/baseq2/Scrnsave.cfg"), "old script");
}

TEST(SaveSequence, AScriptThatCannotBeWrittenIsReportedAndKeepsTheSettings) {
  TempDir dir;
  const std::string folder = MakeGameFolder(dir, "quake2", "baseq2/Scrnsave.cfg");
  WriteBytes(dir / "q2scr.sc2", "old launch file");
  WriteBytes(dir / "demos.sc2", "old demos");
  const SaveResult result = SaveConfiguration(RequestIn(dir, folder + "quake2.exe", "", kTwoDemos));
  EXPECT_EQ(result.status, SaveStatus::WriteFailed);
  EXPECT_EQ(result.path, folder + "/baseq2/Scrnsave.cfg");
  EXPECT_TRUE(std::filesystem::is_directory(folder + "/baseq2/Scrnsave.cfg"));
  EXPECT_EQ(ReadBytes(dir / "q2scr.sc2"), "old launch file");
  EXPECT_EQ(ReadBytes(dir / "demos.sc2"), "old demos");
}

}  // namespace
}  // namespace kavrin
