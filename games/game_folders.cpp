#include "games/game_folders.h"

#include <algorithm>

#include "files/exe_path.h"

namespace kavrin {

ChosenGame ChooseGame(const std::string& exePath, const std::string& modDir, const std::string& appData) {
  const std::string exeName = ExeName(exePath);
  const std::string savedMod = TrimBlanks(modDir);
  std::string mod = savedMod.substr(0, savedMod.find_first_of(" \t"));
  ChosenGame game{&EngineOfExe(exeName), exeName, ExeDirectory(exePath), std::move(mod), savedMod, appData};
  if (LowerCase(game.mod) == game.Family().baseFolder) game.mod.clear();
  return game;
}

std::vector<std::string> DemoSearchFolders(const ChosenGame& game) {
  const GameFamily& family = game.Family();
  std::vector<std::string> folders;
  if (!HasGameScript(family)) return folders;
  const std::string userRoot = JoinPath(game.appData, game.engine->userFolder);
  for (const char* folder : {game.mod.c_str(), family.baseFolder}) {
    if (*folder == '\0') continue;
    const std::string below = JoinPath(folder, family.demoFolder);
    if (*game.engine->userFolder && !game.appData.empty()) folders.push_back(JoinPath(userRoot, below));
    folders.push_back(game.Folder(below));
  }
  return folders;
}

std::string FolderLabel(const ChosenGame& game, const std::string& folder) {
  const std::string& appData = game.appData;
  if (!appData.empty() && folder.compare(0, appData.size(), appData) == 0) {
    return "%APPDATA%" + folder.substr(appData.size());
  }
  return folder.substr(game.exeDirectory.size());
}

std::string DemoHome(const ChosenGame& game) {
  const GameFamily& family = game.Family();
  return game.Folder(JoinPath(game.mod.empty() ? family.baseFolder : game.mod, family.demoFolder));
}

namespace {

// Whether the folder holds a file of one of the patterns, "*.qwd;*.mvd".
bool HoldsAny(const std::string& folder, const std::string& patterns, const PathQuestions& disk) {
  for (size_t start = 0; start < patterns.size();) {
    const size_t end = std::min(patterns.find(';', start), patterns.size());
    if (disk.HoldsMatch(folder, patterns.substr(start, end - start))) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

std::string DemoBrowseFolder(const ChosenGame& game, const PathQuestions& disk) {
  std::string existing;
  for (const std::string& folder : DemoSearchFolders(game)) {
    if (HoldsAny(folder, DemoFilePattern(*game.engine), disk)) return folder;
    if (existing.empty() && disk.Exists(folder)) existing = folder;
  }
  return existing;
}

std::string ExeBrowseFolder(const std::string& exePath, const PathQuestions& disk) {
  const std::string folder = ExeDirectory(exePath);
  return !folder.empty() && disk.Exists(folder) ? folder : std::string();
}

}  // namespace kavrin
