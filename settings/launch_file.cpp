#include "settings/launch_file.h"

#include "settings/exe_path.h"
#include "settings/text_mode.h"

namespace kavrin {
namespace {

const char kExec[] = "+exec Scrnsave.cfg ";
const char kSetGame[] = "+set game ";

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string BuildArgumentLine(GameKind kind, const std::string& modDir) {
  switch (kind) {
    case Quake:
      // Without a mod, "-game" would take "+exec" as the mod's name.
      if (modDir.empty()) return kExec + std::string("\n");
      return "-game " + modDir + " " + kExec + "\n";
    case Hl:
      return "-toconsole +set game " + modDir + " " + kExec;
    default:
      return modDir.empty() ? std::string(kExec) : kExec + std::string(kSetGame) + modDir;
  }
}

std::string BuildLaunchFileText(const std::string& exePath, const std::string& modDir) {
  const std::string name = LowerCase(ExeName(exePath));
  const GameKind kind = ClassifyExeName(name);
  return ExeDirectory(exePath) + "\n" + name + "\n" + BuildArgumentLine(kind, modDir);
}

std::string ModFromArgumentLine(const std::string& argumentLine) {
  // "-game X +exec ..." and "-toconsole +set game X +exec ...": between.
  const size_t game = argumentLine.find("game ");
  const size_t exec = argumentLine.find("+exec");
  if (game != std::string::npos && exec != std::string::npos && game < exec) {
    const size_t start = game + 5;
    return TrimBlanks(argumentLine.substr(start, exec - start));
  }
  // "+exec Scrnsave.cfg +set game X": the rest of the line.
  const size_t setGame = argumentLine.find(kSetGame);
  if (setGame != std::string::npos) {
    return TrimBlanks(argumentLine.substr(setGame + sizeof(kSetGame) - 1));
  }
  return std::string();
}

LaunchFields ReadLaunchFields(const std::string& diskText) {
  const std::vector<std::string> lines = SplitDiskLines(diskText);
  return {LineOrEmpty(lines, 0) + LineOrEmpty(lines, 1), ModFromArgumentLine(LineOrEmpty(lines, 2))};
}

}  // namespace kavrin
