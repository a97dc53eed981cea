#include "games/argument_line.h"

#include "files/exe_path.h"
#include "games/game_script.h"

namespace kavrin {
namespace {

// "+exec Scrnsave.cfg ", built where it is used: a global string would be
// built at start-up in every mode.
std::string ExecSwitch() { return std::string("+exec ") + kGameScriptName + " "; }

// Whether the line was written with `modSwitch` in the family's place:
// right after the head, before "+exec", or right after "+exec
// Scrnsave.cfg "; if so, `mod` is what it names.
bool ReadMod(const std::string& line, const GameFamily& family, const char* modSwitch, std::string& mod) {
  const std::string exec = ExecSwitch();
  std::string head = family.argumentsHead;
  if (!family.modBeforeExec) head += exec;
  head += modSwitch;
  if (*modSwitch == '\0' || line.compare(0, head.size(), head) != 0) return false;
  // A mod holds no blank, so the first "+exec Scrnsave.cfg" ends it.
  const size_t end = family.modBeforeExec ? line.find(exec.c_str(), head.size(), exec.size() - 1) : line.size();
  if (end == std::string::npos) return false;
  mod = TrimBlanks(line.substr(head.size(), end - head.size()));
  return true;
}

// The line after a first argument in quotes and the blank after it: the
// demo that an engine of demos by path starts with.
std::string AfterLeadingDemo(const std::string& line) {
  if (line.empty() || line[0] != '"') return line;
  const size_t close = line.find("\" ", 1);
  return close == std::string::npos ? line : line.substr(close + 2);
}

bool ReadFamilyMod(const std::string& line, const GameFamily& family, std::string& mod) {
  const std::string rest = family.demosByPath ? AfterLeadingDemo(line) : line;
  return ReadMod(rest, family, family.modSwitch, mod) || ReadMod(rest, family, family.earlierModSwitch, mod);
}

}  // namespace

std::string BuildArgumentLine(const GameFamily& family, const std::string& modDir, const std::string& leadingDemo) {
  // The engines split the line at blanks, so the mod goes in without them.
  // Without a mod, Quake's "-game" would take "+exec" as the mod's name.
  const std::string mod = TrimBlanks(modDir);
  std::string line = leadingDemo.empty() ? std::string() : leadingDemo + " ";
  line += family.argumentsHead;
  if (!family.modBeforeExec) line += ExecSwitch();
  if (!mod.empty()) line += family.modSwitch + mod + (family.modBeforeExec ? " " : "");
  if (family.modBeforeExec) line += ExecSwitch();
  if (family.lineEnd) line += "\n";
  return line;
}

std::string ModFromArgumentLine(const std::string& argumentLine, const GameFamily& family) {
  std::string mod;
  if (ReadFamilyMod(argumentLine, family, mod)) return mod;
  for (const KnownExecutable& other : KnownExecutables()) {
    if (ReadFamilyMod(argumentLine, other.engine.family, mod)) return mod;
  }
  return std::string();
}

}  // namespace kavrin
