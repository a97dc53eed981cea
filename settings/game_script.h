// The console script that makes a game play the demos one after another.
#pragma once

#include <string>
#include <vector>

namespace kavrin {

constexpr const char* kGameScriptName = "Scrnsave.cfg";

// The whole script in the dialect of `kind` (0 to 3; any other value gives
// the dialect of SinHeretic2). Lines are separated by "\n"; no dialect ends
// with a line end. Each demo is named by its file name alone.
std::string BuildGameScript(int kind, const std::vector<std::string>& demos);

}  // namespace kavrin
