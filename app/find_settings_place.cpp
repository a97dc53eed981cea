#include "app/find_settings_place.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>

namespace kavrin {
namespace {

// CSIDL_LOCAL_APPDATA is the known folder LocalAppData on current Windows
// and exists on older ones too, where the known-folder call does not.
std::string LocalAppDataFolder() {
  char path[MAX_PATH] = "";
  if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) return path;
  const char* variable = std::getenv("LOCALAPPDATA");
  return variable != nullptr ? variable : "";
}

}  // namespace

SettingsPlace FindSettingsPlace() {
  const std::string userFolder = UserSettingsFolder(LocalAppDataFolder());
  const bool holdsLaunchFile = !userFolder.empty() && IsFile(SettingsPlace{userFolder, ""}.LaunchFile());
  return ChooseSettingsPlace(userFolder, holdsLaunchFile);
}

}  // namespace kavrin
