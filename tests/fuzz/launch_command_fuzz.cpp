// Any launch file: run mode launches only a named executable, clean lines.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/launch_command.h"
#include "fuzz_check.h"
#include "files/text_mode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kavrin;
  const std::string disk(reinterpret_cast<const char*>(data), size);
  const std::optional<LaunchCommand> command = ReadLaunchCommand(disk);
  const std::vector<std::string> lines = SplitDiskLines(disk);

  if (!command) {
    Require(LineOrEmpty(lines, 1).empty(), "a named executable is launched");
    return 0;
  }
  Require(!command->file.empty(), "nothing is launched without an executable name");
  Require(IsCleanLine(command->directory) && IsCleanLine(command->file) && IsCleanLine(command->parameters),
          "launch fields carry no line ends or NULs");
  Require(command->directory == LineOrEmpty(lines, 0) && command->file == LineOrEmpty(lines, 1) &&
              command->parameters == LineOrEmpty(lines, 2),
          "launch fields are the file's first three lines");
  return 0;
}
