#include "games/demo_chain.h"

#include <optional>

#include "games/game_script.h"

namespace kavrin {
namespace {

constexpr char kChainStem[] = "Scrnsave";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string PointDemoEndAt(const std::string& script) { return "alias f_demoend " + Quoted("exec " + script); }

// Whether the path can stand inside one pair of quotes.
bool Quotable(const std::string& demoPath) { return demoPath.find('"') == std::string::npos; }

// The demos of the chain, in list order, as its scripts name them: every
// one that can stand inside quotes.
std::vector<std::string> ChainPaths(const GameEngine& engine, const std::vector<std::string>& demos) {
  std::vector<std::string> paths;
  for (const std::string& demo : demos) {
    if (Quotable(demo)) paths.push_back(ChainPath(engine, demo));
  }
  return paths;
}

// The first of the chain that the engine plays from its argument line:
// it reads a "+" anywhere on the line as a command, and plays only some
// names from there. The chain is a ring, so it may start anywhere.
std::optional<size_t> Leader(const GameEngine& engine, const std::vector<std::string>& paths) {
  const DemoNameRule* names = engine.leadingDemoNames;
  for (size_t i = 0; names != nullptr && i < paths.size(); ++i) {
    const bool breaks = paths[i].find_first_of(engine.lineBreakChars) != std::string::npos;
    if (!breaks && FollowsRule(paths[i], *names)) return i;
  }
  return std::nullopt;
}

}  // namespace

std::string ChainPath(const GameEngine& engine, const std::string& demoPath) {
  std::string path = engine.pathPrefix + demoPath;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

std::string LeadingDemo(const GameEngine& engine, const std::vector<std::string>& demos) {
  const std::vector<std::string> paths = ChainPaths(engine, demos);
  const std::optional<size_t> leader = Leader(engine, paths);
  return leader ? Quoted(paths[*leader]) : std::string();
}

std::vector<ScriptFile> BuildDemoChain(const GameEngine& engine, const std::vector<std::string>& demos,
                                       char generation) {
  const std::vector<std::string> paths = ChainPaths(engine, demos);
  std::vector<ScriptFile> files;
  for (size_t i = 0; i < paths.size(); ++i) {
    const std::string next = ChainScriptName(generation, (i + 1) % paths.size());
    files.push_back({ChainScriptName(generation, i), PointDemoEndAt(next) + "\nplaydemo " + Quoted(paths[i])});
  }
  std::string opening = engine.chainSettings;
  if (const std::optional<size_t> leader = Leader(engine, paths)) {
    // The argument line plays the leader; its end plays the next.
    opening += PointDemoEndAt(ChainScriptName(generation, (*leader + 1) % paths.size()));
  } else if (!paths.empty()) {
    opening += "exec " + ChainScriptName(generation, 0);
    if (*engine.scriptStartCommand != '\0') opening.append("\n").append(engine.scriptStartCommand);
  }
  if (!opening.empty() && opening.back() == '\n') opening.pop_back();
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
