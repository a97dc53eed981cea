// An account that may not create files in c:\, as on current Windows: the
// suite runs these as an unprivileged user, prepares c:\ while it is still
// writable and makes it read-only before the scenario runs.
#include "scenarios.h"

#include "disk_files.h"
#include "e2e_fixture.h"
#include "message_box.h"
#include "remote_config_dialog.h"
#include "scenario.h"

namespace kavrin {
namespace {

constexpr const char* kQuake2Folder = "C:\\games\\quake2";
constexpr const char* kQuake2Exe = "C:\\games\\quake2\\quake2.exe";
constexpr const char* kQuake2Launch = "C:\\games\\quake2\\\r\nquake2.exe\r\n+exec Scrnsave.cfg +set game ctf";
constexpr const char* kQuake2Script =
    "alias demo0 \"demomap one.dm2; set nextserver demo1\" \r\n"
    "alias demo1 \"demomap two.dm2; set nextserver demo0\" \r\n"
    "demo0";
const std::vector<std::string> kDemos = {"C:\\demos\\one.dm2", "C:\\demos\\two.dm2"};
constexpr const char* kDemoListBytes = "C:\\demos\\one.dm2\r\nC:\\demos\\two.dm2\r\n";

// What an administrator's earlier save left in c:\: another game.
constexpr const char* kHlFolder = "C:\\games\\half life";
constexpr const char* kHlLaunch = "C:\\games\\half life\\\r\nhl.exe\r\n-toconsole +set game tfc +exec Scrnsave.cfg ";
constexpr const char* kHlDemoList = "C:\\demos\\one.dm2\r\n";

// Replaces whatever the dialog shows by Quake 2 with two demos and a mod.
void ConfigureQuake2(RemoteConfigDialog& dialog) {
  dialog.BrowseExe(kQuake2Exe);
  std::vector<int> loaded;
  for (int i = 0; i < static_cast<int>(dialog.Demos().size()); ++i) loaded.push_back(i);
  if (!loaded.empty()) dialog.Remove(loaded);
  dialog.BrowseDemos(kDemoFolder, {"one.dm2", "two.dm2"});
  dialog.TypeModDir("ctf");
  Expect(dialog.Demos() == kDemos, "the list does not hold the two demos before OK");
}

// A message box would keep the process open past the wait.
void PressOkAndExpectSilentSave(SaverProcess& saver, RemoteConfigDialog& dialog) {
  dialog.PressOk();
  ExpectEqual(saver.ExitCode(kPatience), 0, "exit code after OK");
  ExpectFileBytes(UserSettingsFolder() + "\\q2scr.sc2", kQuake2Launch);
  ExpectFileBytes(UserSettingsFolder() + "\\demos.sc2", kDemoListBytes);
  ExpectFileBytes(std::string(kQuake2Folder) + "\\baseq2\\Scrnsave.cfg", kQuake2Script);
}

void ExpectQuake2Starts() { ExpectScreenSaverStartsGame(kQuake2Exe, "+exec Scrnsave.cfg +set game ctf", kQuake2Folder); }

void ExpectReopenedQuake2() {
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  ExpectEqual(dialog.ExePath(), kQuake2Exe, "executable field after reopening");
  ExpectEqual(dialog.ModDir(), "ctf", "mod field after reopening");
  Expect(dialog.Demos() == kDemos, "the list after reopening differs from the saved one");
  dialog.PressCancel();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code after Cancel");
}

void InstallQuake2() { InstallGame(kQuake2Folder, "quake2.exe", "baseq2"); }

void FirstSaveGoesToTheUserFolder() {
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  ExpectNoFile(kLaunchFile);
  ExpectNoFile(kDemoListFile);
  ExpectEqual(dialog.ExePath(), "", "executable field");
  ConfigureQuake2(dialog);
  PressOkAndExpectSilentSave(*saver, dialog);
  ExpectNoFile(kLaunchFile);
  ExpectNoFile(kDemoListFile);
  ExpectQuake2Starts();
  ExpectReopenedQuake2();
}

void InstallBothAndLeaveHlInRoot() {
  InstallQuake2();
  InstallGame(kHlFolder, "hl.exe", "valve");
  WriteFileBytes(kLaunchFile, kHlLaunch);
  WriteFileBytes(kDemoListFile, kHlDemoList);
}

// The files in c:\ stay writable, as Windows leaves an administrator's
// files for every user; only new files (the staged ones) are refused.
void RootFilesOfAnotherAccountNoLongerDecide() {
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  ExpectEqual(dialog.ExePath(), std::string(kHlFolder) + "\\hl.exe", "executable field read from c:\\");
  ConfigureQuake2(dialog);
  PressOkAndExpectSilentSave(*saver, dialog);
  ExpectFileBytes(kLaunchFile, kHlLaunch);
  ExpectFileBytes(kDemoListFile, kHlDemoList);
  ExpectQuake2Starts();

  WriteFileBytes(kLaunchFile, "C:\\games\\half life\\\r\nhl.exe\r\n-toconsole +set game dmc +exec Scrnsave.cfg ");
  ExpectQuake2Starts();
  ExpectReopenedQuake2();
}

// The suite makes the folders this file names read-only too.
void InstallQuake2WithReadOnlyBase() {
  InstallQuake2();
  WriteFileBytes(ParentOf(BinDir()) + "\\read-only.txt", std::string(kQuake2Folder) + "\\baseq2\n");
}

// A copy into a folder this account may not write: one message names the
// folder and why, and the list keeps its entry.
void RefusedMendChangesNothing() {
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  dialog.BrowseExe(kQuake2Exe);
  dialog.BrowseDemos(kDemoFolder, {"one.dm2"});
  WaitFor([&] { return dialog.MendCaption() == "Copy 1 demo to baseq2\\demos"; }, "the mend button to offer a copy");
  dialog.PressMend();
  const SeenMessageBox box = AnswerMessageBox(saver->Id(), "Kavrin");
  ExpectEqual(box.text,
              "C:\\games\\quake2\\baseq2\\demos\nCould not write this file or folder: Windows does not let this "
              "account write in that folder. Choose a game folder this account may write to, or run the "
              "configuration as administrator.",
              "message text");
  ExpectEqual(box.icon, "error", "message box icon");
  Expect(dialog.Demos() == std::vector<std::string>{"C:\\demos\\one.dm2"}, "the list changed after a refused mend");
  Expect(!DirectoryExists(std::string(kQuake2Folder) + "\\baseq2\\demos"), "a demos folder was made");
  dialog.PressCancel();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code after Cancel");
}

}  // namespace

std::vector<Scenario> ReadOnlyRootScenarios() {
  return {
      {"read-only-root/first-save", FirstSaveGoesToTheUserFolder, InstallQuake2},
      {"read-only-root/files-of-another-account", RootFilesOfAnotherAccountNoLongerDecide, InstallBothAndLeaveHlInRoot},
      {"read-only-root/mend-refused", RefusedMendChangesNothing, InstallQuake2WithReadOnlyBase},
  };
}

}  // namespace kavrin
