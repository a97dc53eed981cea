#include "settings/play_check.h"

#include "settings/exe_path.h"
#include "settings/game_table.h"

namespace kavrin {
namespace {

using Names = std::vector<std::string>;

std::string Below(const std::string& folder, const char* sub) { return *sub ? folder + "\\" + sub : folder; }

// The folders below a game folder that hold its demos: the base folder's,
// then the mod's.
Names DemoFolders(const GameFamily& family, const std::string& modDir) {
  Names folders = {Below(family.baseFolder, family.demoFolder)};
  if (!modDir.empty() && LowerCase(modDir) != family.baseFolder) folders.push_back(Below(modDir, family.demoFolder));
  return folders;
}

// Where the game folders lie, each ending with a separator: beside the
// executable, and in the player's own folder for the engines that keep one.
Names GameRoots(const GameFamily& family, const std::string& exeDirectory, const std::string& appData) {
  Names roots = {exeDirectory};
  if (*family.userFolder && !appData.empty()) roots.push_back(appData + "\\" + family.userFolder + "\\");
  return roots;
}

// The folders as the note names them: below the game, or "%APPDATA%\...".
std::string Labels(const GameFamily& family, const Names& roots, const Names& folders) {
  std::string text;
  for (size_t root = 0; root < roots.size(); ++root) {
    const std::string prefix = root == 0 ? std::string() : "%APPDATA%\\" + std::string(family.userFolder) + "\\";
    for (const std::string& folder : folders) text += (text.empty() ? "" : " or ") + prefix + folder;
  }
  return text;
}

// Whether `path` exists below any of the folders, each ending with a separator.
bool ExistsBelowAny(const Names& folders, const std::string& path, const PathQuestions& disk) {
  for (const std::string& folder : folders) {
    if (disk.Exists(folder + path)) return true;
  }
  return false;
}

// The search folders that exist, in search order: a missing one costs one
// question instead of one per demo.
Names ExistingFolders(const Names& roots, const Names& folders, const PathQuestions& disk) {
  Names existing;
  for (const std::string& folder : folders) {
    for (const std::string& root : roots) {
      if (disk.Exists(root + folder)) existing.push_back(root + folder + "\\");
    }
  }
  return existing;
}

// The script names a demo without quotes: the console splits it there.
bool IsUnsafe(const std::string& name) { return name.find_first_of(" ;\"") != std::string::npos; }

bool EndsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() && LowerCase(text.substr(text.size() - ending.size())) == ending;
}

// ".dm_" and the protocol's number, in any case, as in "q3dm17.DM_68".
bool HasDemoNumber(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  const std::string extension = LowerCase(name.substr(dot + 1));
  return extension.size() > 3 && extension.compare(0, 3, "dm_") == 0 &&
         extension.find_first_not_of("0123456789", 3) == std::string::npos;
}

bool FollowsRule(const std::string& name, DemoNameRule rule) {
  switch (rule) {
    case DemoNameRule::Dm2: return EndsWith(name, ".dm2");
    case DemoNameRule::DmNumber: return HasDemoNumber(name);
    case DemoNameRule::Any: break;
  }
  return true;
}

// How many names have one fault, and the first of them.
struct Tally {
  size_t count = 0;
  std::string first;

  void Add(bool fault, const std::string& name) {
    if (fault && count++ == 0) first = name;
  }
  void Report(std::vector<Finding>& findings, PlayFinding what, const std::string& path = std::string(),
              size_t limit = 0) const {
    if (count > 0) findings.push_back({what, first, path, count, limit});
  }
};

void CheckFolders(std::vector<Finding>& findings, const GameFamily& family, const PlayCheckInput& input,
                  const std::string& exeDirectory, const PathQuestions& disk) {
  const std::string base = exeDirectory + family.baseFolder;
  findings.push_back({PlayFinding::ScriptFolder, family.title, base});
  if (!disk.Exists(base)) findings.push_back({PlayFinding::BaseFolderMissing, std::string(), base});
  if (!input.modDir.empty() && !ExistsBelowAny(GameRoots(family, exeDirectory, input.appData), input.modDir, disk)) {
    findings.push_back({PlayFinding::ModFolderMissing, std::string(), exeDirectory + input.modDir});
  }
}

void CheckDemos(std::vector<Finding>& findings, const GameFamily& family, const PlayCheckInput& input,
                const std::string& exeDirectory, const PathQuestions& disk) {
  Names names;
  for (const std::string& path : input.demos) names.push_back(ExeName(path));
  if (names.empty()) {
    findings.push_back({PlayFinding::NoDemos});
    return;
  }
  const Names roots = GameRoots(family, exeDirectory, input.appData);
  const Names folders = DemoFolders(family, input.modDir);
  const Names existing = ExistingFolders(roots, folders, disk);
  Tally notFound, unsafe, tooLong, badName;
  for (const std::string& name : names) {
    notFound.Add(!ExistsBelowAny(existing, name, disk), name);
    unsafe.Add(IsUnsafe(name), name);
    tooLong.Add(family.maxNameLength != 0 && name.size() > family.maxNameLength, name);
    badName.Add(!FollowsRule(name, family.nameRule), name);
  }
  notFound.Report(findings, PlayFinding::DemosNotFound, Labels(family, roots, folders));
  unsafe.Report(findings, PlayFinding::UnsafeNames);
  if (family.maxDemos != 0 && names.size() > family.maxDemos) {
    findings.push_back({PlayFinding::TooManyDemos, names[family.maxDemos], std::string(),
                        names.size() - family.maxDemos, family.maxDemos});
  }
  tooLong.Report(findings, PlayFinding::NamesTooLong, std::string(), family.maxNameLength);
  badName.Report(findings, family.nameRule == DemoNameRule::Dm2 ? PlayFinding::NamesTakenForMaps
                                                                : PlayFinding::NamesWithoutProtocol);
}

// The engine's own start-up script replaces the demo list unless the mod
// folder holds one of its own.
void CheckStartupScript(std::vector<Finding>& findings, const GameFamily& family, const PlayCheckInput& input,
                        const std::string& exeDirectory, const PathQuestions& disk) {
  if (!*family.startupScript || input.demos.empty()) return;
  if (input.modDir.empty()) {
    findings.push_back({PlayFinding::NoModWithStartupScript, family.startupScript});
  } else if (!disk.Exists(exeDirectory + input.modDir + "\\" + family.startupScript)) {
    findings.push_back({PlayFinding::ModLacksStartupScript, family.startupScript, exeDirectory + input.modDir});
  }
}

}  // namespace

std::vector<Finding> CheckPlay(const PlayCheckInput& input, const PathQuestions& disk) {
  const std::string exeName = ExeName(input.exePath);
  if (exeName.empty()) return {{PlayFinding::NoGame}};
  const GameFamily& family = FamilyOfExe(exeName);
  if (!HasGameScript(family)) return {{PlayFinding::UnknownGame, exeName}};

  const std::string exeDirectory = ExeDirectory(input.exePath);
  std::vector<Finding> findings;
  CheckFolders(findings, family, input, exeDirectory, disk);
  CheckDemos(findings, family, input, exeDirectory, disk);
  CheckStartupScript(findings, family, input, exeDirectory, disk);
  // Only the script's folder said: nothing stands in the way.
  if (findings.size() == 1) findings.push_back({PlayFinding::AllWell, family.title, std::string(), input.demos.size()});
  return findings;
}

std::string DemoBrowseFolder(const std::string& exePath, const std::string& modDir, const PathQuestions& disk) {
  const GameFamily& family = FamilyOfExe(ExeName(exePath));
  if (!HasGameScript(family)) return std::string();
  const Names folders = DemoFolders(family, modDir);
  // The mod's folder comes last in the search list and first here.
  for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
    if (disk.Exists(ExeDirectory(exePath) + *folder)) return ExeDirectory(exePath) + *folder;
  }
  return std::string();
}

std::string ExeBrowseFolder(const std::string& exePath, const PathQuestions& disk) {
  const std::string folder = ExeDirectory(exePath);
  return !folder.empty() && disk.Exists(folder) ? folder : std::string();
}

}  // namespace kavrin
