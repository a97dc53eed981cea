// Saves killed at random moments (TerminateProcess right after OK): each
// settings file is afterwards exactly its old or its new content, also on
// Windows 98, where a file is replaced through a backup in two renames.
#include "scenarios.h"

#include <cstdio>
#include <cstdlib>
#include <random>

#include "disk_files.h"
#include "e2e_fixture.h"
#include "remote_config_dialog.h"
#include "scenario.h"
#include "wine_settings.h"

namespace kavrin {
namespace {

constexpr const char* kScriptPath = "C:\\games\\quake2\\baseq2\\Scrnsave.cfg";
constexpr const char* kOldLaunch = "C:\\games\\quake2\\\r\nquake2.exe\r\n+exec Scrnsave.cfg +set game ctf";
constexpr const char* kNewLaunch = "C:\\games\\quake2\\\r\nquake2.exe\r\n+exec Scrnsave.cfg +set game dm";
constexpr const char* kOldScript = "old script\r\n";
constexpr UINT kKilledCode = 0x4B111;
constexpr int kDefaultRuns = 60;

// The three files as one save leaves them.
struct SavedFiles {
  std::string launch;
  std::string demos;
  std::string script;
};

// 100 demos with long paths, so the save has much to write.
std::string OldDemoList() {
  const std::string folder = "C:\\demos\\" + std::string(900, 'd') + "\\";
  std::string bytes;
  for (int i = 0; i < 100; ++i) bytes += folder + "demo-" + std::to_string(i) + ".dm2\r\n";
  return bytes;
}

// What the edits below make of it: the first demo removed.
std::string NewDemoList() {
  const std::string old = OldDemoList();
  return old.substr(old.find("\r\n") + 2);
}

void WriteOldFiles() {
  WriteFileBytes(kLaunchFile, kOldLaunch);
  WriteFileBytes(kDemoListFile, OldDemoList());
  WriteFileBytes(kScriptPath, kOldScript);
}

std::string BackupOf(const std::string& path) { return path + ".kavrin-old"; }

// Cut short between its two renames, a file is only its backup, which
// Kavrin reads in its place (and run mode renames back for the game).
std::string ContentNow(const std::string& path) {
  if (std::optional<std::string> bytes = ReadFileBytes(path)) return *bytes;
  return ReadFileOr(BackupOf(path), "<missing>");
}

bool CutBetweenRenames(const std::string& path) { return !FileExists(path) && FileExists(BackupOf(path)); }

SavedFiles FilesNow() { return {ContentNow(kLaunchFile), ContentNow(kDemoListFile), ContentNow(kScriptPath)}; }

// Every file would change: the mod, the demo list and so the script.
std::unique_ptr<SaverProcess> StartEditedSave() {
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  dialog.TypeModDir("dm");
  dialog.Remove({0});
  dialog.PressOk();
  return saver;
}

// The new contents that saves staged beside each file and left there
// (each process stages under a name of its own).
std::vector<std::string> StagedPaths() {
  std::vector<std::string> staged;
  for (const std::string path : {kLaunchFile, kDemoListFile, kScriptPath}) {
    const std::string folder = ParentOf(path);
    for (const std::string& name : ListFiles(folder, path.substr(folder.size() + 1) + ".*.kavrin-new")) {
      staged.push_back(folder + "\\" + name);
    }
  }
  return staged;
}

size_t StagedFilesLeft() { return StagedPaths().size(); }

// A save that runs to its end: the new files, and how long it took from
// pressing OK to the end of the process.
SavedFiles CompleteSave(double* okToExitMs) {
  const size_t stagedBefore = StagedFilesLeft();
  WriteOldFiles();
  auto saver = StartEditedSave();
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code of a save left alone");
  QueryPerformanceCounter(&end);
  *okToExitMs = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  ExpectEqual(StagedFilesLeft(), stagedBefore, "staged files left by a save left alone");
  return FilesNow();
}

// Spins rather than sleeps: a kill point finer than a millisecond.
void WaitMicroseconds(long long microseconds) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  do {
    QueryPerformanceCounter(&now);
  } while ((now.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart < microseconds);
}

// "old", "new", or a description of what else the file holds.
std::string Judge(const std::string& now, const std::string& old, const std::string& fresh) {
  if (now == old) return "old";
  if (now == fresh) return "new";
  return "neither old nor new (" + std::to_string(now.size()) + " bytes; old " + std::to_string(old.size()) +
         ", new " + std::to_string(fresh.size()) + ")";
}

struct KillTally {
  int killed = 0;  // the kill came while the process still ran
  int allOld = 0;
  int allNew = 0;
  int mixed = 0;       // some files old, some new: killed between replacements
  int stagedLeft = 0;  // runs that left a staged file behind
  int cut = 0;         // runs that left a file only as its backup
};

void KillOneSave(const SavedFiles& old, const SavedFiles& fresh, long long delayUs, KillTally& tally) {
  for (const std::string& path : StagedPaths()) RemoveTree(path);
  for (const char* path : {kLaunchFile, kDemoListFile, kScriptPath}) RemoveTree(BackupOf(path));
  WriteOldFiles();
  auto saver = StartEditedSave();
  WaitMicroseconds(delayUs);
  if (saver->Kill(kKilledCode) == kKilledCode) ++tally.killed;

  const SavedFiles now = FilesNow();
  const std::string verdicts[] = {Judge(now.launch, old.launch, fresh.launch),
                                  Judge(now.demos, old.demos, fresh.demos),
                                  Judge(now.script, old.script, fresh.script)};
  const char* names[] = {kLaunchFile, kDemoListFile, kScriptPath};
  for (int i = 0; i < 3; ++i) {
    if (verdicts[i] != "old" && verdicts[i] != "new") {
      Fail("killed " + std::to_string(delayUs) + " us after OK: " + names[i] + " is " + verdicts[i]);
    }
  }
  const int newFiles = (verdicts[0] == "new") + (verdicts[1] == "new") + (verdicts[2] == "new");
  if (newFiles == 0) ++tally.allOld;
  if (newFiles == 3) ++tally.allNew;
  if (newFiles == 1 || newFiles == 2) ++tally.mixed;
  if (StagedFilesLeft() > 0) ++tally.stagedLeft;
  if (CutBetweenRenames(kLaunchFile) || CutBetweenRenames(kDemoListFile) || CutBetweenRenames(kScriptPath)) {
    ++tally.cut;
  }
}

int KillRuns() {
  const char* runs = std::getenv("KAVRIN_E2E_KILL_RUNS");
  return runs != nullptr && std::atoi(runs) > 0 ? std::atoi(runs) : kDefaultRuns;
}

void KilledSavesLoseNothing() {
  InstallGame("C:\\games\\quake2", "quake2.exe", "baseq2");
  WriteOldFiles();
  const SavedFiles old = FilesNow();
  double okToExitMs = 0;
  const SavedFiles fresh = CompleteSave(&okToExitMs);
  ExpectEqual(fresh.launch, kNewLaunch, "the launch file a save left alone writes");
  ExpectEqual(fresh.demos, NewDemoList(), "the demo list a save left alone writes");
  Expect(fresh.script != old.script, "a save left alone did not write the script");

  // Kill points spread from pressing OK to a little past the end the save
  // left alone took.
  std::mt19937 random(GetTickCount());
  std::uniform_int_distribution<long long> delayUs(0, static_cast<long long>(okToExitMs * 1200));
  KillTally tally;
  const int runs = KillRuns();
  for (int run = 0; run < runs; ++run) KillOneSave(old, fresh, delayUs(random), tally);

  // What a killed save left staged does not disturb the next save, nor
  // does that save touch it.
  for (const std::string& path : StagedPaths()) RemoveTree(path);
  const std::string leftOver = std::string(kLaunchFile) + ".1.kavrin-new";
  WriteFileBytes(leftOver, "left by a killed save");
  double finalSaveMs = 0;
  const SavedFiles after = CompleteSave(&finalSaveMs);
  ExpectEqual(after.launch, fresh.launch, "the launch file of a save after the kills");
  ExpectEqual(after.demos, fresh.demos, "the demo list of a save after the kills");
  ExpectEqual(after.script, fresh.script, "the script of a save after the kills");
  ExpectEqual(ReadFileOr(leftOver, "<missing>"), "left by a killed save", "a file another save staged");

  std::printf("  %d kills (OK to exit %.1f ms): %d while running; files all old %d, all new %d, "
              "mixed %d; staged files left after %d; a file left as its backup after %d\n",
              runs, okToExitMs, tally.killed, tally.allOld, tally.allNew, tally.mixed, tally.stagedLeft, tally.cut);
  Expect(tally.killed > 0, "no kill came while the program still ran");
}

// The state a save of the 9x line leaves when it is cut short between the
// two renames of every file: each file only as its backup. Kavrin reads
// the backups, run mode gives the game its script back, and the next save
// replaces them all.
void CutBetweenRenamesLosesNothing() {
  const ScopedUserValue version = ReportedWindowsVersion("win98");
  InstallGame("C:\\games\\quake2", "quake2.exe", "baseq2");
  WriteFileBytes(BackupOf(kLaunchFile), kOldLaunch);
  WriteFileBytes(BackupOf(kDemoListFile), OldDemoList());
  WriteFileBytes(BackupOf(kScriptPath), kOldScript);

  {
    auto saver = StartSaver("/c");
    RemoteConfigDialog dialog(saver->Id());
    ExpectEqual(dialog.ModDir(), "ctf", "mod field read from the backup");
    ExpectEqual(dialog.CountText(), "100", "count display read from the backup");
    dialog.PressCancel();
    ExpectEqual(saver->ExitCode(kPatience), 0, "exit code after Cancel");
  }
  ExpectNoFile(kLaunchFile);
  ExpectNoFile(kDemoListFile);

  ExpectScreenSaverStartsGame("C:\\games\\quake2\\quake2.exe", "+exec Scrnsave.cfg +set game ctf",
                              "C:\\games\\quake2");
  ExpectFileBytes(kScriptPath, kOldScript);
  ExpectNoFile(BackupOf(kScriptPath));

  auto saver = StartEditedSave();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code of the next save");
  ExpectFileBytes(kLaunchFile, kNewLaunch);
  ExpectFileBytes(kDemoListFile, NewDemoList());
  Expect(ReadFileOr(kScriptPath, kOldScript) != kOldScript, "the next save did not write the script");
  for (const char* path : {kLaunchFile, kDemoListFile, kScriptPath}) ExpectNoFile(BackupOf(path));
}

void KilledSavesOnWindows98LoseNothing() {
  const ScopedUserValue version = ReportedWindowsVersion("win98");
  KilledSavesLoseNothing();
}

}  // namespace

std::vector<Scenario> KilledSaveScenarios() {
  return {{"save/killed-at-random", KilledSavesLoseNothing},
          {"save/killed-at-random/98", KilledSavesOnWindows98LoseNothing},
          {"save/cut-short-between-renames", CutBetweenRenamesLosesNothing}};
}

}  // namespace kavrin
