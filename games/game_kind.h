// The dialect of console script a game gets: what the script generator
// and the save are told, nothing more.
#pragma once

namespace kavrin {

// Each game family of games/game_table.h writes one dialect.
enum GameKind {
  Quake = 0,
  Quake2 = 1,
  Hl = 2,
  Quake3 = 3,
  SinHeretic2 = 4,
  Other = 5,
  Q2pro = 6,       // Quake II's ring on "demo" rather than "demomap"
  QuakeWorld = 7,  // a chain of scripts, one per demo, each naming the next
};

}  // namespace kavrin
