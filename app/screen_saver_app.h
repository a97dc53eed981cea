// The application object: reads the screen saver switch and performs its mode.
#pragma once

#include "settings/settings_place.h"

namespace kavrin {

class ScreenSaverApp {
 public:
  // Performs the one mode the command line's switch selects and returns the
  // process's exit code: 0, 1 when a save failed, or the character of an
  // unrecognised switch. No window is left open.
  int InitInstance();

 private:
  // The configuration dialog on the settings in `place`, then the save
  // after OK.
  int Configure(const SettingsPlace& place);
};

}  // namespace kavrin
