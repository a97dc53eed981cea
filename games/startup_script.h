// Quake's own start-up script, quake.rc, as the engine finds it: the one
// it runs replaces Kavrin's demo list if it says "startdemos".
#pragma once

#include <string>

#include "games/game_folders.h"
#include "games/path_questions.h"

namespace kavrin {

struct StartupScript {
  enum class Source { None, Base, Mod };
  Source source = Source::None;  // None: no copy found, so the game's own in a pak we cannot see
  std::string path;              // the file, or the pak that holds it
  bool startsDemos = false;      // it holds a "startdemos" line
};

// The first copy of the family's start-up script in the engine's search
// order: the mod's folder, then the base folder; in each the pak files,
// highest number first, then the loose file (the other way round where
// the engine searches loose files first). Reads only the pak headers and
// directories and that one script.
StartupScript FindStartupScript(const ChosenGame& game, const PathQuestions& disk);

// Whether the script text holds a "startdemos" command, at the start of a
// line or after a ";".
bool StartsDemos(const std::string& script);

}  // namespace kavrin
