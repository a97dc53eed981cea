#include "games/startup_script.h"

#include "files/exe_path.h"
#include "games/pak_file.h"

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

// Whether the command's first word is "startdemos", in any case.
bool IsStartDemos(const std::string& command) {
  const std::string name = "startdemos";
  const size_t word = command.find_first_not_of(" \t\r");
  const size_t after = word + name.size();
  return word != std::string::npos && LowerCase(command.substr(word, name.size())) == name &&
         (after >= command.size() || static_cast<unsigned char>(command[after]) <= ' ');
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
  // The engine's command buffer ends a command at a line end, or at a ";"
  // outside quotes; a quote does not reach past the line end.
  bool quoted = false;
  size_t start = 0;
  for (size_t i = 0; i <= script.size(); ++i) {
    const char c = i < script.size() ? script[i] : '\n';
    if (c == '"') quoted = !quoted;
    if (c != '\n' && (c != ';' || quoted)) continue;
    if (IsStartDemos(script.substr(start, i - start))) return true;
    start = i + 1;
    quoted = false;
  }
  return false;
}

}  // namespace kavrin
