#include "settings/launch_file.h"

#include "games/argument_line.h"
#include "games/demo_chain.h"
#include "files/exe_path.h"
#include "files/text_mode.h"

namespace kavrin {

std::string BuildLaunchFileText(const std::string& exePath, const std::string& modDir,
                                const std::vector<std::string>& demos) {
  const std::string name = LowerCase(ExeName(exePath));
  const GameEngine& engine = EngineOfExe(name);
  return ExeDirectory(exePath) + "\n" + name + "\n" +
         BuildArgumentLine(engine.family, modDir, LeadingDemo(engine, demos));
}

LaunchFields ReadLaunchFields(const std::string& diskText) {
  const std::vector<std::string> lines = SplitDiskLines(diskText);
  const std::string name = LineOrEmpty(lines, 1);
  return {LineOrEmpty(lines, 0) + name, ModFromArgumentLine(LineOrEmpty(lines, 2), EngineOfExe(name).family)};
}

}  // namespace kavrin
