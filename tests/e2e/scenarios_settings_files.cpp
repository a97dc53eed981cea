// The settings files around the dialog: created empty, kept on Cancel,
// written up to the failing step when the game directory is wrong; a
// c:\q2scr.sc2 that other accounts may change is not used.
#include "scenarios.h"

#include <sddl.h>

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

constexpr const char* kQuake2Exe = "C:\\games\\quake2\\quake2.exe";
constexpr const char* kQuake2Launch = "C:\\games\\quake2\\\r\nquake2.exe\r\n+exec Scrnsave.cfg ";

// The file's DACL as Wine reports it back, in the security descriptor
// language ("D:(A;;FA;;;SY)..."); Wine keeps a DACL as the file's mode.
std::string DaclText(const std::string& path) {
  char descriptor[4096];
  DWORD size = 0;
  char* text = nullptr;
  if (!GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, descriptor, sizeof descriptor, &size) ||
      !ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                            &text, nullptr)) {
    return "<unreadable>";
  }
  const std::string dacl = text;
  LocalFree(text);
  return dacl;
}

// Chooses Quake 2 in a dialog that shows no executable yet, and saves.
void SaveQuake2(SaverProcess& saver) {
  RemoteConfigDialog dialog(saver.Id());
  ExpectEqual(dialog.ExePath(), "", "executable field");
  dialog.BrowseExe(kQuake2Exe);
  dialog.PressOk();
  ExpectEqual(saver.ExitCode(kPatience), 0, "exit code after OK");
}

// Kavrin's own save in c:\ lets no other account write, and is run.
void OwnSaveIsRun() {
  InstallGame("C:\\games\\quake2", "quake2.exe", "baseq2");
  SaveQuake2(*StartSaver("/c"));
  ExpectFileBytes(kLaunchFile, kQuake2Launch);
  const std::string dacl = DaclText(kLaunchFile);
  Expect(dacl.find(";WD)") == std::string::npos, "Everyone has an entry in the saved file's DACL: " + dacl);
  ExpectScreenSaverStartsGame(kQuake2Exe, "+exec Scrnsave.cfg ", "C:\\games\\quake2");
}

// A file Everyone may write is not run: the dialog says so once, shows
// nothing of it and saves to the user's folder, whose file then wins.
void FileEveryoneMayChangeIsNotUsed() {
  InstallGame("C:\\games\\quake2", "quake2.exe", "baseq2");
  WriteFileBytes(kLaunchFile, kQuake2Launch);
  PSECURITY_DESCRIPTOR everyoneWrites = nullptr;
  Expect(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(A;;FA;;;WD)", SDDL_REVISION_1, &everyoneWrites,
                                                              nullptr) &&
             SetFileSecurityA(kLaunchFile, DACL_SECURITY_INFORMATION, everyoneWrites),
         "could not let Everyone write c:\\q2scr.sc2");
  LocalFree(everyoneWrites);
  ExpectQuietEnd(*StartSaver("/s"), 0);
  ExpectNoGameStart();

  auto saver = StartSaver("/c");
  // Said as the dialog first paints: answered before the dialog is worked.
  const SeenMessageBox box = AnswerMessageBox(saver->Id(), "Kavrin");
  ExpectEqual(box.text,
              "c:\\q2scr.sc2 holds screen saver settings that other accounts on this computer can change, so "
              "Kavrin will not use them.\n\nChoose the game and demos again: OK saves them in your own folder, " +
                  UserSettingsFolder(),
              "message text");
  SaveQuake2(*saver);
  ExpectFileBytes(UserSettingsFolder() + "\\q2scr.sc2", kQuake2Launch);
  ExpectScreenSaverStartsGame(kQuake2Exe, "+exec Scrnsave.cfg ", "C:\\games\\quake2");
}

}  // namespace

std::vector<Scenario> SettingsFileScenarios() {
  return {
      {"files/first-configuration", FirstConfigurationCreatesEmptyFiles},
      {"files/cancel-keeps-files", CancelKeepsFiles},
      {"files/close-box-keeps-files", CloseBoxActsAsCancel},
      {"files/escape-keeps-files", EscapeActsAsCancel},
      {"files/missing-base-directory", MissingBaseDirectoryStopsBeforeScript},
      {"files/own-save-is-run", OwnSaveIsRun},
      {"files/shared-file-others-may-change", FileEveryoneMayChangeIsNotUsed},
  };
}

}  // namespace kavrin
