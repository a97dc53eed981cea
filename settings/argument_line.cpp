#include "settings/argument_line.h"

namespace kavrin {
namespace {

const char kExec[] = "+exec Scrnsave.cfg ";
const char kExecMarker[] = "+exec";

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The mod after the family's switch, if the line holds the switch on its
// side of "+exec"; nothing otherwise.
bool ReadModSwitch(const std::string& line, const GameFamily& family, std::string& mod) {
  const size_t exec = line.find(kExecMarker);
  const size_t at = line.find(family.modSwitch);
  if (exec == std::string::npos || at == std::string::npos) return false;
  const size_t start = at + std::char_traits<char>::length(family.modSwitch);
  if (family.modBeforeExec) {
    if (start > exec) return false;
    mod = TrimBlanks(line.substr(start, exec - start));
  } else {
    if (at < exec) return false;
    mod = TrimBlanks(line.substr(start));
  }
  return true;
}

}  // namespace

std::string BuildArgumentLine(const GameFamily& family, const std::string& modDir) {
  // Without a mod, Quake's "-game" would take "+exec" as the mod's name.
  const bool named = !modDir.empty() || family.switchWithoutMod;
  const std::string mod = named ? family.modSwitch + modDir : std::string();
  std::string line = family.modBeforeExec ? (named ? mod + " " : mod) + kExec : kExec + mod;
  if (family.lineEnd) line += "\n";
  return line;
}

std::string ModFromArgumentLine(const std::string& argumentLine) {
  std::string mod;
  for (const GameFamily& family : GameFamilies()) {
    if (ReadModSwitch(argumentLine, family, mod)) return mod;
  }
  return std::string();
}

}  // namespace kavrin
