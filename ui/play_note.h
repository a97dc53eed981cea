// The play note: the dialog's findings about what the game will play,
// in short sentences, one per line.
#pragma once

#include <string>
#include <vector>

#include "games/play_check.h"

namespace kavrin {

// The findings as the note shows them, lines separated by CR LF.
std::string PlayNoteText(const std::vector<Finding>& findings);

}  // namespace kavrin
