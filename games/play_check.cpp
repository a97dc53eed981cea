#include "games/play_check.h"

#include <algorithm>

#include "files/exe_path.h"
#include "games/argument_line.h"
#include "games/demo_chain.h"

namespace kavrin {
namespace {

// A new finding at the end of the list, to be filled in: one call in
// place of building and moving a whole one.
Finding& Add(std::vector<Finding>& findings, PlayFinding what, const std::string& subject = std::string()) {
  Finding& finding = findings.emplace_back();
  finding.what = what;
  finding.subject = subject;
  return finding;
}

bool EndsWith(const std::string& text, const char* ending) {
  const size_t size = std::char_traits<char>::length(ending);
  return text.size() >= size && LowerCase(text.substr(text.size() - size)) == ending;
}

// The first of `characters` in the name; 0 for none.
char FirstOf(const std::string& name, const std::string& characters) {
  const size_t at = name.find_first_of(characters);
  return at == std::string::npos ? '\0' : name[at];
}

bool ModFolderExists(const ChosenGame& game, const PathQuestions& disk) {
  const char* userFolder = game.engine->userFolder;
  return disk.Exists(game.Folder(game.mod)) ||
         (*userFolder && !game.appData.empty() && disk.Exists(JoinPath(JoinPath(game.appData, userFolder), game.mod)));
}

void CheckFolders(std::vector<Finding>& findings, const ChosenGame& game, const PathQuestions& disk) {
  const GameFamily& family = game.Family();
  const std::string base = game.Folder(family.baseFolder);
  Add(findings, PlayFinding::ScriptFolder, game.engine->title).path = base;
  // Asked as the save asks it: a file of that name, or a folder this
  // account may not enter, fails the save as a missing one does.
  if (!disk.CanEnter(BaseDirectory(game.exeDirectory, family))) {
    Add(findings, PlayFinding::BaseFolderMissing).path = base;
  }
  // The engines split their argument line at blanks, so the mod is its
  // first word.
  const size_t blank = game.savedMod.find_first_of(" \t");
  if (blank != std::string::npos) {
    Add(findings, PlayFinding::ModNameSplit, game.savedMod).path = game.savedMod.substr(0, blank);
  }
  if (!game.mod.empty() && !ModFolderExists(game, disk)) {
    Add(findings, PlayFinding::ModFolderMissing).path = game.Folder(game.mod);
  }
}

// Longer than the engine keeps: a path, or a name unless the cut falls
// just before the extension the engine adds back.
bool TooLong(const std::string& named, const GameEngine& engine) {
  if (engine.family.demosByPath) return engine.maxPathLength != 0 && named.size() > engine.maxPathLength;
  const size_t kept = engine.maxNameLength;
  const std::string added = engine.addedExtension;
  const bool extended = !added.empty() && named.find('.') == kept && named.size() == kept + added.size();
  return kept != 0 && named.size() > kept && !(extended && EndsWith(named, added.c_str()));
}

// The file the engine plays: the demo's own path where the script names
// it so, else the first file of its name where the engine looks.
std::string PlayedFile(const std::string& path, const GameEngine& engine, const std::vector<std::string>& folders,
                       const PathQuestions& disk) {
  if (engine.family.demosByPath) return disk.Exists(path) ? path : std::string();
  for (const std::string& folder : folders) {
    const std::string found = JoinPath(folder, ExeName(path));
    if (disk.Exists(found)) return found;
  }
  return std::string();
}

DemoCheck CheckDemo(const std::string& path, size_t index, const GameEngine& engine,
                    const std::vector<std::string>& folders, const PathQuestions& disk) {
  // What the script names: the whole path, or the name alone.
  const std::string named = engine.family.demosByPath ? ChainPath(engine, path) : ExeName(path);
  const std::string played = PlayedFile(path, engine, folders, disk);
  return {!played.empty(),
          !played.empty() && disk.FileSize(played) == uint64_t{0},
          engine.maxDemos != 0 && index >= engine.maxDemos,
          engine.nameRule != nullptr && !FollowsRule(named, *engine.nameRule),
          TooLong(named, engine),
          *engine.decoderEnding != '\0' && EndsWith(named, engine.decoderEnding),
          FirstOf(named, engine.splitChars),
          FirstOf(named, engine.cutChars)};
}

// How many names have one fault, and the first of them.
struct Tally {
  size_t count = 0;
  size_t first = 0;
  char character = 0;

  void Add(bool fault, size_t index, char at = 0) {
    if (!fault || count++ != 0) return;
    first = index;
    character = at;
  }
};

// The finding for the names with one fault; null when none has it.
Finding* Report(std::vector<Finding>& findings, const Tally& tally, PlayFinding what,
                const std::vector<std::string>& paths, const std::string& path = std::string(), size_t limit = 0) {
  if (tally.count == 0) return nullptr;
  Finding& finding = Add(findings, what, ExeName(paths[tally.first]));
  finding.path = path;
  finding.count = tally.count;
  finding.limit = limit;
  finding.character = tally.character;
  return &finding;
}

void CheckDemos(PlayCheck& check, const ChosenGame& game, const std::vector<std::string>& paths,
                const PathQuestions& disk) {
  const GameEngine& engine = *game.engine;
  std::vector<Finding>& findings = check.findings;
  if (paths.empty()) {
    Add(findings, PlayFinding::NoDemos);
    return;
  }
  // A missing search folder costs one question instead of one per demo.
  std::vector<std::string> existing;
  std::string labels;
  const bool byPath = engine.family.demosByPath;
  for (const std::string& folder : byPath ? std::vector<std::string>() : DemoSearchFolders(game)) {
    if (disk.Exists(folder)) existing.push_back(folder);
    labels.append(labels.empty() ? "" : " or ").append(FolderLabel(game, folder));
  }
  Tally notFound, empty, split, cut, pastLimit, tooLong, decoder, badName;
  check.demos = std::vector<DemoCheck>(paths.size());
  for (size_t i = 0; i < paths.size(); ++i) {
    const DemoCheck demo = check.demos[i] = CheckDemo(paths[i], i, engine, existing, disk);
    notFound.Add(!demo.found, i);
    empty.Add(demo.empty, i);
    split.Add(demo.splitAt != 0, i, demo.splitAt);
    cut.Add(demo.cutAt != 0, i, demo.cutAt);
    pastLimit.Add(demo.pastLimit, i);
    tooLong.Add(demo.tooLong, i);
    decoder.Add(demo.needsDecoder, i);
    badName.Add(demo.wrongName, i);
  }
  if (byPath) {
    const PlayFinding missing =
        engine.missingDemoEndsRing ? PlayFinding::MissingDemosEndTheRing : PlayFinding::DemosMissing;
    Report(findings, notFound, missing, paths);
  } else {
    Report(findings, notFound, PlayFinding::DemosNotFound, paths, labels);
  }
  Report(findings, empty, engine.emptyDemoEndsRing ? PlayFinding::EmptyDemosEndTheRing : PlayFinding::DemosEmpty,
         paths);
  Report(findings, split, PlayFinding::NamesSplit, paths);
  Report(findings, cut, PlayFinding::NamesCut, paths);
  Report(findings, pastLimit, PlayFinding::TooManyDemos, paths, std::string(), engine.maxDemos);
  Report(findings, tooLong, byPath ? PlayFinding::PathsTooLong : PlayFinding::NamesTooLong, paths, std::string(),
         byPath ? engine.maxPathLength : engine.maxNameLength);
  if (Finding* packed = Report(findings, decoder, PlayFinding::DemosNeedDecoder, paths, engine.decoder)) {
    packed->endings = engine.decoderEnding;
  }
  if (const DemoNameRule* rule = engine.nameRule) {
    if (Finding* broken = Report(findings, badName, rule->broken, paths)) broken->endings = RuleEndings(*rule);
  }
}

// The command line as the engine keeps it: the game's full path, as the
// shell names it, a blank and the argument line.
void CheckCommandLine(std::vector<Finding>& findings, const ChosenGame& game, const std::vector<std::string>& demos) {
  const size_t kept = game.engine->maxCommandLine;
  if (kept == 0) return;
  std::string line = BuildArgumentLine(game.Family(), game.savedMod, LeadingDemo(*game.engine, demos));
  if (!line.empty() && line.back() == '\n') line.pop_back();
  const size_t length = game.exeDirectory.size() + game.exeName.size() + 1 + TrimBlanks(line).size();
  if (length <= kept) return;
  Finding& finding = Add(findings, PlayFinding::CommandLineTooLong);
  finding.count = length;
  finding.limit = kept;
}

// The engine runs the first start-up script it finds; the game's own
// replaces the demo list, as does any that says "startdemos".
void CheckStartupScript(PlayCheck& check, const ChosenGame& game, const PathQuestions& disk) {
  const char* script = game.Family().startupScript;
  if (!*script || check.demos.empty()) return;
  check.startup = FindStartupScript(game, disk);
  if (check.startup.source == StartupScript::Source::Mod) {
    if (check.startup.startsDemos) {
      Add(check.findings, PlayFinding::ModScriptStartsDemos, script).path = check.startup.path;
    }
  } else if (game.mod.empty()) {
    Add(check.findings, PlayFinding::NoModWithStartupScript, script);
  } else {
    Add(check.findings, PlayFinding::ModLacksStartupScript, script).path = game.Folder(game.mod);
  }
}

}  // namespace

PlayCheck CheckPlay(const ChosenGame& game, const std::vector<std::string>& demos, const PathQuestions& disk) {
  PlayCheck check;
  if (game.exeName.empty() || !HasGameScript(game.Family())) {
    Add(check.findings, game.exeName.empty() ? PlayFinding::NoGame : PlayFinding::UnknownGame, game.exeName);
    return check;
  }
  CheckFolders(check.findings, game, disk);
  CheckCommandLine(check.findings, game, demos);
  CheckDemos(check, game, demos, disk);
  CheckStartupScript(check, game, disk);
  // The script's folder only informs.
  const bool nothingInTheWay = std::all_of(check.findings.begin(), check.findings.end(),
                                           [](const Finding& f) { return f.what == PlayFinding::ScriptFolder; });
  if (nothingInTheWay) Add(check.findings, PlayFinding::AllWell, game.engine->title).count = demos.size();
  return check;
}

}  // namespace kavrin
