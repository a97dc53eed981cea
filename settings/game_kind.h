// The game a chosen executable belongs to, told by its file name alone.
#pragma once

#include <string>

namespace kavrin {

enum GameKind {
  Quake = 0,
  Quake2 = 1,
  Hl = 2,
  Quake3 = 3,
  SinHeretic2 = 4,
  Other = 5,
};

// Compares the already lowercased name whole with the known executables.
GameKind ClassifyExeName(const std::string& lowerName);

// The suffix that turns the executable's directory into the directory the
// game reads its scripts from, for example "/baseq2/"; "" for Other.
const char* BaseDirectorySuffix(GameKind kind);

// Whether the save writes a game script for this kind.
bool HasGameScript(GameKind kind);

}  // namespace kavrin
