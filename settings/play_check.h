// What the game will play, worked out before OK from the game table and
// the disk: the findings behind the dialog's play note.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kavrin {

// Whether a file or folder exists: the file system, or a test's fake.
class PathQuestions {
 public:
  virtual ~PathQuestions() = default;
  virtual bool Exists(const std::string& path) const = 0;
};

// In the order the note gives them, the most important first.
enum class PlayFinding {
  NoGame,              // no executable named
  UnknownGame,         // `subject`: its file name; no script is written
  ScriptFolder,        // `subject`: the game's title; `path`: where the script goes
  BaseFolderMissing,   // `path`: the folder the save must enter
  ModFolderMissing,    // `path`: the mod folder beside the game
  NoDemos,             // the list is empty
  DemosNotFound,       // `subject`: the first; `count`; `path`: the folders searched
  UnsafeNames,         // `subject`: the first name with a blank, ";" or a quote; `count`
  TooManyDemos,        // `subject`: the first past `limit`; `count`: how many are past it
  NamesTooLong,        // `subject`: the first name over `limit`; `count`
  NamesTakenForMaps,     // `subject`: the first name not ending in ".dm2"; `count`
  NamesWithoutProtocol,  // `subject`: the first name not ending in ".dm_NN"; `count`
  NoModWithStartupScript,  // `subject`: the engine's own start-up script, which no mod replaces
  ModLacksStartupScript,   // `subject`: that script; `path`: the mod folder without a copy
  AllWell,             // `subject`: the game's title; `count`: the demos
};

struct Finding {
  PlayFinding what;
  std::string subject = {};
  std::string path = {};
  size_t count = 0;
  size_t limit = 0;
};

struct PlayCheckInput {
  std::string exePath;             // as typed
  std::string modDir;              // as typed
  std::vector<std::string> demos;  // full paths, in list order
  std::string appData;             // %APPDATA%; "" when unknown
};

// The findings for the input, asking the disk only through `disk`.
std::vector<Finding> CheckPlay(const PlayCheckInput& input, const PathQuestions& disk);

// The folder the demo browser opens in: where the engine looks for demos,
// in the mod if that folder exists, else in the base folder; "" when
// neither exists or the game is unknown.
std::string DemoBrowseFolder(const std::string& exePath, const std::string& modDir, const PathQuestions& disk);

// The folder of the executable typed, if it exists; "" otherwise.
std::string ExeBrowseFolder(const std::string& exePath, const PathQuestions& disk);

}  // namespace kavrin
