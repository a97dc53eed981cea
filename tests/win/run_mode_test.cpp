// Run mode starting a stand-in game of ours through the shell.
#include "app/run_mode.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "files/exe_path.h"
#include "files/file_system.h"
#include "files/text_mode.h"
#include "tests/unit/temp_dir.h"

namespace kavrin {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

struct GameRecord {
  std::string commandLine;
  std::string directory;
  int show = -1;
};

std::string TestProgramDirectory() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  return ExeDirectory(path);
}

// Compares directories the way Windows does: case and a final backslash
// do not matter.
std::string Normalised(std::string directory) {
  while (!directory.empty() && directory.back() == '\\') directory.pop_back();
  CharLowerA(&directory[0]);
  return directory;
}

class RunModeTest : public ::testing::Test {
 protected:
  RunModeTest() {
    std::filesystem::create_directories(gameDir);
    CopyFileA((TestProgramDirectory() + "kavrin_recording_game.exe").c_str(), game.c_str(), FALSE);
    SetEnvironmentVariableA("KAVRIN_GAME_RECORD", record.c_str());
  }
  ~RunModeTest() override {
    ChangeDirectory(startDirectory);
    SetEnvironmentVariableA("KAVRIN_GAME_RECORD", nullptr);
  }

  // Waits for the game to write its record; nullopt-like empty record when
  // it never does.
  bool WaitForRecord(GameRecord& out, DWORD patienceMs) {
    for (DWORD waited = 0; waited <= patienceMs; waited += 100) {
      const std::vector<std::string> lines = SplitDiskLines(ReadBytes(record));
      if (lines.size() >= 3 && lines[0] != "<missing>") {
        out = {lines[0], lines[1], std::atoi(lines[2].c_str())};
        return true;
      }
      Sleep(100);
    }
    return false;
  }

  void WriteLaunchFile(const std::string& text) { WriteBytes(launchFile, ToDiskText(text)); }

  std::string startDirectory = CurrentDirectory();
  TempDir dir;
  std::string launchFile = dir / "q2scr.sc2";
  std::string record = dir / "record.txt";
  std::string gameDir = dir / "my games\\quake2";
  std::string game = gameDir + "\\kavgame.exe";
};

TEST_F(RunModeTest, StartsTheGameMaximisedInItsDirectoryWithTheStoredParameters) {
  WriteLaunchFile(gameDir + "\\\nkavgame.exe\n+exec Scrnsave.cfg ");
  ASSERT_TRUE(RunGame(launchFile));
  GameRecord started;
  ASSERT_TRUE(WaitForRecord(started, 20000));
  EXPECT_EQ(Normalised(started.directory), Normalised(gameDir));
  EXPECT_EQ(started.show, SW_SHOWMAXIMIZED);
  const std::string parameters = " +exec Scrnsave.cfg";
  EXPECT_NE(started.commandLine.find("kavgame.exe"), std::string::npos) << started.commandLine;
  EXPECT_NE(started.commandLine.find(parameters), std::string::npos) << started.commandLine;
}

// The first release's launch files name Quake "winquake", no extension;
// the game on disk is winquake.exe.
TEST_F(RunModeTest, AStoredNameWithoutExtensionStartsItsExe) {
  CopyFileA(game.c_str(), (gameDir + "\\winquake.exe").c_str(), FALSE);
  WriteLaunchFile(gameDir + "\\\nwinquake\n+exec Scrnsave.cfg \n");
  ASSERT_TRUE(RunGame(launchFile));
  GameRecord started;
  ASSERT_TRUE(WaitForRecord(started, 20000));
  EXPECT_NE(started.commandLine.find("winquake.exe"), std::string::npos) << started.commandLine;
  EXPECT_NE(started.commandLine.find(" +exec Scrnsave.cfg"), std::string::npos) << started.commandLine;
}

TEST_F(RunModeTest, EmptyDirectoryLineLaunchesFromTheCurrentDirectory) {
  WriteLaunchFile("\n" + game + "\n-game ctf +exec Scrnsave.cfg \n");
  ASSERT_TRUE(RunGame(launchFile));
  GameRecord started;
  ASSERT_TRUE(WaitForRecord(started, 20000));
  EXPECT_EQ(Normalised(started.directory), Normalised(startDirectory));
  EXPECT_EQ(started.show, SW_SHOWMAXIMIZED);
  EXPECT_NE(started.commandLine.find("-game ctf +exec Scrnsave.cfg"), std::string::npos) << started.commandLine;
}

TEST_F(RunModeTest, LaunchesNothingWithoutSomethingToLaunch) {
  const struct {
    const char* what;
    std::optional<std::string> launchText;  // nullopt: no launch file
  } cases[] = {
      {"no launch file", std::nullopt},
      {"empty launch file", ""},
      {"empty executable name", gameDir + "\\\n\n+exec Scrnsave.cfg "},
  };
  for (const auto& c : cases) {
    std::remove(launchFile.c_str());
    if (c.launchText) WriteLaunchFile(*c.launchText);
    EXPECT_FALSE(RunGame(launchFile)) << c.what;
    EXPECT_EQ(Normalised(CurrentDirectory()), Normalised(startDirectory)) << c.what;
  }
}

TEST_F(RunModeTest, DirectoryThatCannotBeEnteredLaunchesNothing) {
  // The full path would start the game from anywhere, were it handed over.
  WriteLaunchFile(dir / "missing\\" + "\n" + game + "\n+exec Scrnsave.cfg ");
  EXPECT_FALSE(RunGame(launchFile));
  GameRecord started;
  EXPECT_FALSE(WaitForRecord(started, 2000)) << "started with " << started.commandLine;
  EXPECT_EQ(Normalised(CurrentDirectory()), Normalised(startDirectory));
}

}  // namespace
}  // namespace kavrin
