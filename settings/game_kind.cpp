#include "settings/game_kind.h"

namespace kavrin {
namespace {

struct KnownExecutable {
  const char* name;
  GameKind kind;
};

// In the order they are compared. The game's file is winquake.exe; the bare
// "winquake" stays for launch files that already store it.
constexpr KnownExecutable kKnownExecutables[] = {
    {"winquake", Quake}, {"winquake.exe", Quake}, {"glquake.exe", Quake},   {"quake2.exe", Quake2},
    {"hl.exe", Hl},      {"quake3.exe", Quake3},  {"sin.exe", SinHeretic2}, {"heretic2.exe", SinHeretic2},
};

}  // namespace

GameKind ClassifyExeName(const std::string& lowerName) {
  for (const KnownExecutable& known : kKnownExecutables) {
    if (lowerName == known.name) return known.kind;
  }
  return Other;
}

const char* BaseDirectorySuffix(GameKind kind) {
  switch (kind) {
    case Quake: return "/id1/";
    case Quake2: return "/baseq2/";
    case Hl: return "/valve/";
    case Quake3: return "/baseq3/";
    case SinHeretic2: return "/base/";
    case Other: break;
  }
  return "";
}

bool HasGameScript(GameKind kind) { return kind != Other; }

}  // namespace kavrin
