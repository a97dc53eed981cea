// QuakeWorld's loop: its clients play one demo at a time and run the alias
// f_demoend when one ends, so each demo gets a small script of its own
// that points f_demoend at the next demo's script and plays its demo. No
// name ever leaves its one pair of quotes. The scripts of two generations
// take turns: a save writes the one Scrnsave.cfg does not name, then
// Scrnsave.cfg, so the chain it names is always whole.
#pragma once

#include <string>
#include <vector>

#include "games/game_script.h"
#include "games/game_table.h"

namespace kavrin {

// A demo's path as the engine's demo command and command line take it:
// every backslash made "/", after the engine's prefix for a path of the
// operating system's.
std::string ChainPath(const GameEngine& engine, const std::string& demoPath);

// The demo the argument line starts the chain with, quoted, for an engine
// that plays its first argument: the first of the list that can stand
// there; "" where none can: the engine plays no first argument, or would
// read part of each path as a command or not play it from there.
std::string LeadingDemo(const GameEngine& engine, const std::vector<std::string>& demos);

// The chain's scripts for the demos that can be quoted, in list order, in
// `generation` ('A' or 'B'), and Scrnsave.cfg last: it sets what the loop
// needs and points f_demoend at the script after the leading demo's, or,
// with no leading demo, starts the chain's first demo itself.
std::vector<ScriptFile> BuildDemoChain(const GameEngine& engine, const std::vector<std::string>& demos,
                                       char generation);

// The generation a new chain takes: the one that the current Scrnsave.cfg
// does not name.
char NextChainGeneration(const std::string& currentScript);

// The other generation's script names, "ScrnsaveB0.cfg"...: what a save
// removes once the new Scrnsave.cfg is in place.
std::string ChainScriptName(char generation, size_t index);

}  // namespace kavrin
