#include "settings/game_table.h"

#include <iterator>

#include "settings/exe_path.h"
#include "settings/game_script.h"

namespace kavrin {
namespace {

// Indices into kFamilies.
enum Family : unsigned char { kQuake, kQuake2, kHl, kQuake3, kIoQuake3, kSin, kHeretic2, kOther };

// kind, title, base folder,
// mod switch, before "+exec", without a mod too, line end,
// demo folder, user folder, demo names,
// most demos, longest name, start-up script
constexpr GameFamily kFamilies[] = {
    {Quake, "Quake", "id1",  //
     "-game ", true, false, true,
     "", "", DemoNameRule::Any,
     8, 15, "quake.rc"},
    {Quake2, "Quake II", "baseq2",  //
     "+set game ", false, false, false,
     "demos", "", DemoNameRule::Dm2,
     0, 0, ""},
    {Hl, "Half-Life", "valve",  //
     "-toconsole +set game ", true, true, false,
     "", "", DemoNameRule::Any,
     0, 0, ""},
    {Quake3, "Quake III", "baseq3",  //
     "+set fs_game ", false, false, false,
     "demos", "", DemoNameRule::DmNumber,
     0, 0, ""},
    // ioquake3 also reads the player's own folder below %APPDATA%.
    {Quake3, "Quake III", "baseq3",  //
     "+set fs_game ", false, false, false,
     "demos", "Quake3", DemoNameRule::DmNumber,
     0, 0, ""},
    {SinHeretic2, "SiN", "base",  //
     "+set game ", false, false, false,
     "demos", "", DemoNameRule::Dm2,
     0, 0, ""},
    // Its engine's source is not published; a reconstruction of it records
    // ".hd2" demos, so Kavrin does not judge the names.
    {SinHeretic2, "Heretic II", "base",  //
     "+set game ", false, false, false,
     "demos", "", DemoNameRule::Any,
     0, 0, ""},
    {Other, "", "",  //
     "+set game ", false, false, false,
     "", "", DemoNameRule::Any,
     0, 0, ""},
};

// One line per executable. The first releases' names come first; the
// bare "winquake" stays for launch files that already store it.
constexpr KnownExecutable kExecutables[] = {
    {"winquake", kQuake},
    {"winquake.exe", kQuake},
    {"glquake.exe", kQuake},
    {"quake2.exe", kQuake2},
    {"hl.exe", kHl},
    {"quake3.exe", kQuake3},
    {"sin.exe", kSin},
    {"heretic2.exe", kHeretic2},
    // Today's source ports.
    {"quakespasm.exe", kQuake},
    {"vkquake.exe", kQuake},
    {"ironwail.exe", kQuake},
    {"darkplaces.exe", kQuake},
    {"darkplaces-sdl.exe", kQuake},
    {"yquake2.exe", kQuake2},
    {"kmquake2.exe", kQuake2},
    {"ioquake3.exe", kIoQuake3},
    {"ioquake3.x86.exe", kIoQuake3},
    {"ioquake3.x86_64.exe", kIoQuake3},
    {"quake3e.exe", kQuake3},
    {"quake3e.x64.exe", kQuake3},
};

}  // namespace

const GameFamily& FamilyOfExe(const std::string& exeName) {
  const std::string lowerName = LowerCase(exeName);
  for (const KnownExecutable& known : kExecutables) {
    if (lowerName == known.name) return kFamilies[known.family];
  }
  return kFamilies[kOther];
}

bool HasGameScript(const GameFamily& family) { return family.baseFolder[0] != '\0'; }

std::string BaseDirectory(const std::string& exeDirectory, const GameFamily& family) {
  if (!HasGameScript(family)) return std::string();
  return exeDirectory + "/" + family.baseFolder + "/";
}

std::string GameScriptPath(const std::string& exeDirectory, const GameFamily& family) {
  if (!HasGameScript(family)) return std::string();
  return BaseDirectory(exeDirectory, family) + kGameScriptName;
}

TableRows<GameFamily> GameFamilies() { return {std::begin(kFamilies), std::end(kFamilies)}; }

TableRows<KnownExecutable> KnownExecutables() { return {std::begin(kExecutables), std::end(kExecutables)}; }

}  // namespace kavrin
