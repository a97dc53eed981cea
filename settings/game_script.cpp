#include "settings/game_script.h"

#include "settings/exe_path.h"
#include "settings/game_kind.h"

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

std::string DemomapAlias(size_t entry, const std::string& map, size_t next) {
  return "alias demo" + std::to_string(entry) + " \"demomap " + map +
         "; set nextserver demo" + std::to_string(next) + "\"";
}

std::string Quake2Script(const Demos& demos) {
  std::string text;
  for (size_t i = 0; i < demos.size(); ++i) text += DemomapAlias(i, DemoName(demos[i]), i + 1) + " \n";
  // The closing entry plays loop.dm2 and leads back to the first demo.
  return text + DemomapAlias(demos.size(), "loop.dm2", 0) + "\ndemo0";
}

std::string Quake3Script(const Demos& demos) {
  std::string text;
  for (size_t i = 0; i < demos.size(); ++i) {
    text += "set d" + std::to_string(i) + " \"demo " + DemoName(demos[i]) + "; set nextdemo vstr d" +
            std::to_string(RingSuccessor(i, demos.size())) + "\" \n";
  }
  return text + "vstr d0";
}

std::string SinHeretic2Script(const Demos& demos) {
  std::string text;
  for (size_t i = 0; i < demos.size(); ++i) {
    text += DemomapAlias(i, DemoName(demos[i]), RingSuccessor(i, demos.size())) + " \n";
  }
  return text + "\ndemo0";
}

}  // namespace

std::string BuildGameScript(int kind, const std::vector<std::string>& demos) {
  switch (kind) {
    case Quake: return StartDemos(demos);
    case Quake2: return Quake2Script(demos);
    case Hl: return StartDemos(demos) + "\ndemos";
    case Quake3: return Quake3Script(demos);
    default: return SinHeretic2Script(demos);
  }
}

}  // namespace kavrin
