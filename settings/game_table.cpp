#include "settings/game_table.h"

#include <iterator>

#include "settings/exe_path.h"
#include "settings/game_script.h"

namespace kavrin {
namespace {

// kind, title, base folder,
// mod switch, before "+exec", without a mod too, line end,
// demo folder, user folder, demo names,
// most demos, longest name, start-up script
constexpr GameFamily kQuakeFamily{
    Quake,  "Quake", "id1",  //
    "-game ", true, false, true,
    "", "", DemoNameRule::Any,
    8, 15, "quake.rc"};
constexpr GameFamily kQuake2Family{
    Quake2, "Quake II", "baseq2",  //
    "+set game ", false, false, false,
    "demos", "", DemoNameRule::Dm2,
    0, 0, ""};
constexpr GameFamily kHlFamily{
    Hl, "Half-Life", "valve",  //
    "-toconsole +set game ", true, true, false,
    "", "", DemoNameRule::Any,
    0, 0, ""};
constexpr GameFamily kQuake3Family{
    Quake3, "Quake III", "baseq3",  //
    "+set fs_game ", false, false, false,
    "demos", "", DemoNameRule::DmNumber,
    0, 0, ""};
// ioquake3 also reads the player's own folder below %APPDATA%.
constexpr GameFamily kIoQuake3Family{
    Quake3, "Quake III", "baseq3",  //
    "+set fs_game ", false, false, false,
    "demos", "Quake3", DemoNameRule::DmNumber,
    0, 0, ""};
constexpr GameFamily kSinFamily{
    SinHeretic2, "SiN", "base",  //
    "+set game ", false, false, false,
    "demos", "", DemoNameRule::Dm2,
    0, 0, ""};
// Its engine's source is not published; a reconstruction of it records
// ".hd2" demos, so Kavrin does not judge the names.
constexpr GameFamily kHeretic2Family{
    SinHeretic2, "Heretic II", "base",  //
    "+set game ", false, false, false,
    "demos", "", DemoNameRule::Any,
    0, 0, ""};
constexpr GameFamily kOtherFamily{
    Other, "", "",  //
    "+set game ", false, false, false,
    "", "", DemoNameRule::Any,
    0, 0, ""};

constexpr const GameFamily* kFamilies[] = {
    &kQuakeFamily, &kQuake2Family, &kHlFamily,       &kQuake3Family,
    &kIoQuake3Family, &kSinFamily, &kHeretic2Family, &kOtherFamily,
};

// One line per executable. The first releases' names come first; the
// bare "winquake" stays for launch files that already store it.
constexpr KnownExecutable kExecutables[] = {
    {"winquake", &kQuakeFamily},
    {"winquake.exe", &kQuakeFamily},
    {"glquake.exe", &kQuakeFamily},
    {"quake2.exe", &kQuake2Family},
    {"hl.exe", &kHlFamily},
    {"quake3.exe", &kQuake3Family},
    {"sin.exe", &kSinFamily},
    {"heretic2.exe", &kHeretic2Family},
    // Today's source ports.
    {"quakespasm.exe", &kQuakeFamily},
    {"vkquake.exe", &kQuakeFamily},
    {"ironwail.exe", &kQuakeFamily},
    {"darkplaces.exe", &kQuakeFamily},
    {"darkplaces-sdl.exe", &kQuakeFamily},
    {"yquake2.exe", &kQuake2Family},
    {"kmquake2.exe", &kQuake2Family},
    {"ioquake3.exe", &kIoQuake3Family},
    {"ioquake3.x86.exe", &kIoQuake3Family},
    {"ioquake3.x86_64.exe", &kIoQuake3Family},
    {"quake3e.exe", &kQuake3Family},
    {"quake3e.x64.exe", &kQuake3Family},
};

}  // namespace

const GameFamily& FamilyOfExe(const std::string& exeName) {
  const std::string lowerName = LowerCase(exeName);
  for (const KnownExecutable& known : kExecutables) {
    if (lowerName == known.name) return *known.family;
  }
  return kOtherFamily;
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

TableRows<const GameFamily*> GameFamilies() { return {std::begin(kFamilies), std::end(kFamilies)}; }

TableRows<KnownExecutable> KnownExecutables() { return {std::begin(kExecutables), std::end(kExecutables)}; }

}  // namespace kavrin
