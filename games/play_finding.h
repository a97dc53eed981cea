// What the play check finds about a game and its demos, one value per
// finding: what the dialog's note says, and what an engine's row names as
// the outcome of a name it does not take.
#pragma once

#include <cstddef>
#include <string>

namespace kavrin {

// What the check found, in the order the note gives it, the most
// important first. Beside each, what the Finding's fields hold for it; a
// field not named is left empty. Where demos share a fault, `subject` is
// the first of them and `count` how many.
enum class PlayFinding {
  NoGame,                  // no executable named
  UnknownGame,             // `subject`: its file name; no script is written
  ScriptFolder,            // `subject`: the game's title; `path`: where the script goes
  BaseFolderMissing,       // `path`: the folder the save must enter
  ModNameSplit,            // `subject`: the mod as typed; `path`: its first word, which the game takes
  ModFolderMissing,        // `path`: the mod folder beside the game
  CommandLineTooLong,      // `count`: the command line's length, the game's path in it; `limit`: what is kept
  NoDemos,                 // the list is empty
  DemosNotFound,           // `subject`, `count`; `path`: the folders searched
  DemosMissing,            // `subject`, `count`: demos named by path and not there, which the engine steps over
  MissingDemosEndTheRing,  // `subject`, `count`: the same, at which the engine's ring ends
  DemosEmpty,              // `subject`, `count`: demos of 0 bytes, which the engine steps over
  EmptyDemosEndTheRing,    // `subject`, `count`: demos of 0 bytes, at which the engine's ring ends
  NamesSplit,              // `subject`, `count`; `character`: where the first is split
  NamesCut,                // `subject`, `count`; `character`: where the first is cut
  TooManyDemos,            // `subject`: the first past `limit`; `count`: how many are past it
  NamesTooLong,            // `subject`, `count`: names over `limit` characters
  PathsTooLong,            // `subject`, `count`: demos whose paths are over `limit` characters
  DemosNeedDecoder,        // `subject`, `count`; `endings`: theirs; `path`: the decoder they need installed
  // `subject`, `count`; `endings`: what the engine's name rule asks
  // (games/demo_name_rule.h), which says which of these three follows.
  NamesTakenForMaps,       // the game loads a map of that name instead
  NamesEndingTheRing,      // the ring ends with the first of them
  NamesWithoutProtocol,    // the game adds an ending of its own and finds no such file
  NoModWithStartupScript,  // `subject`: the engine's own start-up script, which no mod replaces
  ModLacksStartupScript,   // `subject`: that script; `path`: the mod folder without a copy
  ModScriptStartsDemos,    // `subject`: that script; `path`: the mod's copy, which says "startdemos"
  AllWell,                 // nothing stands in the way; `subject`: the game's title; `count`: the demos
  kCount                   // not a finding: how many there are
};

struct Finding {
  PlayFinding what = PlayFinding::NoGame;
  std::string subject = {};
  std::string path = {};
  size_t count = 0;
  size_t limit = 0;
  char character = 0;
  std::string endings = {};
};

}  // namespace kavrin
