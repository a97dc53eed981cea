// Run mode: start the configured game, maximised, in its own directory.
#pragma once

#include <string>

namespace kavrin {

// Reads the launch file, enters the directory on its line 1 (an empty line
// 1 leaves the working directory as it is) and has the shell open the
// executable on line 2 maximised with the parameters on line 3. Launches
// nothing when the file cannot be read, names no executable, or names a
// directory that cannot be entered. Returns whether the shell started it.
bool RunGame(const std::string& launchFilePath);

}  // namespace kavrin
