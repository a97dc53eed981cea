// What a save writes for a game, made by Kavrin's own code for the engine
// check: the game script's files in the game's base folder, and the
// argument line.
//   kavrin_game_files GAME_FOLDER EXE_NAME MOD DEMO...
// A DEMO that starts with "/" is a full path as it is; any other is a name
// in C:\demos. Writes GAME_FOLDER/<base folder>/Scrnsave.cfg (and, for a
// QuakeWorld client, one script per demo) and prints the launch file's
// line 3 without its line end. Ends with 2 for a game with no script.
#include <cstdio>
#include <string>
#include <vector>

#include "files/file_system.h"
#include "files/text_mode.h"
#include "games/game_script.h"
#include "games/game_table.h"
#include "settings/launch_file.h"

int main(int argc, char** argv) {
  using namespace kavrin;
  if (argc < 4) {
    std::fprintf(stderr, "usage: kavrin_game_files GAME_FOLDER EXE_NAME MOD DEMO...\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::string exeName = argv[2];
  const std::string mod = argv[3];
  // The demos as the dialog holds them: full paths.
  std::vector<std::string> demos;
  for (int i = 4; i < argc; ++i) demos.push_back(argv[i][0] == '/' ? argv[i] : std::string("C:\\demos\\") + argv[i]);

  const GameEngine& engine = EngineOfExe(exeName);
  if (!HasGameScript(engine.family)) return 2;
  // The launch file's directory line ends with a separator, so does ours.
  const std::string baseDirectory = BaseDirectory(folder + "/", engine.family);
  const std::string current = ReadFileBytes(baseDirectory + kGameScriptName).value_or("");
  for (const ScriptFile& script : BuildGameScripts(engine, demos, current)) {
    if (ReplaceFileContent(baseDirectory + script.name, ToDiskText(script.text)) != WriteFault::None) {
      std::fprintf(stderr, "kavrin_game_files: cannot write %s%s\n", baseDirectory.c_str(), script.name.c_str());
      return 1;
    }
  }
  const std::vector<std::string> lines = SplitDiskLines(BuildLaunchFileText("C:\\game\\" + exeName, mod, demos));
  std::printf("%s\n", LineOrEmpty(lines, 2).c_str());
  return 0;
}
