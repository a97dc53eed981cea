#include "app/launch_command.h"

#include "files/text_mode.h"

namespace kavrin {

std::optional<LaunchCommand> ReadLaunchCommand(const std::optional<std::string>& diskText) {
  if (!diskText) return std::nullopt;
  const std::vector<std::string> lines = SplitDiskLines(*diskText);
  LaunchCommand command{LineOrEmpty(lines, 0), LineOrEmpty(lines, 1), LineOrEmpty(lines, 2)};
  if (command.file.empty()) return std::nullopt;
  return command;
}

}  // namespace kavrin
