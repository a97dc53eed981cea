// Two configurations saved in turn into one folder by the kill test.
#pragma once

#include <string>

#include "settings/save_sequence.h"

namespace kavrin {

// Configuration 0 or 1: the same Quake 2 game in `folder`, different mods
// and demo lists, so every file differs between the two in size and bytes.
SaveRequest PairRequest(const std::string& folder, int which);

// Where the save of either configuration writes the game script.
std::string PairScriptPath(const std::string& folder);

// The game folder with its base directory, made if missing.
void MakePairGameFolder(const std::string& folder);

}  // namespace kavrin
