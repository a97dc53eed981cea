#include "settings/save_sequence.h"

#include "settings/exe_path.h"
#include "settings/file_system.h"
#include "settings/game_kind.h"
#include "settings/game_script.h"
#include "settings/staged_files.h"

namespace kavrin {
namespace {

SaveResult Failure(SaveStatus status, const std::string& path, const char* what) {
  return {status, path, path + "\n" + what};
}

SaveResult WriteFailure(const std::string& path) {
  return Failure(SaveStatus::WriteFailed, path, "Could not write this file. Its earlier content is unchanged.");
}

SaveResult CommitAll(StagedFiles& files) {
  const std::string failed = files.Commit();
  return failed.empty() ? SaveResult{} : WriteFailure(failed);
}

}  // namespace

SaveResult SaveConfiguration(const SaveRequest& request) {
  // Every file is written in full beside its old self before any of them
  // replaces the old one, so a file that cannot be written changes nothing.
  StagedFiles files;
  if (!files.Stage(request.launchFilePath, BuildLaunchFileText(request.exePath, request.modDir))) {
    return WriteFailure(request.launchFilePath);
  }
  if (!files.Stage(request.demoListFilePath, BuildDemoListText(request.demos))) {
    return WriteFailure(request.demoListFilePath);
  }

  const GameKind kind = ClassifyExeName(LowerCase(ExeName(request.exePath)));
  if (!HasGameScript(kind)) return CommitAll(files);

  // The directory already ends with a backslash; the suffix adds "/base/".
  const std::string baseDirectory = ExeDirectory(request.exePath) + BaseDirectorySuffix(kind);
  if (!CanEnterDirectory(baseDirectory)) {
    // The launch file and demo list stand on their own and are kept; only
    // the script has nowhere to go.
    const SaveResult committed = CommitAll(files);
    if (committed.status != SaveStatus::Saved) return committed;
    return Failure(SaveStatus::GameDirectoryIncorrect, baseDirectory, "Game Directory Incorrect");
  }
  const std::string scriptPath = baseDirectory + kGameScriptName;
  if (!files.Stage(scriptPath, BuildGameScript(kind, request.demos))) return WriteFailure(scriptPath);
  return CommitAll(files);
}

}  // namespace kavrin
