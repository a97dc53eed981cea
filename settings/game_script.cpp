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
std::string DemomapRing(const Demos& demos) {
  std::string text;
  for (size_t i = 0; i < demos.size(); ++i) {
    text += "alias demo" + std::to_string(i) + " \"demomap " + DemomapName(demos[i]) + "; set nextserver demo" +
            std::to_string(RingSuccessor(i, demos.size())) + "\" \n";
  }
  return text;
}

// As DemomapRing, on "demo": each entry names the next before its demo
// starts, and the engine runs that name when the demo ends.
std::string DemoRing(const Demos& demos) {
  std::string text;
  for (size_t i = 0; i < demos.size(); ++i) {
    text += "alias demo" + std::to_string(i) + " \"set nextserver demo" +
            std::to_string(RingSuccessor(i, demos.size())) + "; demo " + DemoName(demos[i]) + "\" \n";
  }
  return text;
}

std::string Quake3Script(const Demos& demos) {
  std::string text;
  for (size_t i = 0; i < demos.size(); ++i) {
    text += "set d" + std::to_string(i) + " \"demo " + DemoName(demos[i]) + "; set nextdemo vstr d" +
            std::to_string(RingSuccessor(i, demos.size())) + "\" \n";
  }
  return text + "vstr d0";
}

}  // namespace

std::string BuildGameScript(GameKind kind, const std::vector<std::string>& demos) {
  switch (kind) {
    case Quake: return StartDemos(demos);
    case Quake2: return DemomapRing(demos) + "demo0";
    case Hl: return StartDemos(demos) + "\ndemos";
    case Quake3: return Quake3Script(demos);
    case Q2pro: return DemoRing(demos) + "demo0";
    default: return DemomapRing(demos) + "\ndemo0";
  }
}

}  // namespace kavrin
