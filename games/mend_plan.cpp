#include "games/mend_plan.h"

#include <algorithm>

#include "files/exe_path.h"
#include "games/demo_chain.h"

namespace kavrin {
namespace {

// The folder a loop start-up script goes into, while the game's own would
// replace the list: the mod's, or a new one beside the base folder without
// a mod.
MendPlan PlanLoopFolder(const ChosenGame& game, const PathQuestions& disk) {
  MendPlan plan;
  const std::string folder = game.Folder(game.mod.empty() ? kLoopFolder : game.mod);
  const GameFamily& family = game.Family();
  const std::string script = JoinPath(folder, family.startupScript);
  if (!disk.Exists(script)) {
    plan.script = script;
    plan.scriptText = family.loopScript;
  }
  if (!game.mod.empty()) {
    // A mod's folder is the player's to make.
    if (disk.CanEnter(folder)) {
      (plan.caption = "Give ").append(game.mod).append(" a loop ").append(family.startupScript);
    }
  } else if (disk.CanEnter(BaseDirectory(game.exeDirectory, family))) {
    if (!disk.Exists(folder)) plan.folders.push_back(folder);
    plan.mod = kLoopFolder;
    (plan.caption = plan.script.empty() ? "Use" : "Make").append(" the loop folder ").append(kLoopFolder);
  }
  return plan;
}

// The name with each character that breaks it made "_", and the part
// before the extension shortened to leave room for `suffix` ("_2") within
// the engine's longest name.
std::string CopyName(std::string name, const GameEngine& engine, const std::string& suffix) {
  for (const char* breaking : {engine.splitChars, engine.cutChars}) {
    for (; *breaking != '\0'; ++breaking) std::replace(name.begin(), name.end(), *breaking, '_');
  }
  const size_t dot = std::min(name.rfind('.'), name.size());
  const size_t rest = name.size() - dot + suffix.size();
  const size_t longest = engine.maxNameLength != 0 ? engine.maxNameLength : name.size() + suffix.size();
  return name.substr(0, std::min(dot, longest > rest ? longest - rest : 0)).append(suffix).append(name, dot);
}

// Where the demo goes: under its own name, or the first with a number
// that no other file there, and no other copy, has taken; "" when its
// extension leaves no room for a name the engine takes.
std::string CopyPlace(const std::string& demo, const ChosenGame& game, const std::string& home,
                      const std::vector<std::string>& taken, const PathQuestions& disk) {
  const size_t longest = game.engine->maxNameLength;
  for (int number = 1;; ++number) {
    const std::string suffix = number == 1 ? std::string() : "_" + std::to_string(number);
    const std::string name = CopyName(ExeName(demo), *game.engine, suffix);
    if (longest != 0 && name.size() > longest) return std::string();
    const std::string to = JoinPath(home, name);
    const size_t longestPath = game.engine->maxPathLength;
    if (longestPath != 0 && ChainPath(*game.engine, to).size() > longestPath) return std::string();
    const bool planned =
        std::any_of(taken.begin(), taken.end(), [&](const std::string& t) { return LowerCase(t) == LowerCase(to); });
    if (!planned && (!disk.Exists(to) || disk.SameBytes(demo, to))) return to;
  }
}

MendPlan PlanCopies(const ChosenGame& game, const std::vector<std::string>& demos, const PlayCheck& check,
                    const PathQuestions& disk) {
  MendPlan plan;
  const std::string root = game.mod.empty() ? game.Family().baseFolder : game.mod;
  const std::string home = DemoHome(game);
  // Only a demos folder below the game's own folders is ever made.
  if (!disk.CanEnter(game.Folder(root))) return plan;
  size_t count = 0;
  plan.copies = std::vector<std::string>(demos.size());
  for (size_t i = 0; i < check.demos.size(); ++i) {
    const DemoCheck& demo = check.demos[i];
    const bool breaks = !demo.found || demo.splitAt || demo.cutAt || demo.tooLong;
    // Demos the engine never plays, or would not take whatever their name,
    // stay; so does a listed folder, which no copy can hold.
    if (!breaks || demo.pastLimit || demo.wrongName || !disk.FileSize(demos[i])) continue;
    plan.copies[i] = CopyPlace(demos[i], game, home, plan.copies, disk);
    if (!plan.copies[i].empty()) ++count;
  }
  if (count == 0) return MendPlan();
  if (!disk.Exists(home)) plan.folders.push_back(home);
  (plan.caption = "Copy ")
      .append(std::to_string(count))
      .append(count == 1 ? " demo to " : " demos to ")
      .append(JoinPath(root, game.Family().demoFolder));
  return plan;
}

}  // namespace

MendPlan PlanMend(const ChosenGame& game, const std::vector<std::string>& demos, const PlayCheck& check,
                  const PathQuestions& disk) {
  // First the loop, while Quake's own quake.rc would replace the list.
  if (*game.Family().startupScript && !check.demos.empty() && check.startup.source != StartupScript::Source::Mod) {
    MendPlan plan = PlanLoopFolder(game, disk);
    if (!plan.caption.empty()) return plan;
  }
  return PlanCopies(game, demos, check, disk);
}

}  // namespace kavrin
