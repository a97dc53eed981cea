#include "app/run_mode.h"

#include <windows.h>
#include <shellapi.h>

#include "app/launch_command.h"
#include "settings/file_system.h"

namespace kavrin {

bool RunGame(const std::string& launchFilePath) {
  const std::optional<LaunchCommand> command = ReadLaunchCommand(ReadFileBytes(launchFilePath));
  if (!command) return false;
  // The game finds its own files relative to the directory it starts in.
  if (!command->directory.empty() && !ChangeDirectory(command->directory)) return false;
  const HINSTANCE result = ShellExecuteA(nullptr, "open", command->file.c_str(), command->parameters.c_str(),
                                         nullptr, SW_SHOWMAXIMIZED);
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace kavrin
