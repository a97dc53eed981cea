#include "settings/argument_line.h"

#include <optional>

#include "settings/exe_path.h"
#include "settings/game_script.h"

namespace kavrin {
namespace {

// "+exec Scrnsave.cfg ", built where it is used: a global string would be
// built at start-up in every mode.
std::string ExecSwitch() { return std::string("+exec ") + kGameScriptName + " "; }

// The mod of a line written with `modSwitch` in the family's place: right
// after the head, before "+exec", or right after "+exec Scrnsave.cfg ".
std::optional<std::string> ReadMod(const std::string& line, const GameFamily& family, const char* modSwitch) {
  if (*modSwitch == '\0') return std::nullopt;
  const std::string exec = ExecSwitch();
  const std::string head = family.argumentsHead + (family.modBeforeExec ? std::string() : exec) + modSwitch;
  if (line.compare(0, head.size(), head) != 0) return std::nullopt;
  std::string mod = line.substr(head.size());
  if (family.modBeforeExec) {
    // A mod holds no blank, so the first "+exec Scrnsave.cfg" ends it.
    const size_t end = mod.find(exec.substr(0, exec.size() - 1));
    if (end == std::string::npos) return std::nullopt;
    mod.resize(end);
  }
  return TrimBlanks(mod);
}

std::optional<std::string> ReadFamilyMod(const std::string& line, const GameFamily& family) {
  if (auto mod = ReadMod(line, family, family.modSwitch)) return mod;
  return ReadMod(line, family, family.earlierModSwitch);
}

}  // namespace

std::string BuildArgumentLine(const GameFamily& family, const std::string& modDir) {
  // The engines split the line at blanks, so the mod goes in without them.
  // Without a mod, Quake's "-game" would take "+exec" as the mod's name.
  const std::string trimmed = TrimBlanks(modDir);
  const std::string mod = trimmed.empty() ? std::string() : family.modSwitch + trimmed;
  std::string line = family.argumentsHead;
  line += family.modBeforeExec ? (mod.empty() ? mod : mod + " ") + ExecSwitch() : ExecSwitch() + mod;
  if (family.lineEnd) line += "\n";
  return line;
}

std::string ModFromArgumentLine(const std::string& argumentLine, const GameFamily& family) {
  if (auto mod = ReadFamilyMod(argumentLine, family)) return *mod;
  for (const GameFamily& other : GameFamilies()) {
    if (auto mod = ReadFamilyMod(argumentLine, other)) return *mod;
  }
  return std::string();
}

}  // namespace kavrin
