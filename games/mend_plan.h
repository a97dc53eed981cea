// What one click of the dialog's mend button does: the first mend the play
// check calls for, worked out without writing anything. The dialog's edge
// carries it out.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "games/game_folders.h"
#include "games/path_questions.h"
#include "games/play_check.h"

namespace kavrin {

// The loop folder made beside the base folder when no mod is named.
constexpr const char* kLoopFolder = "kavrin";

struct MendPlan {
  std::string caption;               // what the button says; "" for nothing to mend
  std::vector<std::string> folders;  // to make, in order
  std::string script;                // where a loop start-up script goes; "" for none
  std::string mod;                   // what the mod field then says; "" to leave it
  // For each list entry, where its file is copied to replace it, under a
  // name the engine takes; "" to leave it. A file there already holds the
  // same bytes. The listed file is never changed.
  std::vector<std::string> copies;
  std::string scriptText = {};  // what the loop start-up script says: the family's loopScript
};

// The first of the mends, in this order: the loop folder Quake needs
// while its own quake.rc replaces the list, then copies of the demos the
// engine will not find or whose names it breaks, cuts or will not take
// whole. Demos past the engine's limit and names of the wrong kind get
// none. Copies keep their name, with each breaking character made "_",
// the part before the extension shortened to the engine's longest name,
// and "_2", "_3"... added where a file of other bytes has the name.
MendPlan PlanMend(const ChosenGame& game, const std::vector<std::string>& demos, const PlayCheck& check,
                  const PathQuestions& disk);

}  // namespace kavrin
