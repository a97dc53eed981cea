// Line 3 of the launch file: the argument line the game is started with,
// built and read back from the same switches of the game table.
#pragma once

#include <string>

#include "games/game_table.h"

namespace kavrin {

// The argument line for the family and the mod, with the line end that
// the family's line carries (only Quake's has one). It starts with
// `leadingDemo` (LeadingDemo, games/demo_chain.h) where that is not "".
std::string BuildArgumentLine(const GameFamily& family, const std::string& modDir,
                              const std::string& leadingDemo = std::string());

// The mod directory stored in an argument line, without surrounding
// blanks; "" when there is none. The line is read first as `family` writes
// it and as it once wrote it, then as the family of each executable the
// table knows writes it, for a game that an earlier version put in another
// family. A switch counts only in its place in the line, so a mod's name
// never reads as a switch.
std::string ModFromArgumentLine(const std::string& argumentLine, const GameFamily& family);

}  // namespace kavrin
