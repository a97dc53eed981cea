// Where the launch file and the demo list live: the root of drive C: or,
// where an account may not write there, the user's own folder.
#pragma once

#include <string>

#include "files/file_system.h"

namespace kavrin {

// The folder of the fixed settings paths c:/q2scr.sc2 and c:/demos.sc2.
constexpr const char* kRootSettingsFolder = "c:/";

struct SettingsPlace {
  std::string folder;    // read from and saved to; ends with a separator
  std::string fallback;  // saved to when `folder` refuses the account; "" for none
  // The launch file in c:\ holds settings that another account can change.
  bool sharedFileRefused = false;

  std::string LaunchFile() const;
  std::string DemoListFile() const;
};

// The user's own settings folder below the local application data folder
// (with a trailing backslash); "" when that folder is unknown.
std::string UserSettingsFolder(const std::string& localAppData);

// The user's folder once it holds a launch file, or (if known) when the
// launch file in c:\ is refused; the root of C: otherwise, falling back
// to the user's folder (if known) when the root refuses the account.
SettingsPlace ChooseSettingsPlace(const std::string& userFolder, bool userFolderHoldsLaunchFile,
                                  bool sharedFileRefused = false);

// What the configuration dialog says once of a refused launch file in c:\.
std::string SharedFileRefusedText(const SettingsPlace& place);

// Whether `path` is the launch file in c:\, which every account reads.
bool IsSharedLaunchFile(const std::string& path);

// The launch file's bytes; the one in c:\ only where no other account can
// change it (ReadSharedFile). nullopt when missing, unreadable or refused.
std::optional<std::string> ReadLaunchFileBytes(const std::string& path);

// Whether the launch file in c:\ is refused: another account can change it.
bool SharedLaunchFileRefused();

// Whether a save of the settings files that `fault` stopped goes on in
// `fallback`: only when the account was refused, and only where there is
// a fallback. A directory in the way or a full disk is reported instead.
bool FallsBack(WriteFault fault, const std::string& fallback);

}  // namespace kavrin
