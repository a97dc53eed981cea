#include "settings/settings_place.h"

#include "settings/demo_list_file.h"
#include "files/exe_path.h"
#include "settings/launch_file.h"
#include "settings/shared_file.h"

namespace kavrin {

std::string SettingsPlace::LaunchFile() const { return folder + kLaunchFileName; }

std::string SettingsPlace::DemoListFile() const { return folder + kDemoListFileName; }

std::string UserSettingsFolder(const std::string& localAppData) {
  if (localAppData.empty()) return std::string();
  const char last = localAppData.back();
  const bool separated = last == '\\' || last == '/';
  return localAppData + (separated ? "" : "\\") + "Kavrin\\";
}

SettingsPlace ChooseSettingsPlace(const std::string& userFolder, bool userFolderHoldsLaunchFile,
                                  bool sharedFileRefused) {
  SettingsPlace place{kRootSettingsFolder, userFolder};
  if (!userFolder.empty() && (userFolderHoldsLaunchFile || sharedFileRefused)) place = SettingsPlace{userFolder, ""};
  place.sharedFileRefused = sharedFileRefused;
  return place;
}

std::string SharedFileRefusedText(const SettingsPlace& place) {
  std::string text = DisplayPath(kLaunchFilePath) +
                     " holds screen saver settings that other accounts on this computer can change, so Kavrin "
                     "will not use them.\n\n";
  if (place.folder == kRootSettingsFolder) {
    return text + "Choose the game and demos again: OK saves them so that only you and the administrators can "
                  "change them.";
  }
  return text + "Choose the game and demos again: OK saves them in your own folder, " + DisplayPath(place.folder);
}

bool IsSharedLaunchFile(const std::string& path) { return path == kLaunchFilePath; }

std::optional<std::string> ReadLaunchFileBytes(const std::string& path) {
  return IsSharedLaunchFile(path) ? ReadSharedFile(path).bytes : ReadFileBytes(path);
}

bool SharedLaunchFileRefused() { return ReadSharedFile(kLaunchFilePath).refused; }

bool FallsBack(WriteFault fault, const std::string& fallback) {
  return fault == WriteFault::AccessDenied && !fallback.empty();
}

}  // namespace kavrin
