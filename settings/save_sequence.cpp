#include "settings/save_sequence.h"

#include "files/exe_path.h"
#include "files/file_system.h"
#include "games/game_script.h"
#include "games/game_table.h"
#include "settings/settings_place.h"
#include "settings/shared_file.h"
#include "files/staged_files.h"

namespace kavrin {
namespace {

// The path, as the user writes it, then what went wrong.
SaveResult Failure(SaveStatus status, const std::string& path, const char* what) {
  return {status, path, DisplayPath(path) + "\n" + what};
}

SaveResult WriteFailure(const std::string& path, WriteFault fault) {
  return {SaveStatus::WriteFailed, path,
          WriteFaultText(path, "Could not write this file", fault) + " Its earlier content is unchanged."};
}

// Files put in place before one failed keep their new content: the
// message says which file holds what.
SaveResult CommitAll(StagedFiles& files) {
  const size_t committed = files.Commit();
  const std::vector<std::string>& paths = files.Paths();
  if (committed == paths.size()) return SaveResult{};
  SaveResult result = WriteFailure(paths[committed], WriteFault::Other);
  for (size_t i = 0; i < paths.size(); ++i) {
    const char* holds = i < committed ? " holds its new content." : " keeps its earlier content.";
    if (i != committed) result.message.append("\n").append(DisplayPath(paths[i])).append(holds);
  }
  return result;
}

struct Refusal {
  WriteFault fault = WriteFault::None;
  std::string path;
};

Refusal StageSettingsFiles(StagedFiles& files, const SaveRequest& request, const std::string& launchFilePath,
                           const std::string& demoListFilePath) {
  const std::string launchText = BuildLaunchFileText(request.exePath, request.modDir, request.demos);
  // It names the program that every account's screen saver starts, so
  // the one in c:\ is created with security that lets no other account
  // change it.
  WriteFault fault =
      files.Stage(launchFilePath, launchText, IsSharedLaunchFile(launchFilePath) ? CreateSharedFile : WriteNewFile);
  if (fault != WriteFault::None) return {fault, launchFilePath};
  fault = files.Stage(demoListFilePath, BuildDemoListText(request.demos));
  if (fault != WriteFault::None) return {fault, demoListFilePath};
  return {};
}

// Once the new Scrnsave.cfg names the new scripts, the ones it named
// before go, up to the first that is not there.
void RemoveRetiredScripts(const std::string& baseDirectory, const GameEngine& engine, const std::string& current) {
  for (size_t i = 0;; ++i) {
    const std::string name = RetiredScriptName(engine, current, i);
    if (name.empty() || !RemoveFile(baseDirectory + name)) return;
  }
}

}  // namespace

SaveResult SaveConfiguration(const SaveRequest& request) {
  // Every file is written in full beside its old self before any of them
  // replaces the old one, so a file that cannot be written changes nothing.
  StagedFiles files;
  Refusal refused = StageSettingsFiles(files, request, request.launchFilePath, request.demoListFilePath);
  if (FallsBack(refused.fault, request.fallbackFolder)) {
    // Both files move together: one settings place, never half of each.
    files.Discard();
    MakeDirectory(request.fallbackFolder);
    const SettingsPlace fallback{request.fallbackFolder, ""};
    refused = StageSettingsFiles(files, request, fallback.LaunchFile(), fallback.DemoListFile());
  }
  if (refused.fault != WriteFault::None) return WriteFailure(refused.path, refused.fault);

  const GameEngine& engine = EngineOfExe(ExeName(request.exePath));
  const GameFamily& family = engine.family;
  if (!HasGameScript(family)) return CommitAll(files);

  const std::string baseDirectory = BaseDirectory(ExeDirectory(request.exePath), family);
  if (!CanEnterDirectory(baseDirectory)) {
    // The launch file and demo list stand on their own and are kept; only
    // the script has nowhere to go.
    const SaveResult committed = CommitAll(files);
    if (committed.status != SaveStatus::Saved) return committed;
    return Failure(SaveStatus::GameDirectoryIncorrect, baseDirectory, "Game Directory Incorrect");
  }
  const std::string current = ReadFileBytes(GameScriptPath(ExeDirectory(request.exePath), family)).value_or("");
  for (const ScriptFile& script : BuildGameScripts(engine, request.demos, current)) {
    const std::string path = baseDirectory + script.name;
    const WriteFault fault = files.Stage(path, script.text);
    if (fault != WriteFault::None) return WriteFailure(path, fault);
  }
  const SaveResult saved = CommitAll(files);
  if (saved.status == SaveStatus::Saved) RemoveRetiredScripts(baseDirectory, engine, current);
  return saved;
}

}  // namespace kavrin
