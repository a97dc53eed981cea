#include "settings/game_script.h"

#include "settings/exe_path.h"

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

// The engines take a demomap name for a demo only when it ends in ".dm2"
// exactly; the file system does not mind the case.
std::string DemomapName(const std::string& path) {
  std::string name = DemoName(path);
  const size_t size = name.size();
  if (size >= 4 && LowerCase(name.substr(size - 4)) == ".dm2") name.replace(size - 4, 4, ".dm2");
  return name;
}

// Entries 0 to N - 1 play the demos in order; the last leads back to 0.
// Each is a copy of `entry`, in which {i} is the entry's number, {n} the
// demo's name as `name` gives it and {s} the number of the entry after it.
std::string Ring(const Demos& demos, const char* entry, std::string (*name)(const std::string&)) {
  std::string text;
  for (size_t i = 0; i < demos.size(); ++i) {
    for (const char* c = entry; *c != '\0'; ++c) {
      if (*c != '{') {
        text += *c;
        continue;
      }
      text += c[1] == 'n' ? name(demos[i]) : std::to_string(c[1] == 'i' ? i : RingSuccessor(i, demos.size()));
      c += 2;
    }
  }
  return text;
}

const char kDemomapEntry[] = "alias demo{i} \"demomap {n}; set nextserver demo{s}\" \n";
// On "demo": each entry names the next before its demo starts, and the
// engine runs that name when the demo ends.
const char kDemoEntry[] = "alias demo{i} \"set nextserver demo{s}; demo {n}\" \n";
const char kQuake3Entry[] = "set d{i} \"demo {n}; set nextdemo vstr d{s}\" \n";

}  // namespace

std::string BuildGameScript(GameKind kind, const std::vector<std::string>& demos) {
  switch (kind) {
    case Quake: return StartDemos(demos);
    case Quake2: return Ring(demos, kDemomapEntry, DemomapName) + "demo0";
    case Hl: return StartDemos(demos) + "\ndemos";
    case Quake3: return Ring(demos, kQuake3Entry, DemoName) + "vstr d0";
    case Q2pro: return Ring(demos, kDemoEntry, DemoName) + "demo0";
    default: return Ring(demos, kDemomapEntry, DemomapName) + "\ndemo0";
  }
}

}  // namespace kavrin
