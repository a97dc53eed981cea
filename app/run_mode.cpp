#include "app/run_mode.h"

#include <windows.h>
#include <shellapi.h>

#include "app/launch_command.h"
#include "app/run_decisions.h"
#include "app/session_facts.h"
#include "files/exe_path.h"
#include "files/file_system.h"
#include "games/game_table.h"
#include "settings/settings_place.h"
#include "win/process_account.h"

namespace kavrin {
namespace {

// With nobody signed in, the logon screen's saver runs under a system
// account, and the launch file in c:\ may have been written by anyone.
bool RunsForTheLogonScreen() { return IsServiceAccount(ProcessAccountSid()); }

// Windows starts the saver again after each idle spell while the game
// plays; a second copy would start over the first.
bool GameAlreadyRunning(const LaunchCommand& command) {
  const std::optional<std::vector<std::string>> processes = RunningProcessFiles();
  return processes && IsGameRunning(*processes, command.file);
}

// A save cut short between its two renames (Windows 95, 98, ME) leaves
// the game's script under its backup name, where the game does not look.
void RestoreGameScript(const LaunchCommand& command) {
  const GameFamily& family = EngineOfExe(command.file).family;
  if (HasGameScript(family)) RestoreCutShortReplace(GameScriptPath(command.directory, family));
}

bool OpenThroughShell(const LaunchCommand& command) {
  const HINSTANCE result = ShellExecuteA(nullptr, "open", command.file.c_str(), command.parameters.c_str(),
                                         nullptr, SW_SHOWMAXIMIZED);
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

// A program started from the saver's own desktop would stay there, unseen,
// once Windows switches back to the user's desktop as the saver ends.
bool StartOnUserDesktop(const LaunchCommand& command) {
  std::string commandLine = GameCommandLine(command.file, command.parameters);
  char desktop[] = "WinSta0\\Default";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.lpDesktop = desktop;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMAXIMIZED;
  PROCESS_INFORMATION created = {};
  // The file as named, in the game folder entered before: no search path,
  // and a name without an extension is taken as it is.
  if (!CreateProcessA(command.file.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &created)) {
    return false;
  }
  CloseHandle(created.hThread);
  CloseHandle(created.hProcess);
  return true;
}

bool StartGame(const LaunchCommand& command) {
  return StartsOnUserDesktop(ProcessDesktopName()) ? StartOnUserDesktop(command) : OpenThroughShell(command);
}

// CreateProcessA assumes no extension, where the shell tries ".exe" first:
// a stored "winquake" is started, and looked for, as winquake.exe.
void AddDefaultExtension(LaunchCommand& command) {
  const std::string withExtension = WithDefaultExtension(command.file);
  if (IsFile(withExtension)) command.file = withExtension;
}

}  // namespace

bool RunGame(const std::string& launchFilePath) {
  if (RunsForTheLogonScreen()) return false;
  std::optional<LaunchCommand> command = ReadLaunchCommand(ReadLaunchFileBytes(launchFilePath));
  if (!command) return false;
  // The game finds its own files relative to the directory it starts in.
  if (!command->directory.empty() && !ChangeDirectory(command->directory)) return false;
  RestoreGameScript(*command);
  AddDefaultExtension(*command);
  const bool running = GameAlreadyRunning(*command) || StartGame(*command);
  // Windows locks on resume only after a saver that ran for a while; this
  // one ends at once, so it locks for Windows, with the game behind the lock.
  if (running && LocksOnResume(ReadLockSetting())) LockSession();
  return running;
}

}  // namespace kavrin
