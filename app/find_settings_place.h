// Finds where this user's settings live, once per process.
#pragma once

#include "settings/settings_place.h"

namespace kavrin {

// The user's folder below the local application data folder (from the
// environment, else the shell) once it holds a launch file; c:\ otherwise.
// With `judgeSharedFile` (the dialog; run mode judges the file as it reads
// it) a launch file in c:\ that another account can change sends the
// settings to the user's folder, made here, where it is known.
SettingsPlace FindSettingsPlace(bool judgeSharedFile = false);

}  // namespace kavrin
