// The game a chosen executable belongs to, told by its file name alone.
#pragma once

#include <string>

namespace kavrin {

// Selects the script's dialect; settings/game_table.h says which names
// and engines belong to each.
enum GameKind {
  Quake = 0,
  Quake2 = 1,
  Hl = 2,
  Quake3 = 3,
  SinHeretic2 = 4,
  Other = 5,
};

// The kind of the executable's file name, compared after lowercasing,
// whole; Other for a name Kavrin does not know.
GameKind ClassifyExeName(const std::string& exeName);

}  // namespace kavrin
