#include "settings/startup_script.h"

#include <algorithm>

#include "settings/exe_path.h"
#include "settings/pak_file.h"

namespace kavrin {
namespace {

// Longer than any quake.rc; the rest of a bigger one is not read.
constexpr uint32_t kLongestScript = 64 * 1024;
// The engines stop at the first pak number missing.
constexpr int kMostPaks = 100;

std::string PakPath(const std::string& folder, int number) {
  return JoinPath(folder, "pak").append(std::to_string(number)).append(".pak");
}

// The script's text in a pak, or loose; nullopt when that place lacks it.
std::optional<std::string> ReadScript(const std::string& path, bool loose, const char* name,
                                      const PathQuestions& disk) {
  if (!loose) return ReadFromPak(disk, path, name, kLongestScript);
  if (!disk.Exists(path)) return std::nullopt;
  // One that cannot be read still comes first for the engine.
  return disk.ReadPart(path, 0, kLongestScript).value_or("");
}

// The first copy in one game folder, in the engine's order; false when
// the folder holds none.
bool FindInFolder(const std::string& folder, bool looseFirst, const char* name, const PathQuestions& disk,
                  StartupScript& found) {
  int paks = 0;
  while (paks < kMostPaks && disk.Exists(PakPath(folder, paks))) ++paks;
  // The loose file comes first or last; the paks highest number first.
  for (int place = 0; place <= paks; ++place) {
    const bool loose = place == (looseFirst ? 0 : paks);
    found.path = loose ? JoinPath(folder, name) : PakPath(folder, paks - place - (looseFirst ? 0 : 1));
    if (const std::optional<std::string> text = ReadScript(found.path, loose, name, disk)) {
      found.startsDemos = StartsDemos(*text);
      return true;
    }
  }
  return false;
}

}  // namespace

StartupScript FindStartupScript(const ChosenGame& game, const PathQuestions& disk) {
  const GameFamily& family = game.Family();
  const bool looseFirst = game.engine->looseFilesFirst;
  StartupScript found;
  if (!game.mod.empty() && FindInFolder(game.Folder(game.mod), looseFirst, family.startupScript, disk, found)) {
    found.source = StartupScript::Source::Mod;
    return found;
  }
  if (FindInFolder(game.Folder(family.baseFolder), looseFirst, family.startupScript, disk, found)) {
    found.source = StartupScript::Source::Base;
    return found;
  }
  return {};
}

bool StartsDemos(const std::string& script) {
  const std::string command = "startdemos";
  for (size_t line = 0; line < script.size();) {
    const size_t end = std::min(script.find('\n', line), script.size());
    const size_t word = script.find_first_not_of(" \t\r", line);
    const size_t after = word + command.size();
    if (word < end && LowerCase(script.substr(word, command.size())) == command &&
        (after >= script.size() || static_cast<unsigned char>(script[after]) <= ' ')) {
      return true;
    }
    line = end + 1;
  }
  return false;
}

}  // namespace kavrin
