// Saving the user's choices: launch file, demo list, then the game script.
#pragma once

#include <string>
#include <vector>

#include "settings/demo_list_file.h"
#include "settings/launch_file.h"

namespace kavrin {

struct SaveRequest {
  std::string exePath;
  std::string modDir;
  std::vector<std::string> demos;  // at most kMaxDemos, in list order
  std::string launchFilePath = kLaunchFilePath;
  std::string demoListFilePath = kDemoListFilePath;
  // Where both settings files go instead when the account may not write
  // either of theirs; "" for nowhere (the save then fails).
  std::string fallbackFolder;
};

enum class SaveStatus {
  Saved,
  WriteFailed,             // `path` is the file that could not be written
  GameDirectoryIncorrect,  // `path` is the base directory that was tried
};

struct SaveResult {
  SaveStatus status = SaveStatus::Saved;
  std::string path;
  std::string message;  // for the user; "" when saved

  // What the program ends with: 0 when saved, 1 otherwise.
  int ExitCode() const { return status == SaveStatus::Saved ? 0 : 1; }
};

// Writes the launch file, the demo list file and, for a known game, the
// script in the game's base directory. Settings files refused to this
// account are written into the fallback folder (created if needed)
// instead, both of them. All files are written in full before any
// replaces its old content, so a file that cannot be written leaves all
// three as they were. A base directory that cannot be entered
// keeps the new launch file and demo list and writes no script. The working
// directory is left as it was found.
SaveResult SaveConfiguration(const SaveRequest& request);

}  // namespace kavrin
