// What the game will play, worked out before OK from the engine's row of
// the game table and the disk: the findings behind the dialog's play note,
// and what the mends work from.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "settings/game_folders.h"
#include "settings/path_questions.h"
#include "settings/startup_script.h"

namespace kavrin {

// In the order the note gives them, the most important first.
enum class PlayFinding {
  NoGame,              // no executable named
  UnknownGame,         // `subject`: its file name; no script is written
  ScriptFolder,        // `subject`: the game's title; `path`: where the script goes
  BaseFolderMissing,   // `path`: the folder the save must enter
  ModFolderMissing,    // `path`: the mod folder beside the game
  NoDemos,             // the list is empty
  DemosNotFound,       // `subject`: the first; `count`; `path`: the folders searched
  NamesSplit,          // `subject`: the first name the game splits; `character`: where; `count`
  NamesCut,            // `subject`: the first name the game cuts; `character`: where; `count`
  TooManyDemos,        // `subject`: the first past `limit`; `count`: how many are past it
  NamesTooLong,        // `subject`: the first name over `limit`; `count`
  NamesTakenForMaps,     // `subject`: the first name not ending in ".dm2"; `count`
  NamesEndingTheRing,    // `subject`: the first name not ending in ".dm2" or ".dm2.gz"; `count`
  NamesWithoutProtocol,  // `subject`: the first name not ending in ".dm_NN"; `count`
  NoModWithStartupScript,  // `subject`: the engine's own start-up script, which no mod replaces
  ModLacksStartupScript,   // `subject`: that script; `path`: the mod folder without a copy
  ModScriptStartsDemos,    // `subject`: that script; `path`: the mod's copy, which says "startdemos"
  AllWell,             // `subject`: the game's title; `count`: the demos
  kCount
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
