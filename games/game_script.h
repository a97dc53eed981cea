// The console script that makes a game play the demos one after another.
#pragma once

#include <string>
#include <vector>

#include "games/game_kind.h"
#include "games/game_table.h"

namespace kavrin {

constexpr const char* kGameScriptName = "Scrnsave.cfg";

// The whole script in the dialect of `kind` (Other, which gets no script,
// and QuakeWorld, whose chain is written by BuildGameScripts, give
// SinHeretic2's). Lines are separated by "\n"; no dialect ends with a
// line end. Each demo is named by its file name alone.
std::string BuildGameScript(GameKind kind, const std::vector<std::string>& demos);

// One file of a game's script, named within the base folder.
struct ScriptFile {
  std::string name;
  std::string text;  // in-memory line ends; none at the end
};

// Every file of the script the save writes for the engine, Scrnsave.cfg
// last: BuildGameScript's text alone, or QuakeWorld's chain
// (games/demo_chain.h) in the generation that `currentScript`, the
// Scrnsave.cfg there now, does not name.
std::vector<ScriptFile> BuildGameScripts(const GameEngine& engine, const std::vector<std::string>& demos,
                                         const std::string& currentScript);

// The `index`-th script that BuildGameScripts' files no longer name, to be
// removed once they are in place: for QuakeWorld the chain of the other
// generation; "" for every other family.
std::string RetiredScriptName(const GameEngine& engine, const std::string& currentScript, size_t index);

}  // namespace kavrin
