// What run mode hands to the shell, as read from the launch file.
#pragma once

#include <optional>
#include <string>

namespace kavrin {

struct LaunchCommand {
  std::string directory;   // line 1: entered before the launch; may be ""
  std::string file;        // line 2: the executable's name
  std::string parameters;  // line 3: the argument line, blanks kept
};

// The command stored in the launch file's bytes, or nullopt when there is
// nothing to launch: no file (nullopt bytes) or an empty executable name.
std::optional<LaunchCommand> ReadLaunchCommand(const std::optional<std::string>& diskText);

}  // namespace kavrin
