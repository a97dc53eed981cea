#include "settings/settings_place.h"

#include "settings/demo_list_file.h"
#include "settings/launch_file.h"

namespace kavrin {

std::string SettingsPlace::LaunchFile() const { return folder + kLaunchFileName; }

std::string SettingsPlace::DemoListFile() const { return folder + kDemoListFileName; }

std::string UserSettingsFolder(const std::string& localAppData) {
  if (localAppData.empty()) return std::string();
  const char last = localAppData.back();
  const bool separated = last == '\\' || last == '/';
  return localAppData + (separated ? "" : "\\") + "Kavrin\\";
}

SettingsPlace ChooseSettingsPlace(const std::string& userFolder, bool userFolderHoldsLaunchFile) {
  if (!userFolder.empty() && userFolderHoldsLaunchFile) return {userFolder, ""};
  return {kRootSettingsFolder, userFolder};
}

bool FallsBack(WriteFault fault, const std::string& fallback) {
  return fault == WriteFault::AccessDenied && !fallback.empty();
}

}  // namespace kavrin
