// Run mode: start the configured game, maximised, in its own directory.
#pragma once

#include <string>

namespace kavrin {

// Reads the launch file, enters the directory on its line 1 (an empty line
// 1 leaves the working directory as it is) and starts the executable on
// line 2 maximised with the parameters on line 3: through the shell, or on
// the user's desktop when Windows started the saver on a desktop of its
// own. Starts nothing under a system account (the logon screen), when a
// process of that executable's name already runs, when the file cannot be
// read, is the one in c:\ and another account can change it, names no
// executable, or names a directory that cannot be entered.
// Then locks the session when Windows is set to show the logon screen on
// resume and the game runs. Returns whether the game runs.
bool RunGame(const std::string& launchFilePath);

}  // namespace kavrin
