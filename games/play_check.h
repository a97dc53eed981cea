// What the game will play, worked out before OK from the engine's row of
// the game table and the disk: the findings behind the dialog's play note,
// and what the mends work from.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "games/game_folders.h"
#include "games/path_questions.h"
#include "games/startup_script.h"

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
  ModFolderMissing,        // `path`: the mod folder beside the game
  NoDemos,                 // the list is empty
  DemosNotFound,           // `subject`, `count`; `path`: the folders searched
  DemosEmpty,              // `subject`, `count`: demos of 0 bytes, which the engine steps over
  EmptyDemosEndTheRing,    // `subject`, `count`: demos of 0 bytes, at which the engine's ring ends
  NamesSplit,              // `subject`, `count`; `character`: where the first is split
  NamesCut,                // `subject`, `count`; `character`: where the first is cut
  TooManyDemos,            // `subject`: the first past `limit`; `count`: how many are past it
  NamesTooLong,            // `subject`, `count`: names over `limit` characters
  NamesTakenForMaps,       // `subject`, `count`: names not ending in ".dm2"
  NamesEndingTheRing,      // `subject`, `count`: names not ending in ".dm2" or ".dm2.gz"
  NamesWithoutProtocol,    // `subject`, `count`: names not ending in ".dm_NN"
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
};

// What stands in the way of one listed demo, named by its file name.
struct DemoCheck {
  bool found;      // in one of the folders where the engine looks
  bool empty;      // found, and of 0 bytes
  bool pastLimit;  // past the most demos the engine keeps
  bool wrongName;  // the engine's demo command does not take such a name
  bool tooLong;
  char splitAt;    // the first character the engine splits it at; 0 for none
  char cutAt;      // the first character the engine cuts it at; 0 for none
};

struct PlayCheck {
  std::vector<Finding> findings = {};
  std::vector<DemoCheck> demos = {};  // in list order; empty for an unknown game
  StartupScript startup = {};         // for a family with a start-up script and demos
};

// The findings for the game and the demos (full paths, in list order),
// asking the disk only through `disk`.
PlayCheck CheckPlay(const ChosenGame& game, const std::vector<std::string>& demos, const PathQuestions& disk);

}  // namespace kavrin
