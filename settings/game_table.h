// The engines Kavrin knows, in one table: each executable name belongs to
// a family, and the family says everything the program writes for it and
// what its engine can play.
#pragma once

#include <cstddef>
#include <string>

#include "settings/game_kind.h"

namespace kavrin {

// How the engine's demo command wants the file named.
enum class DemoNameRule {
  Any,       // any name; the engine adds its own extension to a bare one
  Dm2,       // ends in ".dm2", or it is taken for a map
  DmNumber,  // ends in ".dm_" and the protocol's digits, e.g. ".dm_68"
};

struct GameFamily {
  GameKind kind;           // selects the script's dialect
  const char* title;       // as the player knows the game; "" for Other
  const char* baseFolder;  // beside the executable; the script goes there; "" for none

  // The argument line: the switch that names the mod, written before
  // "+exec Scrnsave.cfg " or after it, and whether without a mod too.
  const char* modSwitch;
  bool modBeforeExec;
  bool switchWithoutMod;
  bool lineEnd;  // line 3 of the launch file ends with a line end

  // Where the engine looks for a demo name: this folder below the base
  // folder and below the mod's ("" for those folders themselves), and
  // below %APPDATA%\<userFolder>\<folder> too where userFolder is not "".
  const char* demoFolder;
  const char* userFolder;
  DemoNameRule nameRule;

  size_t maxDemos;       // the engine plays no more; 0 for no limit
  size_t maxNameLength;  // longer names break the loop; 0 for no limit
  // A start-up script of the engine's own that replaces the demo list
  // unless the mod folder has its own copy; "" for none.
  const char* startupScript;
};

// The family of an executable name, compared after lowercasing, whole:
// the Other family for a name the table does not hold.
const GameFamily& FamilyOfExe(const std::string& exeName);

// Whether a script is written for the family (every one but Other).
bool HasGameScript(const GameFamily& family);

// The directory the game reads its scripts from: the executable's
// directory (which ends with a backslash) with "/<base folder>/" added, as
// the save has always entered it. "" for Other.
std::string BaseDirectory(const std::string& exeDirectory, const GameFamily& family);

// Where the save writes the script and where run mode looks for it; ""
// for Other.
std::string GameScriptPath(const std::string& exeDirectory, const GameFamily& family);

// Every family, Other last, and every executable name with its family.
// The rows hold their texts and indices rather than pointers, which would
// each cost the program a relocation.
struct KnownExecutable {
  char name[24];          // lowercase
  unsigned char family;   // its index in GameFamilies()
};
template <typename Row>
struct TableRows {
  const Row* first;
  const Row* last;
  const Row* begin() const { return first; }
  const Row* end() const { return last; }
};
TableRows<GameFamily> GameFamilies();
TableRows<KnownExecutable> KnownExecutables();

}  // namespace kavrin
