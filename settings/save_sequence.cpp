#include "settings/save_sequence.h"

#include "settings/exe_path.h"
#include "settings/file_system.h"
#include "settings/game_kind.h"
#include "settings/game_script.h"
#include "settings/text_mode.h"

namespace kavrin {
namespace {

SaveResult Failure(SaveStatus status, const std::string& path, const char* what) {
  return {status, path, path + "\n" + what};
}

SaveResult WriteFailure(const std::string& path) {
  return Failure(SaveStatus::WriteFailed, path, "Could not write this file. Its earlier content is unchanged.");
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  return ReplaceFileContent(path, ToDiskText(text));
}

// Enters `directory` for the lifetime of the object and then goes back.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::string& directory)
      : previous_(CurrentDirectory()), entered_(ChangeDirectory(directory)) {}
  ~WorkingDirectory() {
    if (entered_ && !previous_.empty()) ChangeDirectory(previous_);
  }
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;
  bool entered() const { return entered_; }

 private:
  std::string previous_;
  bool entered_;
};

}  // namespace

SaveResult SaveConfiguration(const SaveRequest& request) {
  if (!WriteTextFile(request.launchFilePath, BuildLaunchFileText(request.exePath, request.modDir))) {
    return WriteFailure(request.launchFilePath);
  }
  if (!WriteTextFile(request.demoListFilePath, BuildDemoListText(request.demos))) {
    return WriteFailure(request.demoListFilePath);
  }

  const GameKind kind = ClassifyExeName(LowerCase(ExeName(request.exePath)));
  if (!HasGameScript(kind)) return {};

  // The directory already ends with a backslash; the suffix adds "/base/".
  const std::string baseDirectory = ExeDirectory(request.exePath) + BaseDirectorySuffix(kind);
  WorkingDirectory base(baseDirectory);
  if (!base.entered()) {
    return Failure(SaveStatus::GameDirectoryIncorrect, baseDirectory, "Game Directory Incorrect");
  }
  if (!WriteTextFile(kGameScriptName, BuildGameScript(kind, request.demos))) {
    return WriteFailure(baseDirectory + kGameScriptName);
  }
  return {};
}

}  // namespace kavrin
