// Finds where this user's settings live, once per process.
#pragma once

#include "settings/settings_place.h"

namespace kavrin {

// The user's folder below the local application data folder (from the
// environment, else the shell) once it holds a launch file; c:\ otherwise.
SettingsPlace FindSettingsPlace();

}  // namespace kavrin
