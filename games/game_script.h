// The console script that makes a game play the demos one after another.
#pragma once

#include <string>
#include <vector>

#include "games/game_kind.h"

namespace kavrin {

constexpr const char* kGameScriptName = "Scrnsave.cfg";

// The whole script in the dialect of `kind` (Other, which gets no script,
// gives SinHeretic2's). Lines are separated by "\n"; no dialect ends with a
// line end. Each demo is named by its file name alone.
std::string BuildGameScript(GameKind kind, const std::vector<std::string>& demos);

}  // namespace kavrin
