// Line 3 of the launch file: the argument line the game is started with,
// built and read back from the same switches of the game table.
#pragma once

#include <string>

#include "settings/game_table.h"

namespace kavrin {

// The argument line for the family and the mod, with the line end that
// the family's line carries (only Quake's has one).
std::string BuildArgumentLine(const GameFamily& family, const std::string& modDir);

// The mod directory stored in any argument line that this or an earlier
// version wrote (Quake III's once said "+set game"), without surrounding
// blanks; "" when there is none.
std::string ModFromArgumentLine(const std::string& argumentLine);

}  // namespace kavrin
