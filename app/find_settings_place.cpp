#include "app/find_settings_place.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>

#include "win/system_function.h"

namespace kavrin {
namespace {

using GetFolderPathFunction = HRESULT WINAPI(HWND, int, HANDLE, DWORD, LPSTR);

// The shell has it from Windows 2000 and ME on; before that only
// shfolder.dll, which Internet Explorer 5 brings, if anything.
GetFolderPathFunction* FindGetFolderPath() {
  if (auto* shell = SystemFunction<GetFolderPathFunction>("shell32.dll", "SHGetFolderPathA")) return shell;
  return SystemFunction<GetFolderPathFunction>(SystemFolderFile("shfolder.dll").c_str(), "SHGetFolderPathA");
}

// The environment answers at no cost, where the shell would add to every
// start of /s; it names the folder from Vista on. CSIDL_LOCAL_APPDATA is
// the same folder. "" where neither knows it: the settings then stay in
// c:\, which every account may write on those systems.
std::string LocalAppDataFolder() {
  const char* variable = std::getenv("LOCALAPPDATA");
  if (variable != nullptr && *variable != '\0') return variable;
  GetFolderPathFunction* getFolderPath = FindGetFolderPath();
  char path[MAX_PATH] = "";
  if (getFolderPath != nullptr &&
      SUCCEEDED(getFolderPath(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) {
    return path;
  }
  return std::string();
}

}  // namespace

SettingsPlace FindSettingsPlace(bool judgeSharedFile) {
  const std::string userFolder = UserSettingsFolder(LocalAppDataFolder());
  const std::string launchFile = SettingsPlace{userFolder, ""}.LaunchFile();
  // A save cut short may have left the launch file under its backup name.
  const bool holdsLaunchFile = !userFolder.empty() && (IsFile(launchFile) || IsFile(BackupPath(launchFile)));
  const bool refused = judgeSharedFile && !holdsLaunchFile && SharedLaunchFileRefused();
  if (refused && !userFolder.empty()) MakeDirectory(userFolder);
  return ChooseSettingsPlace(userFolder, holdsLaunchFile, refused);
}

}  // namespace kavrin
