// The game a chosen executable belongs to, told by its file name alone.
#pragma once

namespace kavrin {

// Selects the script's dialect; settings/game_table.h says which names
// and engines belong to each (FamilyOfExe(name).kind).
enum GameKind {
  Quake = 0,
  Quake2 = 1,
  Hl = 2,
  Quake3 = 3,
  SinHeretic2 = 4,
  Other = 5,
};

}  // namespace kavrin
