// Two configurations saved in turn into one folder by the kill test.
#pragma once

#include <string>

#include "settings/save_sequence.h"

namespace kavrin {

// Configuration 0 or 1: the same game in `folder`, different mods and demo
// lists, so every file differs between the two in size and bytes. The game
// is Quake II, or with `chain` a QuakeWorld client, whose script is a chain
// of one file per demo: 24 of them in one configuration, 9 in the other.
SaveRequest PairRequest(const std::string& folder, int which, bool chain = false);

// The base folder where the save of either configuration writes the game
// script, ending with a separator.
std::string PairBaseFolder(const std::string& folder, bool chain = false);

// The game folder with its base directory, made if missing.
void MakePairGameFolder(const std::string& folder, bool chain = false);

}  // namespace kavrin
