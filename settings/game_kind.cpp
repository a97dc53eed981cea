#include "settings/game_kind.h"

#include "settings/game_table.h"

namespace kavrin {

GameKind ClassifyExeName(const std::string& exeName) { return FamilyOfExe(exeName).kind; }

}  // namespace kavrin
