// The settings files around the dialog: created empty, kept on Cancel,
// written up to the failing step when the game directory is wrong.
#include "scenarios.h"

#include "disk_files.h"
#include "e2e_fixture.h"
#include "message_box.h"
#include "open_dialog.h"
#include "remote_config_dialog.h"
#include "remote_window.h"
#include "scenario.h"

namespace kavrin {
namespace {

// An existing configuration with bytes a rewrite would not reproduce: a
// bare line feed, a short line and no final line end.
constexpr const char* kOddLaunchFile = "C:\\games\\quake\\\r\nglquake.exe\r\n-game ctf +exec Scrnsave.cfg \r\n";
constexpr const char* kOddDemoList = "C:\\demos\\one.dm2\nx\r\n\r\nC:\\demos\\two.dm2";
constexpr const char* kOldScript = "old script\r\n";

void FirstConfigurationCreatesEmptyFiles() {
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  ExpectFileBytes(kLaunchFile, "");
  ExpectFileBytes(kDemoListFile, "");
  ExpectEqual(dialog.ExePath(), "", "executable field");
  ExpectEqual(dialog.ModDir(), "", "mod field");
  ExpectEqual(dialog.CountText(), "0", "count display");
  SaveShot(dialog.Window(), "config-dialog");
  dialog.PressCancel();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code");
  ExpectFileBytes(kLaunchFile, "");
  ExpectFileBytes(kDemoListFile, "");
}

void WriteOddConfiguration() {
  InstallGame("C:\\games\\quake", "glquake.exe", "id1");
  WriteFileBytes(kLaunchFile, kOddLaunchFile);
  WriteFileBytes(kDemoListFile, kOddDemoList);
  WriteFileBytes("C:\\games\\quake\\id1\\Scrnsave.cfg", kOldScript);
}

void ExpectOddConfigurationKept() {
  ExpectFileBytes(kLaunchFile, kOddLaunchFile);
  ExpectFileBytes(kDemoListFile, kOddDemoList);
  ExpectFileBytes("C:\\games\\quake\\id1\\Scrnsave.cfg", kOldScript);
}

void CancelKeepsFiles() {
  WriteOddConfiguration();
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  ExpectEqual(dialog.ExePath(), "C:\\games\\quake\\glquake.exe", "executable field");
  ExpectEqual(dialog.ModDir(), "ctf", "mod field");
  Expect(dialog.Demos() == std::vector<std::string>{"C:\\demos\\one.dm2", "C:\\demos\\two.dm2"},
         "the list does not hold the two saved demos");
  dialog.TypeModDir("changed");
  dialog.PressCancel();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code");
  ExpectOddConfigurationKept();
}

void CloseBoxActsAsCancel() {
  WriteOddConfiguration();
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  dialog.TypeExePath("C:\\games\\other\\other.exe");
  PostMessageA(dialog.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code");
  ExpectOddConfigurationKept();
}

void EscapeActsAsCancel() {
  WriteOddConfiguration();
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  dialog.TypeExePath("C:\\games\\other\\other.exe");
  PostMessageA(dialog.Window(), WM_COMMAND, IDCANCEL, 0);
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code");
  ExpectOddConfigurationKept();
}

void MissingBaseDirectoryStopsBeforeScript() {
  InstallGame("C:\\games\\noid1", "glquake.exe", "");
  WriteFileBytes("C:\\games\\noid1\\Scrnsave.cfg", kOldScript);
  WriteFileBytes(WorkDir() + "\\Scrnsave.cfg", kOldScript);
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  dialog.BrowseExe("C:\\games\\noid1\\glquake.exe");
  dialog.BrowseDemo("C:\\demos\\one.dm2");
  dialog.BrowseDemo("C:\\demos\\two.dm2");
  dialog.PressOk();

  const SeenMessageBox box = AnswerMessageBox(saver->Id(), "Kavrin");
  ExpectEqual(box.text, "C:\\games\\noid1\\id1\nGame Directory Incorrect", "message text");
  ExpectEqual(box.icon, "error", "message box icon");
  ExpectEqual(saver->ExitCode(kPatience), 1, "exit code");

  ExpectFileBytes(kLaunchFile, "C:\\games\\noid1\\\r\nglquake.exe\r\n+exec Scrnsave.cfg \r\n");
  ExpectFileBytes(kDemoListFile, "C:\\demos\\one.dm2\r\nC:\\demos\\two.dm2\r\n");
  ExpectNoFile("C:\\games\\noid1\\id1\\Scrnsave.cfg");
  Expect(!DirectoryExists("C:\\games\\noid1\\id1"), "the missing base directory was created");
  ExpectFileBytes("C:\\games\\noid1\\Scrnsave.cfg", kOldScript);
  ExpectFileBytes(WorkDir() + "\\Scrnsave.cfg", kOldScript);
}

}  // namespace

std::vector<Scenario> SettingsFileScenarios() {
  return {
      {"files/first-configuration", FirstConfigurationCreatesEmptyFiles},
      {"files/cancel-keeps-files", CancelKeepsFiles},
      {"files/close-box-keeps-files", CloseBoxActsAsCancel},
      {"files/escape-keeps-files", EscapeActsAsCancel},
      {"files/missing-base-directory", MissingBaseDirectoryStopsBeforeScript},
  };
}

}  // namespace kavrin
