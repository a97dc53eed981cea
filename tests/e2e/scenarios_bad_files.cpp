// Damaged settings files read by the real program, in run mode and by the
// dialog, and saves that meet a file they cannot write: each gives its
// defined outcome, nothing crashes or hangs, and no file is lost.
#include "scenarios.h"

#include <cstdio>
#include <cstring>

#include "disk_files.h"
#include "e2e_fixture.h"
#include "message_box.h"
#include "remote_config_dialog.h"
#include "remote_list_view.h"
#include "remote_window.h"
#include "scenario.h"

namespace kavrin {
namespace {

using namespace std::string_literals;

constexpr const char* kQuake2Folder = "C:\\games\\quake2";
constexpr const char* kQuake2Exe = "C:\\games\\quake2\\quake2.exe";
constexpr const char* kHlExe = "C:\\games\\hl\\hl.exe";
// A folder and a name in bytes above 0x7F (Latin-1 letters).
constexpr const char* kHighFolder = "C:\\games\\\xe9t\xe9";
constexpr const char* kHighExe = "C:\\games\\\xe9t\xe9\\\xe4\xf6\xfc.exe";
constexpr const char* kQuake2Lines = "C:\\games\\quake2\\\r\nquake2.exe\r\n";
// Room for the longest line a row holds, when reading list entries back.
constexpr size_t kLongestEntry = 1100000;

enum class Place { Missing, File, Directory };

// One damaged shape of a settings file and what the program makes of it.
struct BadFile {
  const char* name;
  Place place;
  std::string bytes;
  // Run mode, with the shape as the launch file: the game started ("" for
  // none) and the arguments it gets.
  std::string game;
  std::string gameArguments;
  // The dialog, with the shape as both settings files.
  std::string exePath;
  std::string modDir;
  int demoCount;
  std::string firstDemo;
  std::string lastDemo;
};

std::string HighBytes() {
  std::string bytes;
  for (int c = 0x80; c <= 0xFF; ++c) bytes += static_cast<char>(c);
  return bytes;
}

// The quake2 launch lines, then demo lines numbered by their line index.
std::string LaunchAndDemoLines(int lines) {
  std::string bytes = kQuake2Lines + "+exec Scrnsave.cfg \r\n"s;
  for (int i = 3; i < lines; ++i) bytes += "C:\\demos\\d" + std::to_string(i) + ".dm2\r\n";
  return bytes;
}

std::vector<BadFile> BadFiles() {
  const std::string q2 = "C:\\games\\quake2\\";
  const std::string args10k = "+exec Scrnsave.cfg " + std::string(10000 - 19, 'a');
  const std::string name10k(10000, 'n');
  const std::string line1m = "c:\\" + std::string(999997, 'x');
  const std::string args1m = "+exec Scrnsave.cfg +set game " + std::string(1000000 - 29, 'm');
  // Wine starts a longer command line with its first 32,766 characters;
  // Windows would refuse it and start nothing.
  const std::string args1mAsStarted = args1m.substr(0, 32766 - std::strlen("\"quake2.exe\" "));
  const std::string highArgs = "+exec Scrnsave.cfg +set game " + HighBytes();
  const std::string highLines = "C:\\games\\\xe9t\xe9\\\r\n\xe4\xf6\xfc.exe\r\n" + highArgs;
  return {
      {"missing", Place::Missing, "", "", "", "", "", 0, "", ""},
      {"empty", Place::File, "", "", "", "", "", 0, "", ""},
      {"only-line-ends", Place::File, "\r\n\r\n\n\r\r\n", "", "", "", "", 0, "", ""},
      {"no-final-line-end", Place::File, kQuake2Lines + "+exec Scrnsave.cfg +set game ctf"s, kQuake2Exe,
       "+exec Scrnsave.cfg +set game ctf", kQuake2Exe, "ctf", 3, q2, "+exec Scrnsave.cfg +set game ctf"},
      {"argument-line-of-10000", Place::File, kQuake2Lines + args10k + "\r\n", kQuake2Exe, args10k, kQuake2Exe, "",
       3, q2, args10k},
      {"executable-name-of-10000", Place::File, q2 + "\r\n" + name10k + "\r\n+exec Scrnsave.cfg ", "", "",
       q2 + name10k, "", 3, q2, "+exec Scrnsave.cfg "},
      {"one-line-of-1000000", Place::File, line1m, "", "", line1m, "", 1, line1m, line1m},
      // Handed to the shell whole; the platform cuts the command line.
      {"argument-line-of-1000000", Place::File, kQuake2Lines + args1m, kQuake2Exe, args1mAsStarted, kQuake2Exe,
       std::string(1000000 - 29, 'm'), 3, q2, args1m},
      {"nul-ends-each-line", Place::File,
       q2 + "\0junk\r\nquake2.exe\0.bak\r\n+exec Scrnsave.cfg \0+set game x\r\n"s, kQuake2Exe,
       "+exec Scrnsave.cfg ", kQuake2Exe, "", 3, q2, "+exec Scrnsave.cfg "},
      {"nul-cuts-the-name-to-nothing", Place::File, q2 + "\r\n\0quake2.exe\r\n+exec Scrnsave.cfg "s, "", "", q2, "",
       2, q2, "+exec Scrnsave.cfg "},
      {"bare-cr-line-ends", Place::File, "C:\\games\\hl\\\rhl.exe\r-toconsole +set game tfc +exec Scrnsave.cfg \r",
       kHlExe, "-toconsole +set game tfc +exec Scrnsave.cfg ", kHlExe, "tfc", 3, "C:\\games\\hl\\",
       "-toconsole +set game tfc +exec Scrnsave.cfg "},
      {"bytes-0x80-to-0xff", Place::File, highLines, kHighExe, highArgs, kHighExe, HighBytes(), 3,
       kHighFolder + "\\"s, highArgs},
      {"100000-lines", Place::File, LaunchAndDemoLines(100000), kQuake2Exe, "+exec Scrnsave.cfg ", kQuake2Exe, "",
       100, q2, "C:\\demos\\d99.dm2"},
      {"directory-in-its-place", Place::Directory, "", "", "", "", "", 0, "", ""},
  };
}

void Put(const BadFile& row, const std::string& path) {
  RemoveTree(path);
  if (row.place == Place::File) WriteFileBytes(path, row.bytes);
  if (row.place == Place::Directory) MakeDirectories(path);
}

// What stands at `path`, comparable before and after a run.
std::string Snapshot(const std::string& path) {
  if (DirectoryExists(path)) return "<a directory of " + std::to_string(ListFiles(path, "*").size()) + " names>";
  return ReadFileBytes(path).value_or("<nothing>");
}

// Runs every row; one failing row does not hide the others. The scenario
// fails naming each failing row and its reason.
void ForEachRow(const std::vector<BadFile>& rows, void (*check)(const BadFile&)) {
  std::string failures;
  for (const BadFile& row : rows) {
    ClearGameRecords(RecordsDir());
    try {
      check(row);
      std::printf("  ok %s\n", row.name);
    } catch (const ScenarioFailure& failure) {
      std::printf("  failed %s: %s\n", row.name, failure.what());
      failures += std::string(failures.empty() ? "" : "; ") + "[" + row.name + "] " + failure.what();
    }
  }
  if (!failures.empty()) Fail(failures);
}

void InstallGames() {
  InstallGame(kQuake2Folder, "quake2.exe", "baseq2");
  InstallGame("C:\\games\\hl", "hl.exe", "valve");
  InstallGame(kHighFolder, "\xe4\xf6\xfc.exe", "");
}

void RunModeReadsBadFile(const BadFile& row) {
  Put(row, kLaunchFile);
  const std::string before = Snapshot(kLaunchFile);
  auto saver = StartSaver("/s");
  ExpectQuietEnd(*saver, 0);
  if (row.game.empty()) {
    ExpectNoGameStart();
  } else {
    const GameRecord game = ExpectOneGameStart();
    Expect(_stricmp(game.module.c_str(), row.game.c_str()) == 0, "the game started was " + Visible(game.module));
    ExpectEqual(game.directory, ParentOf(row.game), "game working directory");
    ExpectEqual(game.Arguments(), row.gameArguments, "game arguments");
  }
  ExpectEqual(Snapshot(kLaunchFile), before, "the launch file after the run");
}

void ExpectList(const RemoteConfigDialog& dialog, const BadFile& row) {
  ExpectEqual(dialog.CountText(), std::to_string(row.demoCount), "count display");
  RemoteListView list(Control(dialog.Window(), config_ui::kDemoList), kLongestEntry);
  ExpectEqual(list.Count(), row.demoCount, "entries in the list");
  if (row.demoCount == 0) return;
  ExpectEqual(list.ItemText(0), row.firstDemo, "first entry");
  ExpectEqual(list.ItemText(row.demoCount - 1), row.lastDemo, "last entry");
}

void DialogReadsBadFile(const BadFile& row) {
  Put(row, kLaunchFile);
  Put(row, kDemoListFile);
  // The dialog creates a missing file empty; it changes nothing else.
  const std::string launchBefore = row.place == Place::Missing ? "" : Snapshot(kLaunchFile);
  const std::string demosBefore = row.place == Place::Missing ? "" : Snapshot(kDemoListFile);
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  ExpectEqual(dialog.ExePath(), row.exePath, "executable field");
  ExpectEqual(dialog.ModDir(), row.modDir, "mod field");
  ExpectList(dialog, row);
  dialog.PressCancel();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code");
  ExpectEqual(Snapshot(kLaunchFile), launchBefore, "the launch file after Cancel");
  ExpectEqual(Snapshot(kDemoListFile), demosBefore, "the demo list after Cancel");
}

void RunModeReadsBadFiles() {
  InstallGames();
  ForEachRow(BadFiles(), RunModeReadsBadFile);
}

void DialogReadsBadFiles() { ForEachRow(BadFiles(), DialogReadsBadFile); }

// An earlier save's files, each in bytes a rewrite would not reproduce.
constexpr const char* kEarlierLaunch = "C:\\games\\quake2\\\r\nquake2.exe\r\n+exec Scrnsave.cfg +set game ctf";
constexpr const char* kEarlierDemos = "C:\\demos\\one.dm2\nC:\\demos\\two.dm2";
constexpr const char* kEarlierScript = "earlier script\n";
constexpr const char* kScriptPath = "C:\\games\\quake2\\baseq2\\Scrnsave.cfg";

// A settings file that the save finds a directory in place of.
struct BlockedFile {
  const char* name;
  const char* blocked;
  const char* reported;  // as the message names it
};

const BlockedFile kBlockedFiles[] = {
    {"save/launch-file-is-a-directory", kLaunchFile, "c:\\q2scr.sc2"},
    {"save/demo-list-is-a-directory", kDemoListFile, "c:\\demos.sc2"},
    {"save/script-is-a-directory", kScriptPath, "C:\\games\\quake2\\baseq2\\Scrnsave.cfg"},
};

void ExpectKeptUnlessBlocked(const std::string& path, const std::string& earlier, const BlockedFile& row) {
  if (path == row.blocked) {
    Expect(DirectoryExists(path), path + " is no longer a directory");
  } else {
    ExpectFileBytes(path, earlier);
  }
}

void ExpectNoStagedFiles(const std::string& folder) {
  const std::vector<std::string> staged = ListFiles(folder, "*.kavrin-new");
  Expect(staged.empty(), "a staged file was left in " + folder + ": " + (staged.empty() ? "" : staged.front()));
}

void SaveMeetsDirectory(const BlockedFile& row) {
  InstallGame(kQuake2Folder, "quake2.exe", "baseq2");
  WriteFileBytes(kLaunchFile, kEarlierLaunch);
  WriteFileBytes(kDemoListFile, kEarlierDemos);
  WriteFileBytes(kScriptPath, kEarlierScript);
  RemoveTree(row.blocked);
  MakeDirectories(row.blocked);

  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  // Every file would change: another mod, one demo fewer.
  dialog.TypeExePath(kQuake2Exe);
  dialog.TypeModDir("dm");
  if (!dialog.Demos().empty()) dialog.Remove({0});
  dialog.PressOk();

  const SeenMessageBox box = AnswerMessageBox(saver->Id(), "Kavrin");
  ExpectEqual(box.text, row.reported + "\nCould not write this file. Its earlier content is unchanged."s,
              "message text");
  ExpectEqual(box.icon, "error", "message box icon");
  ExpectEqual(saver->ExitCode(kPatience), 1, "exit code");

  ExpectKeptUnlessBlocked(kLaunchFile, kEarlierLaunch, row);
  ExpectKeptUnlessBlocked(kDemoListFile, kEarlierDemos, row);
  ExpectKeptUnlessBlocked(kScriptPath, kEarlierScript, row);
  ExpectNoStagedFiles("c:\\");
  ExpectNoStagedFiles(ParentOf(kScriptPath));
}

}  // namespace

std::vector<Scenario> BadFileScenarios() {
  std::vector<Scenario> scenarios = {
      {"bad-files/run-mode", RunModeReadsBadFiles},
      {"bad-files/dialog", DialogReadsBadFiles},
  };
  for (const BlockedFile& row : kBlockedFiles) scenarios.push_back({row.name, [&row] { SaveMeetsDirectory(row); }});
  return scenarios;
}

}  // namespace kavrin
