#include "games/game_script.h"

#include "files/exe_path.h"
#include "games/demo_chain.h"
#include "games/demo_name_rule.h"
#include "games/text_template.h"

namespace kavrin {
namespace {

using Demos = std::vector<std::string>;

std::string DemoName(const std::string& path) { return ExeName(path); }

// The entry a demo names next in the rings that close on entry 0.
size_t RingSuccessor(size_t i, size_t count) { return i + 1 < count ? i + 1 : 0; }

std::string StartDemos(const Demos& demos) {
  std::string text = "startdemos ";
  for (const std::string& path : demos) text += DemoName(path) + " ";
  return text;
}

// The engines take a demomap name for a demo only with its ending as the
// rule writes it; the file system does not mind the case.
std::string DemomapName(const std::string& path) { return WithRuleEnding(DemoName(path), kDemomapNames); }

// The blanks of a ring entry: its number, its demo's name, and the number
// of the entry after it.
constexpr std::string_view kEntryBlanks[] = {"entry", "demo", "next"};

// Entries 0 to N - 1 play the demos in order; the last leads back to 0.
// Each is a copy of `entry`, its demo named as `name` gives it.
std::string Ring(const Demos& demos, std::string_view entry, std::string (*name)(const std::string&)) {
  std::string text;
  for (size_t i = 0; i < demos.size(); ++i) {
    const std::string values[] = {std::to_string(i), name(demos[i]), std::to_string(RingSuccessor(i, demos.size()))};
    text += FillTemplate(entry, kEntryBlanks, values);
  }
  return text;
}

constexpr char kDemomapEntry[] = "alias demo{entry} \"demomap {demo}; set nextserver demo{next}\" \n";
// On "demo": each entry names the next before its demo starts, and the
// engine runs that name when the demo ends.
constexpr char kDemoEntry[] = "alias demo{entry} \"set nextserver demo{next}; demo {demo}\" \n";
constexpr char kQuake3Entry[] = "set d{entry} \"demo {demo}; set nextdemo vstr d{next}\" \n";
static_assert(IsTemplate(kDemomapEntry, kEntryBlanks) && IsTemplate(kDemoEntry, kEntryBlanks) &&
              IsTemplate(kQuake3Entry, kEntryBlanks));

}  // namespace

std::string BuildGameScript(GameKind kind, const std::vector<std::string>& demos) {
  switch (kind) {
    case Quake: return StartDemos(demos);
    case Quake2: return Ring(demos, kDemomapEntry, DemomapName) + "demo0";
    case Hl: return StartDemos(demos) + "\ndemos";
    case Quake3: return Ring(demos, kQuake3Entry, DemoName) + "vstr d0";
    case Q2pro: return Ring(demos, kDemoEntry, DemoName) + "demo0";
    case SinHeretic2:
    case Other:
    case QuakeWorld: break;
  }
  // SinHeretic2's dialect, and that of every value no case above names:
  // the first release wrote it for any kind it did not list.
  return Ring(demos, kDemomapEntry, DemomapName) + "\ndemo0";
}

std::vector<ScriptFile> BuildGameScripts(const GameEngine& engine, const std::vector<std::string>& demos,
                                         const std::string& currentScript) {
  if (engine.family.kind == QuakeWorld) return BuildDemoChain(engine, demos, NextChainGeneration(currentScript));
  return {{kGameScriptName, BuildGameScript(engine.family.kind, demos)}};
}

std::string RetiredScriptName(const GameEngine& engine, const std::string& currentScript, size_t index) {
  if (engine.family.kind != QuakeWorld) return std::string();
  return ChainScriptName(NextChainGeneration(currentScript) == 'A' ? 'B' : 'A', index);
}

}  // namespace kavrin
