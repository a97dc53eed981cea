#include "settings/play_check.h"

#include "settings/exe_path.h"

namespace kavrin {
namespace {

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
    case DemoNameRule::Dm2OrGz: return EndsWith(name, ".dm2") || EndsWith(name, ".dm2.gz");
    case DemoNameRule::DmNumber: return HasDemoNumber(name);
    case DemoNameRule::Any: break;
  }
  return true;
}

PlayFinding RuleFinding(DemoNameRule rule) {
  switch (rule) {
    case DemoNameRule::Dm2: return PlayFinding::NamesTakenForMaps;
    case DemoNameRule::Dm2OrGz: return PlayFinding::NamesEndingTheRing;
    default: return PlayFinding::NamesWithoutProtocol;
  }
}

// The first of `characters` in the name; 0 for none.
char FirstOf(const std::string& name, const std::string& characters) {
  const size_t at = name.find_first_of(characters);
  return at == std::string::npos ? '\0' : name[at];
}

// How many names have one fault, and the first of them.
struct Tally {
  size_t count = 0;
  std::string first;
  char character = 0;

  void Add(bool fault, const std::string& name, char at = 0) {
    if (!fault || count++ != 0) return;
    first = name;
    character = at;
  }
  void Report(std::vector<Finding>& findings, PlayFinding what, const std::string& path = std::string(),
              size_t limit = 0) const {
    if (count > 0) findings.push_back({what, first, path, count, limit, character});
  }
};

bool ModFolderExists(const ChosenGame& game, const PathQuestions& disk) {
  if (disk.Exists(game.Folder(game.mod))) return true;
  const char* userFolder = game.engine->userFolder;
  return *userFolder && !game.appData.empty() && disk.Exists(JoinPath(JoinPath(game.appData, userFolder), game.mod));
}

void CheckFolders(std::vector<Finding>& findings, const ChosenGame& game, const PathQuestions& disk) {
  const GameFamily& family = game.Family();
  const std::string base = game.Folder(family.baseFolder);
  findings.push_back({PlayFinding::ScriptFolder, game.engine->title, base});
  // Asked as the save asks it: a file of that name, or a folder this
  // account may not enter, fails the save as a missing one does.
  if (!disk.CanEnter(BaseDirectory(game.exeDirectory, family))) {
    findings.push_back({PlayFinding::BaseFolderMissing, std::string(), base});
  }
  if (!game.mod.empty() && !ModFolderExists(game, disk)) {
    findings.push_back({PlayFinding::ModFolderMissing, std::string(), game.Folder(game.mod)});
  }
}

DemoCheck CheckDemo(const std::string& path, size_t index, const GameEngine& engine,
                    const std::vector<std::string>& folders, const PathQuestions& disk) {
  DemoCheck demo{ExeName(path)};
  for (const std::string& folder : folders) demo.found = demo.found || disk.Exists(JoinPath(folder, demo.name));
  demo.pastLimit = engine.maxDemos != 0 && index >= engine.maxDemos;
  demo.wrongName = !FollowsRule(demo.name, engine.nameRule);
  demo.tooLong = engine.maxNameLength != 0 && demo.name.size() > engine.maxNameLength;
  demo.splitAt = FirstOf(demo.name, std::string(" ;\"") + engine.splitChars);
  demo.cutAt = FirstOf(demo.name, engine.cutChars);
  return demo;
}

void CheckDemos(PlayCheck& check, const ChosenGame& game, const std::vector<std::string>& paths,
                const PathQuestions& disk) {
  const GameEngine& engine = *game.engine;
  if (paths.empty()) {
    check.findings.push_back({PlayFinding::NoDemos});
    return;
  }
  // A missing search folder costs one question instead of one per demo.
  std::vector<std::string> existing;
  std::string labels;
  for (const SearchFolder& folder : DemoSearchFolders(game)) {
    if (disk.Exists(folder.path)) existing.push_back(folder.path);
    labels += (labels.empty() ? "" : " or ") + folder.label;
  }
  Tally notFound, split, cut, tooLong, badName;
  for (size_t i = 0; i < paths.size(); ++i) {
    const DemoCheck demo = CheckDemo(paths[i], i, engine, existing, disk);
    notFound.Add(!demo.found, demo.name);
    split.Add(demo.splitAt != '\0', demo.name, demo.splitAt);
    cut.Add(demo.cutAt != '\0', demo.name, demo.cutAt);
    tooLong.Add(demo.tooLong, demo.name);
    badName.Add(demo.wrongName, demo.name);
    check.demos.push_back(demo);
  }
  std::vector<Finding>& findings = check.findings;
  notFound.Report(findings, PlayFinding::DemosNotFound, labels);
  split.Report(findings, PlayFinding::NamesSplit);
  cut.Report(findings, PlayFinding::NamesCut);
  if (engine.maxDemos != 0 && paths.size() > engine.maxDemos) {
    findings.push_back({PlayFinding::TooManyDemos, check.demos[engine.maxDemos].name, std::string(),
                        paths.size() - engine.maxDemos, engine.maxDemos});
  }
  tooLong.Report(findings, PlayFinding::NamesTooLong, std::string(), engine.maxNameLength);
  badName.Report(findings, RuleFinding(engine.nameRule));
}

// The engine runs the first start-up script it finds; the game's own
// replaces the demo list, as does any that says "startdemos".
void CheckStartupScript(PlayCheck& check, const ChosenGame& game, const PathQuestions& disk) {
  const char* script = game.Family().startupScript;
  if (!*script || check.demos.empty()) return;
  check.startup = FindStartupScript(game, disk);
  if (check.startup.source == StartupScript::Source::Mod) {
    if (check.startup.startsDemos) {
      check.findings.push_back({PlayFinding::ModScriptStartsDemos, script, check.startup.path});
    }
  } else if (game.mod.empty()) {
    check.findings.push_back({PlayFinding::NoModWithStartupScript, script});
  } else {
    check.findings.push_back({PlayFinding::ModLacksStartupScript, script, game.Folder(game.mod)});
  }
}

}  // namespace

PlayCheck CheckPlay(const PlayCheckInput& input, const PathQuestions& disk) {
  const std::string exeName = ExeName(input.exePath);
  if (exeName.empty()) return {{{PlayFinding::NoGame}}};
  const ChosenGame game = ChooseGame(input.exePath, input.modDir, input.appData);
  if (!HasGameScript(game.Family())) return {{{PlayFinding::UnknownGame, exeName}}};

  PlayCheck check;
  CheckFolders(check.findings, game, disk);
  CheckDemos(check, game, input.demos, disk);
  CheckStartupScript(check, game, disk);
  // Only the script's folder said: nothing stands in the way.
  if (check.findings.size() == 1) {
    check.findings.push_back({PlayFinding::AllWell, game.engine->title, std::string(), input.demos.size()});
  }
  return check;
}

}  // namespace kavrin
