// The names an engine's demo command takes, one row per rule: the play
// check judges a name by it, the script generator writes a name's ending
// as it asks, and the note says what it asks.
#pragma once

#include <array>
#include <string>

#include "games/play_finding.h"

namespace kavrin {

struct DemoNameRule {
  // A name must end in one of these, in any case; "#" stands for one or
  // more digits. Unused places are null.
  std::array<const char*, 6> endings;
  // What follows for a name that ends otherwise.
  PlayFinding broken;
};

// Quake II's "demomap" takes a name for a demo only when it ends in ".dm2"
// exactly, or loads a map of that name (id-Software/Quake-2 @372afde4
// server/sv_init.c SV_Map, line 442, strcmp).
inline constexpr DemoNameRule kDemomapNames{{".dm2"}, PlayFinding::NamesTakenForMaps};
// Q2PRO's "demo" finds ".dm2" and ".dm2.gz"; any other name ends the ring
// (games/game_table.cpp, its row).
inline constexpr DemoNameRule kQ2proNames{{".dm2", ".dm2.gz"}, PlayFinding::NamesEndingTheRing};
// Quake III's "demo" adds its own ".dm_" and protocol number to any other
// name, and then finds no such file.
inline constexpr DemoNameRule kProtocolNames{{".dm_#"}, PlayFinding::NamesWithoutProtocol};

// QuakeWorld clients play these from a script, and the first four as
// their first argument too (games/game_table.cpp, their rows).
inline constexpr DemoNameRule kQuakeWorldNames{{".qwd", ".mvd", ".dem", ".qwz", ".gz", ".zip"},
                                               PlayFinding::NamesEndingTheRing};
inline constexpr DemoNameRule kQuakeWorldLeadingNames{{".qwd", ".mvd", ".dem", ".qwz"}, PlayFinding::NamesEndingTheRing};

// Whether the name ends as the rule asks.
bool FollowsRule(const std::string& name, const DemoNameRule& rule);

// The endings as the note says them: ".dm2 or .dm2.gz", ".dm_ and digits".
std::string RuleEndings(const DemoNameRule& rule);

// The name with its ending written as the rule writes it, where it ends
// in one of the rule's endings in another case: "DEMO1.DM2" -> "DEMO1.dm2".
std::string WithRuleEnding(std::string name, const DemoNameRule& rule);

}  // namespace kavrin
