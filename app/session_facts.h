// What run mode asks Windows about the session it was started in. Each
// call that Windows 95 or NT 4.0 lacks is looked up when it is made, and
// its absence answers "unknown".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/run_decisions.h"

namespace kavrin {

// The name of this process's desktop; "" where there are no desktops (9x).
std::string ProcessDesktopName();

// "On resume, display logon screen" as the system parameter and the two
// registry values give it.
LockSetting ReadLockSetting();

// The executable files of the running processes; nullopt where there is no
// process list (NT 4.0).
std::optional<std::vector<std::string>> RunningProcessFiles();

// Locks the session where Windows can (2000 and later).
void LockSession();

}  // namespace kavrin
