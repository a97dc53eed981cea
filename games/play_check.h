// What the game will play, worked out before OK from the engine's row of
// the game table and the disk: the findings behind the dialog's play note,
// and what the mends work from.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "games/game_folders.h"
#include "games/path_questions.h"
#include "games/play_finding.h"
#include "games/startup_script.h"

namespace kavrin {

// What stands in the way of one listed demo, named by its file name.
struct DemoCheck {
  bool found;      // in one of the folders where the engine looks
  bool empty;      // found, and of 0 bytes
  bool pastLimit;  // past the most demos the engine keeps
  bool wrongName;  // the engine's demo command does not take such a name
  bool tooLong;
  bool needsDecoder;  // it plays only with another maker's decoder installed
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
