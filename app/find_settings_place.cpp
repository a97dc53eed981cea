#include "app/find_settings_place.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>

namespace kavrin {
namespace {

// The environment answers at no cost, where the shell would add to every
// start of /s. CSIDL_LOCAL_APPDATA is the known folder LocalAppData on
// current Windows and exists on older ones too.
std::string LocalAppDataFolder() {
  const char* variable = std::getenv("LOCALAPPDATA");
  if (variable != nullptr && *variable != '\0') return variable;
  char path[MAX_PATH] = "";
  if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) return path;
  return std::string();
}

}  // namespace

SettingsPlace FindSettingsPlace() {
  const std::string userFolder = UserSettingsFolder(LocalAppDataFolder());
  const bool holdsLaunchFile = !userFolder.empty() && IsFile(SettingsPlace{userFolder, ""}.LaunchFile());
  return ChooseSettingsPlace(userFolder, holdsLaunchFile);
}

}  // namespace kavrin
