#include "settings/settings_place.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

constexpr const char* kUser = "C:\\Users\\me\\AppData\\Local\\Kavrin\\";

TEST(SettingsPlace, TheUserFolderOnceItHoldsSettingsElseTheRootFallingBackOnlyWhenRefused) {
  const struct {
    const char* localAppData;
    bool holdsLaunchFile;
    WriteFault fault;
    const char* readFrom;  // and saved to first
    bool fallsBack;        // the save goes on in the user's folder
    bool sharedFileRefused = false;  // c:\q2scr.sc2 is one another account can change
  } rows[] = {
      {"C:\\Users\\me\\AppData\\Local", false, WriteFault::None, "c:/", false},
      {"C:\\Users\\me\\AppData\\Local", false, WriteFault::AccessDenied, "c:/", true},
      {"C:\\Users\\me\\AppData\\Local\\", false, WriteFault::AccessDenied, "c:/", true},
      // A directory in the way, a missing folder or a full disk is reported.
      {"C:\\Users\\me\\AppData\\Local", false, WriteFault::Other, "c:/", false},
      // Settings saved to the user's folder once: c:\ is not read again.
      {"C:\\Users\\me\\AppData\\Local", true, WriteFault::None, kUser, false},
      {"C:\\Users\\me\\AppData\\Local", true, WriteFault::AccessDenied, kUser, false},
      // No local application data folder: c:\ alone, and failures reported.
      {"", false, WriteFault::AccessDenied, "c:/", false},
      {"", true, WriteFault::AccessDenied, "c:/", false},
      // A refused c:\q2scr.sc2 is neither read nor saved over where the
      // user has a folder; without one, the save replaces it.
      {"C:\\Users\\me\\AppData\\Local", false, WriteFault::AccessDenied, kUser, false, true},
      {"", false, WriteFault::None, "c:/", false, true},
  };
  for (const auto& row : rows) {
    const std::string userFolder = UserSettingsFolder(row.localAppData);
    const SettingsPlace place = ChooseSettingsPlace(userFolder, row.holdsLaunchFile, row.sharedFileRefused);
    const std::string name = std::string(row.localAppData) + (row.holdsLaunchFile ? " holding" : " empty");
    EXPECT_EQ(place.folder, row.readFrom) << name;
    EXPECT_EQ(FallsBack(row.fault, place.fallback), row.fallsBack) << name;
    EXPECT_EQ(place.sharedFileRefused, row.sharedFileRefused) << name;
    if (row.fallsBack) {
      EXPECT_EQ(place.fallback, kUser) << name;
    }
  }
  EXPECT_EQ(ChooseSettingsPlace("", false).LaunchFile(), "c:/q2scr.sc2");
  EXPECT_EQ(ChooseSettingsPlace("", false).DemoListFile(), "c:/demos.sc2");
  EXPECT_EQ(ChooseSettingsPlace(kUser, true).LaunchFile(), std::string(kUser) + "q2scr.sc2");
}

}  // namespace
}  // namespace kavrin
