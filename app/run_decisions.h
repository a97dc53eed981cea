// What run mode decides from what Windows tells it about the session it
// was started in. Pure: the answers are gathered in app/session_facts.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kavrin {

// Whether the game must be started on the user's desktop ("Default")
// rather than on the saver's own: Windows runs a saver on a desktop of its
// own, which it leaves as soon as the saver ends. "" is unknown, as on the
// systems without desktops.
bool StartsOnUserDesktop(const std::string& desktopName);

// Where Windows keeps "On resume, display logon screen".
struct LockSetting {
  std::optional<bool> asked;          // the system parameter, where the call works
  std::optional<std::string> policy;  // ScreenSaverIsSecure set by policy
  std::optional<std::string> user;    // ScreenSaverIsSecure of the user
};

// Whether the session is to be locked: the system parameter where it was
// answered, else the policy value where set, else the user's; "1" locks.
bool LocksOnResume(const LockSetting& setting);

// Whether the security identifier (its bytes) is LocalSystem, LocalService
// or NetworkService, the accounts of the logon screen's saver.
bool IsServiceAccount(const std::string& sid);

// Whether one of the running processes (file names, or full paths as the
// 9x line gives them) has the game's executable file name, in any case.
bool IsGameRunning(const std::vector<std::string>& processFiles, const std::string& exeName);

// The name the shell tries first for a stored executable name: with
// ".exe" added when the name has no extension of its own.
std::string WithDefaultExtension(const std::string& file);

// The command line that starts `file` with `parameters`: the quoted file
// name, then a blank and the parameters as stored, if there are any.
std::string GameCommandLine(const std::string& file, const std::string& parameters);

}  // namespace kavrin
