#include "e2e_fixture.h"

#include <windows.h>

#include <cstring>

#include "disk_files.h"
#include "scenario.h"
#include "screenshot.h"

namespace kavrin {
namespace {

const char* const kDemoFiles[] = {"one.dm2", "two.dm2", "three.dm2", "four.dem", "five.dm3", "duel.qwd", "final.mvd"};
// In capitals, as older files are often named.
const char* const kSpacedDemoFiles[] = {"A B.DM2", "c d.hd2", "semi final.qwd"};

void CreateDemoFiles() {
  for (const char* name : kDemoFiles) WriteFileBytes(std::string(kDemoFolder) + "\\" + name, "demo");
  for (const char* name : kSpacedDemoFiles) {
    WriteFileBytes(std::string(kSpacedDemoFolder) + "\\" + name, "demo");
  }
}

}  // namespace

std::string BinDir() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return ParentOf(path);
}

std::string SaverPath() { return BinDir() + "\\Kavrin.scr"; }
std::string WorkDir() { return "c:\\e2e\\work"; }
std::string ArtifactsDir() { return "c:\\e2e\\artifacts"; }
std::string RecordsDir() { return "c:\\e2e\\records"; }

std::string UserSettingsFolder() {
  char folder[MAX_PATH] = "";
  GetEnvironmentVariableA("LOCALAPPDATA", folder, MAX_PATH);
  return std::string(folder) + "\\Kavrin";
}

void ResetPrefix() {
  RemoveTree(kLaunchFile);
  RemoveTree(kDemoListFile);
  RemoveTree(UserSettingsFolder());
  RemoveTree(kGamesRoot);
  RemoveTree(WorkDir());
  RemoveTree(RecordsDir());
  MakeDirectories(WorkDir());
  MakeDirectories(RecordsDir());
  MakeDirectories(ArtifactsDir());
  CreateDemoFiles();
  UsePrefix();
}

void UsePrefix() { SetEnvironmentVariableA(kGameRecordDirVariable, RecordsDir().c_str()); }

std::string InstallGame(const std::string& folder, const std::string& exeName, const std::string& baseDir) {
  const std::string exePath = folder + "\\" + exeName;
  CopyFileTo(BinDir() + "\\stand_in_game.exe", exePath);
  Expect(FileExists(exePath), "cannot install the stand-in game as " + exePath);
  if (!baseDir.empty()) MakeDirectories(folder + "\\" + baseDir);
  return exePath;
}

std::unique_ptr<SaverProcess> StartSaver(const std::string& arguments) {
  return StartSaverRaw(arguments.empty() ? SaverPath() : SaverPath() + " " + arguments);
}

std::unique_ptr<SaverProcess> StartSaverRaw(const std::string& commandLine) {
  return std::make_unique<SaverProcess>(commandLine, WorkDir());
}

GameRecord ExpectOneGameStart() {
  WaitFor([] { return !ReadGameRecords(RecordsDir()).empty(); }, "the game to start");
  HappensWithin([] { return ReadGameRecords(RecordsDir()).size() > 1; });
  const std::vector<GameRecord> records = ReadGameRecords(RecordsDir());
  ExpectEqual(static_cast<long long>(records.size()), 1, "game starts");
  return records.front();
}

void ExpectGameStarted(const GameRecord& game, const std::string& exePath, const std::string& arguments,
                       const std::string& folder) {
  Expect(_stricmp(game.module.c_str(), exePath.c_str()) == 0, "the game started was " + game.module);
  ExpectEqual(game.Arguments(), arguments, "game arguments");
  ExpectEqual(game.directory, folder, "game working directory");
  Expect(game.usesShowWindow, "the game was given no show command");
  ExpectEqual(game.showWindow, SW_SHOWMAXIMIZED, "game show command");
  ExpectEqual(game.desktop, "Default", "the desktop the game runs on");
}

void ExpectScreenSaverStartsGame(const std::string& exePath, const std::string& arguments,
                                 const std::string& folder) {
  ClearGameRecords(RecordsDir());
  auto saver = StartSaver("/s");
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code of /s");
  ExpectGameStarted(ExpectOneGameStart(), exePath, arguments, folder);
}

void ExpectNoGameStart() {
  if (HappensWithin([] { return !ReadGameRecords(RecordsDir()).empty(); })) {
    const std::string started = ReadGameRecords(RecordsDir()).front().commandLine;
    Fail("a game was started: " + Visible(started.substr(0, 200)) + (started.size() > 200 ? "..." : ""));
  }
}

void ExpectQuietEnd(SaverProcess& saver, DWORD exitCode) {
  bool showedWindow = false;
  const std::optional<DWORD> code = saver.WaitForExitWatchingWindows(kPatience, &showedWindow);
  Expect(code.has_value(), "the program did not end");
  Expect(!showedWindow, "the program showed a window");
  ExpectEqual(*code, exitCode, "exit code");
}

void ExpectFileBytes(const std::string& path, const std::string& expected) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  Expect(bytes.has_value(), path + " is missing");
  ExpectEqual(*bytes, expected, path);
}

void ExpectNoFile(const std::string& path) { Expect(!FileExists(path), path + " should not exist"); }

void SaveShot(HWND window, const std::string& name) {
  Expect(SaveWindowShot(window, ArtifactsDir() + "\\" + name + ".bmp"),
         "cannot save the screenshot " + name);
}

}  // namespace kavrin
