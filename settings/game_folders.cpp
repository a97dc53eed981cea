#include "settings/game_folders.h"

#include "settings/exe_path.h"

namespace kavrin {

ChosenGame ChooseGame(const std::string& exePath, const std::string& modDir, const std::string& appData) {
  ChosenGame game{&EngineOfExe(ExeName(exePath)), ExeDirectory(exePath), TrimBlanks(modDir), appData};
  if (LowerCase(game.mod) == LowerCase(game.Family().baseFolder)) game.mod.clear();
  return game;
}

std::vector<SearchFolder> DemoSearchFolders(const ChosenGame& game) {
  const GameFamily& family = game.Family();
  std::vector<SearchFolder> folders;
  if (!HasGameScript(family)) return folders;
  for (const std::string& folder : {game.mod, std::string(family.baseFolder)}) {
    if (folder.empty()) continue;
    const std::string label = JoinPath(folder, family.demoFolder);
    if (*game.engine->userFolder && !game.appData.empty()) {
      const std::string user = JoinPath("%APPDATA%", game.engine->userFolder);
      folders.push_back({JoinPath(JoinPath(game.appData, game.engine->userFolder), label), JoinPath(user, label)});
    }
    folders.push_back({game.Folder(label), label});
  }
  return folders;
}

std::string DemoHome(const ChosenGame& game) {
  const GameFamily& family = game.Family();
  return game.Folder(JoinPath(game.mod.empty() ? family.baseFolder : game.mod, family.demoFolder));
}

std::string DemoBrowseFolder(const ChosenGame& game, const PathQuestions& disk) {
  std::string existing;
  for (const SearchFolder& folder : DemoSearchFolders(game)) {
    if (disk.HoldsMatch(folder.path, game.engine->demoFiles)) return folder.path;
    if (existing.empty() && disk.Exists(folder.path)) existing = folder.path;
  }
  return existing;
}

std::string ExeBrowseFolder(const std::string& exePath, const PathQuestions& disk) {
  const std::string folder = ExeDirectory(exePath);
  return !folder.empty() && disk.Exists(folder) ? folder : std::string();
}

}  // namespace kavrin
