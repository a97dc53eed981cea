#include "settings/startup_script.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "settings/exe_path.h"
#include "settings/pak_file.h"

namespace kavrin {
namespace {

// Longer than any quake.rc; the rest of a bigger one is not read.
constexpr uint32_t kLongestScript = 64 * 1024;
// The engines stop at the first pak number missing.
constexpr int kMostPaks = 100;

class PakOnDisk : public FileParts {
 public:
  PakOnDisk(const PathQuestions& disk, const std::string& path) : disk_(disk), path_(path) {}
  std::optional<std::string> Read(uint32_t offset, uint32_t length) const override {
    return disk_.ReadPart(path_, offset, length);
  }

 private:
  const PathQuestions& disk_;
  const std::string& path_;
};

std::optional<std::string> LooseScript(const std::string& path, const PathQuestions& disk) {
  if (!disk.Exists(path)) return std::nullopt;
  // One that cannot be read still comes first for the engine.
  return disk.ReadPart(path, 0, kLongestScript).value_or(std::string());
}

// The first copy in one game folder, in the engine's order.
std::optional<StartupScript> FindInFolder(const std::string& folder, StartupScript::Source source,
                                          bool looseFirst, const char* name, const PathQuestions& disk) {
  std::vector<std::string> places;
  for (int number = 0; number < kMostPaks; ++number) {
    const std::string pak = JoinPath(folder, "pak" + std::to_string(number) + ".pak");
    if (!disk.Exists(pak)) break;
    places.insert(places.begin(), pak);
  }
  const std::string loose = JoinPath(folder, name);
  places.insert(looseFirst ? places.begin() : places.end(), loose);
  for (const std::string& place : places) {
    const std::optional<std::string> text =
        place == loose ? LooseScript(loose, disk) : ReadFromPak(PakOnDisk(disk, place), name, kLongestScript);
    if (text) return StartupScript{source, place, StartsDemos(*text)};
  }
  return std::nullopt;
}

}  // namespace

StartupScript FindStartupScript(const ChosenGame& game, const PathQuestions& disk) {
  const GameFamily& family = game.Family();
  const bool looseFirst = game.engine->looseFilesFirst;
  if (!game.mod.empty()) {
    if (auto found = FindInFolder(game.Folder(game.mod), StartupScript::Source::Mod, looseFirst,
                                  family.startupScript, disk)) {
      return *found;
    }
  }
  if (auto found = FindInFolder(game.Folder(family.baseFolder), StartupScript::Source::Base, looseFirst,
                                family.startupScript, disk)) {
    return *found;
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
        (after >= script.size() || std::isspace(static_cast<unsigned char>(script[after])))) {
      return true;
    }
    line = end + 1;
  }
  return false;
}

}  // namespace kavrin
