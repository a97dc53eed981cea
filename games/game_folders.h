// The chosen game as its engine sees it: its folders, the mod, and where
// it looks for a demo's name. The play note, the demo browser and the
// mends all take their folders from here.
#pragma once

#include <string>
#include <vector>

#include "games/game_table.h"
#include "games/path_questions.h"

namespace kavrin {

struct ChosenGame {
  const GameEngine* engine;
  std::string exeName;       // as typed
  std::string exeDirectory;  // ends with a separator, or ""
  // The mod as the engine takes it: the first word of the one saved; ""
  // for none, and for the base folder itself, which the engine searches
  // anyway.
  std::string mod;
  std::string savedMod;  // as the save stores it, trimmed
  std::string appData;  // %APPDATA%; "" when unknown

  const GameFamily& Family() const { return engine->family; }
  // A folder beside the executable: C:\q\id1. Beside a bare executable
  // name, at the root of the drive (\id1), where the save puts the base
  // folder (BaseDirectory).
  std::string Folder(const std::string& name) const { return (exeDirectory.empty() ? "\\" : exeDirectory) + name; }
};

ChosenGame ChooseGame(const std::string& exePath, const std::string& modDir, const std::string& appData);

// The folders where the engine looks for a demo's name, the mod's before
// the base folder's, each in the player's own folder first where the
// engine keeps one. None for an unknown game.
std::vector<std::string> DemoSearchFolders(const ChosenGame& game);

// A folder as the note names it: below the game's folder (ctf\demos), or
// below %APPDATA%.
std::string FolderLabel(const ChosenGame& game, const std::string& folder);

// Where a demo belongs for the engine to find it: the demo folder of the
// mod when one is named, else of the base folder.
std::string DemoHome(const ChosenGame& game);

// The folder the demo browser opens in: the first search folder that
// holds a demo of the engine's kind, else the first that exists; "" for
// none, which leaves the choice to the system.
std::string DemoBrowseFolder(const ChosenGame& game, const PathQuestions& disk);

// The folder of the executable typed, if it exists; "" otherwise.
std::string ExeBrowseFolder(const std::string& exePath, const PathQuestions& disk);

}  // namespace kavrin
