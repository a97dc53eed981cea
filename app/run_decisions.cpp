#include "app/run_decisions.h"

#include "files/exe_path.h"

namespace kavrin {

bool StartsOnUserDesktop(const std::string& desktopName) {
  return !desktopName.empty() && LowerCase(desktopName) != "default";
}

bool LocksOnResume(const LockSetting& setting) {
  if (setting.asked) return *setting.asked;
  const std::optional<std::string>& value = setting.policy ? setting.policy : setting.user;
  return value && *value == "1";
}

bool IsServiceAccount(const std::string& sid) {
  // Revision 1, one sub-authority, the NT authority (5), then the
  // sub-authority as a little-endian 32-bit number: S-1-5-18, 19 or 20.
  const std::string ntAuthorityWithOneRid("\x01\x01\x00\x00\x00\x00\x00\x05", 8);
  if (sid.size() != 12 || sid.compare(0, 8, ntAuthorityWithOneRid) != 0) return false;
  const bool highBytesZero = sid[9] == 0 && sid[10] == 0 && sid[11] == 0;
  return highBytesZero && (sid[8] == 18 || sid[8] == 19 || sid[8] == 20);
}

bool IsGameRunning(const std::vector<std::string>& processFiles, const std::string& exeName) {
  // The 9x line lists full paths, the NT line file names.
  const std::string game = LowerCase(ExeName(exeName));
  if (game.empty()) return false;
  for (const std::string& process : processFiles) {
    if (LowerCase(ExeName(process)) == game) return true;
  }
  return false;
}

std::string WithDefaultExtension(const std::string& file) {
  const std::string name = ExeName(file);
  return name.empty() || name.find('.') != std::string::npos ? file : file + ".exe";
}

std::string GameCommandLine(const std::string& file, const std::string& parameters) {
  const std::string quoted = "\"" + file + "\"";
  return parameters.empty() ? quoted : quoted + " " + parameters;
}

}  // namespace kavrin
