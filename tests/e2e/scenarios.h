// The suite's scenarios, by area.
#pragma once

#include <vector>

#include "scenario.h"

namespace kavrin {

std::vector<Scenario> CommandLineScenarios();
std::vector<Scenario> SettingsFileScenarios();
std::vector<Scenario> GameKindScenarios();
std::vector<Scenario> MendScenarios();
std::vector<Scenario> DialogScenarios();
std::vector<Scenario> BadFileScenarios();
std::vector<Scenario> KilledSaveScenarios();
std::vector<Scenario> ReadOnlyRootScenarios();

}  // namespace kavrin
