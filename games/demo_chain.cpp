#include "games/demo_chain.h"

#include "games/game_script.h"

namespace kavrin {
namespace {

// What the chain needs of the client: triggers such as f_demoend run, and
// the aliases of the chain are not saved into the player's config.cfg.
constexpr char kChainSettings[] = "tp_triggers 1\ncl_restrictions 0\ncfg_save_onquit 0\n";
constexpr char kChainStem[] = "Scrnsave";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string PointDemoEndAt(const std::string& script) { return "alias f_demoend " + Quoted("exec " + script); }

}  // namespace

std::string ChainPath(const GameEngine& engine, const std::string& demoPath) {
  std::string path = engine.pathPrefix + demoPath;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

bool Quotable(const std::string& demoPath) { return demoPath.find('"') == std::string::npos; }

std::string LeadingDemo(const GameEngine& engine, const std::vector<std::string>& demos) {
  const DemoNameRule* names = engine.leadingDemoNames;
  if (names == nullptr || demos.empty()) return std::string();
  const std::string path = ChainPath(engine, demos.front());
  const bool breaks = !Quotable(path) || path.find_first_of(engine.lineBreakChars) != std::string::npos;
  return breaks || !FollowsRule(path, *names) ? std::string() : Quoted(path);
}

std::vector<ScriptFile> BuildDemoChain(const GameEngine& engine, const std::vector<std::string>& demos,
                                       char generation) {
  std::vector<std::string> paths;
  for (const std::string& demo : demos) {
    if (Quotable(demo)) paths.push_back(ChainPath(engine, demo));
  }
  std::vector<ScriptFile> files;
  for (size_t i = 0; i < paths.size(); ++i) {
    const std::string next = ChainScriptName(generation, (i + 1) % paths.size());
    files.push_back({ChainScriptName(generation, i), PointDemoEndAt(next) + "\nplaydemo " + Quoted(paths[i])});
  }
  std::string opening = kChainSettings;
  if (!paths.empty()) opening += PointDemoEndAt(ChainScriptName(generation, 1 % paths.size()));
  // The argument line starts the first demo where it can.
  if (!paths.empty() && LeadingDemo(engine, demos).empty()) opening += "\nexec " + ChainScriptName(generation, 0);
  if (opening.back() == '\n') opening.pop_back();
  files.push_back({kGameScriptName, opening});
  return files;
}

char NextChainGeneration(const std::string& currentScript) {
  return currentScript.find(std::string(kChainStem) + 'A') != std::string::npos ? 'B' : 'A';
}

std::string ChainScriptName(char generation, size_t index) {
  return kChainStem + (generation + std::to_string(index)) + ".cfg";
}

}  // namespace kavrin
