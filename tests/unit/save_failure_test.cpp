// A save that fails part way: reported with the file that failed, and no
// file changes, except that a base directory that cannot be entered keeps
// the new launch file and demo list, and a file that cannot be replaced
// after an earlier one was is reported with the one that holds its new
// content.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include "settings/demo_list_file.h"
#include "files/exe_path.h"
#include "files/file_system.h"
#include "games/game_kind.h"
#include "games/game_script.h"
#include "settings/launch_file.h"
#include "settings/save_sequence.h"
#include "files/text_mode.h"
#include "temp_dir.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

#ifndef _WIN32
// A full disk without privileges: past `bytes` a write fails with EFBIG
// instead of killing the process, as ENOSPC would fail it.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int);
};
#endif

// A Quake 2 setup saved once ("old"), and the request of a second save.
struct Scene {
  Scene() {
    folder = dir / "games\\quake2\\";
    fs::create_directories(folder + "/baseq2");
    scriptPath = folder + "/baseq2/Scrnsave.cfg";
    next.exePath = folder + "quake2.exe";
    next.launchFilePath = dir / "q2scr.sc2";
    next.demoListFilePath = dir / "demos.sc2";
    SaveRequest first = next;
    first.modDir = "ctf";
    first.demos = {"c:\\demos\\old.dm2"};
    EXPECT_EQ(SaveConfiguration(first).status, SaveStatus::Saved);
    // Long names make the three files grow in this order: launch, list, script.
    for (int i = 0; i < 100; ++i) next.demos.push_back("c:\\d\\" + std::to_string(i) + std::string(98, 'n'));
  }
  ~Scene() {
    for (const std::string& path : restricted) {
      std::error_code ignored;
      fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }

  std::string NewLaunchFile() const { return ToDiskText(BuildLaunchFileText(next.exePath, next.modDir)); }
  std::string NewDemoList() const { return ToDiskText(BuildDemoListText(next.demos)); }
  std::string NewScript() const { return ToDiskText(BuildGameScript(Quake2, next.demos)); }

  TempDir dir;
  std::string folder;
  std::string scriptPath;
  SaveRequest next;
  std::vector<std::string> restricted;  // permissions taken away, given back at the end
#ifndef _WIN32
  std::unique_ptr<FileSizeLimit> limit;
#endif
  std::unique_ptr<std::ifstream> held;  // a file another program has open
};

// The file as it stands: its bytes, "<missing>" or "<directory>".
std::string Snapshot(const std::string& path) {
  std::error_code unreadable;
  return fs::is_directory(path, unreadable) ? "<directory>" : ReadBytes(path);
}

void ReplaceWithDirectory(const std::string& path) {
  fs::remove(path);
  fs::create_directory(path);
}

// Each fault returns "" when in place, or why it cannot be made here.
using Fault = std::string (*)(Scene&);

std::string MakeReadOnly(Scene& scene, const std::string& path) {
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  scene.restricted.push_back(path);
  return "";
}

std::string ReadOnlyFile(Scene& scene, const std::string& path) {
#ifdef _WIN32
  MakeReadOnly(scene, path);
  if (std::ofstream(path, std::ios::app)) return "the read-only attribute does not stop this user writing (Wine run as root ignores it)";
  return "";
#else
  (void)scene;
  (void)path;
  return "POSIX lets a rename replace a read-only file; only its folder's permission can stop a save";
#endif
}

std::string LaunchFolderMissing(Scene& scene) {
  scene.next.launchFilePath = scene.dir / "missing/q2scr.sc2";
  return "";
}

std::string LaunchFileIsADirectory(Scene& scene) {
  ReplaceWithDirectory(scene.next.launchFilePath);
  return "";
}

std::string LaunchFolderReadOnly(Scene& scene) {
  const std::string folder = scene.dir / "read-only";
  fs::create_directory(folder);
  scene.next.launchFilePath = folder + "/q2scr.sc2";
  WriteBytes(scene.next.launchFilePath, "old launch file");
  MakeReadOnly(scene, folder);
  const std::string probe = folder + "/probe";
  if (std::ofstream(probe)) {
    fs::remove(probe);
    return "a read-only folder does not stop this user creating files (root, or Windows folder attributes)";
  }
  return "";
}

std::string LaunchFileReadOnly(Scene& scene) { return ReadOnlyFile(scene, scene.next.launchFilePath); }

std::string DemoListFolderMissing(Scene& scene) {
  scene.next.demoListFilePath = scene.dir / "missing/demos.sc2";
  return "";
}

std::string DemoListIsADirectory(Scene& scene) {
  ReplaceWithDirectory(scene.next.demoListFilePath);
  return "";
}

std::string DemoListReadOnly(Scene& scene) { return ReadOnlyFile(scene, scene.next.demoListFilePath); }

// It stages, and Windows refuses to replace it only after the launch file
// was put in place.
std::string DemoListHeldOpen(Scene& scene) {
#ifdef _WIN32
  scene.held = std::make_unique<std::ifstream>(scene.next.demoListFilePath);
  return "";
#else
  (void)scene;
  return "POSIX lets a rename replace a file another program has open";
#endif
}

std::string BaseDirectoryMissing(Scene& scene) {
  const std::string other = scene.dir / "games\\no-base\\";
  fs::create_directories(other);
  scene.next.exePath = other + "quake2.exe";
  return "";
}

std::string BaseDirectoryLocked(Scene& scene) {
  const std::string base = scene.folder + "/baseq2";
  fs::permissions(base, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::remove);
  scene.restricted.push_back(base);
  std::error_code denied;
  if (fs::exists(scene.scriptPath, denied)) return "a folder without search permission is entered all the same (root, Windows)";
  return "";
}

std::string ScriptIsADirectory(Scene& scene) {
  ReplaceWithDirectory(scene.scriptPath);
  return "";
}

std::string ScriptReadOnly(Scene& scene) { return ReadOnlyFile(scene, scene.scriptPath); }

#ifndef _WIN32
// The disk fills up halfway between the sizes of two files.
std::string DiskFullAt(Scene& scene, size_t smallerFile, size_t failingFile) {
  if (smallerFile >= failingFile) return "the files do not grow in the order the case needs";
  scene.limit = std::make_unique<FileSizeLimit>((smallerFile + failingFile) / 2);
  return "";
}
std::string DiskFullAtLaunchFile(Scene& scene) { return DiskFullAt(scene, 0, scene.NewLaunchFile().size()); }
std::string DiskFullAtDemoList(Scene& scene) {
  return DiskFullAt(scene, scene.NewLaunchFile().size(), scene.NewDemoList().size());
}
std::string DiskFullAtScript(Scene& scene) {
  return DiskFullAt(scene, scene.NewDemoList().size(), scene.NewScript().size());
}
#else
std::string DiskFullUnavailable(Scene&) { return "no unprivileged way to fill a disk under Windows; the native run covers it"; }
std::string DiskFullAtLaunchFile(Scene& scene) { return DiskFullUnavailable(scene); }
std::string DiskFullAtDemoList(Scene& scene) { return DiskFullUnavailable(scene); }
std::string DiskFullAtScript(Scene& scene) { return DiskFullUnavailable(scene); }
#endif

enum class Failing { LaunchFile, DemoList, BaseDirectory, Script };
enum class After { Old, New };

struct SaveFault {
  const char* name;
  Fault fault;
  Failing failing;
  After launchFile, demoList, script;
  bool refused = false;  // the message says the account may not write there
};

const SaveFault kSaveFaults[] = {
    {"LaunchFolderMissing", LaunchFolderMissing, Failing::LaunchFile, After::Old, After::Old, After::Old},
    {"LaunchFileIsADirectory", LaunchFileIsADirectory, Failing::LaunchFile, After::Old, After::Old, After::Old},
    {"LaunchFolderReadOnly", LaunchFolderReadOnly, Failing::LaunchFile, After::Old, After::Old, After::Old, true},
    {"LaunchFileReadOnly", LaunchFileReadOnly, Failing::LaunchFile, After::Old, After::Old, After::Old, true},
    {"DiskFullAtLaunchFile", DiskFullAtLaunchFile, Failing::LaunchFile, After::Old, After::Old, After::Old},
    {"DemoListFolderMissing", DemoListFolderMissing, Failing::DemoList, After::Old, After::Old, After::Old},
    {"DemoListIsADirectory", DemoListIsADirectory, Failing::DemoList, After::Old, After::Old, After::Old},
    {"DemoListReadOnly", DemoListReadOnly, Failing::DemoList, After::Old, After::Old, After::Old, true},
    {"DiskFullAtDemoList", DiskFullAtDemoList, Failing::DemoList, After::Old, After::Old, After::Old},
    {"DemoListHeldOpen", DemoListHeldOpen, Failing::DemoList, After::New, After::Old, After::Old},
    {"BaseDirectoryMissing", BaseDirectoryMissing, Failing::BaseDirectory, After::New, After::New, After::Old},
    {"BaseDirectoryLocked", BaseDirectoryLocked, Failing::BaseDirectory, After::New, After::New, After::Old},
    {"ScriptIsADirectory", ScriptIsADirectory, Failing::Script, After::Old, After::Old, After::Old},
    {"ScriptReadOnly", ScriptReadOnly, Failing::Script, After::Old, After::Old, After::Old, true},
    {"DiskFullAtScript", DiskFullAtScript, Failing::Script, After::Old, After::Old, After::Old},
};

std::string FailingPath(const Scene& scene, Failing failing) {
  switch (failing) {
    case Failing::LaunchFile: return scene.next.launchFilePath;
    case Failing::DemoList: return scene.next.demoListFilePath;
    case Failing::BaseDirectory: return ExeDirectory(scene.next.exePath) + "/baseq2/";
    case Failing::Script: return scene.scriptPath;
  }
  return "";
}

std::vector<std::string> TemporaryFilesIn(const std::string& folder) {
  std::vector<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.path().string().find(".kavrin-new") != std::string::npos) found.push_back(entry.path().string());
  }
  return found;
}

// Failures name the row, not its bytes.
void PrintTo(const SaveFault& row, std::ostream* out) { *out << row.name; }

class SaveFailure : public ::testing::TestWithParam<SaveFault> {};

TEST_P(SaveFailure, IsReportedWithItsFileAndKeepsTheEarlierFiles) {
  const SaveFault& row = GetParam();
  Scene scene;
  const std::string skip = row.fault(scene);
  if (!skip.empty()) GTEST_SKIP() << skip;
  const std::string oldLaunchFile = Snapshot(scene.next.launchFilePath);
  const std::string oldDemoList = Snapshot(scene.next.demoListFilePath);
  const std::string oldScript = Snapshot(scene.scriptPath);

  const SaveResult result = SaveConfiguration(scene.next);
#ifndef _WIN32
  scene.limit.reset();
#endif
  scene.held.reset();

  const SaveStatus expected =
      row.failing == Failing::BaseDirectory ? SaveStatus::GameDirectoryIncorrect : SaveStatus::WriteFailed;
  EXPECT_EQ(result.status, expected);
  EXPECT_EQ(result.ExitCode(), 1);
  EXPECT_EQ(result.path, FailingPath(scene, row.failing));
  EXPECT_EQ(result.message.rfind(DisplayPath(result.path) + "\n", 0), 0u) << result.message;
  EXPECT_EQ(result.message.find("does not let this account write") != std::string::npos, row.refused)
      << result.message;
  // A file already replaced when a later one failed is named as such.
  const std::pair<std::string, After> files[] = {{scene.next.launchFilePath, row.launchFile},
                                                 {scene.next.demoListFilePath, row.demoList},
                                                 {scene.scriptPath, row.script}};
  for (const auto& [path, after] : files) {
    const bool named = result.message.find(DisplayPath(path) + " holds its new content.") != std::string::npos;
    EXPECT_EQ(named, expected == SaveStatus::WriteFailed && after == After::New) << result.message;
  }
  EXPECT_EQ(Snapshot(scene.next.launchFilePath), row.launchFile == After::Old ? oldLaunchFile : scene.NewLaunchFile());
  EXPECT_EQ(Snapshot(scene.next.demoListFilePath), row.demoList == After::Old ? oldDemoList : scene.NewDemoList());
  EXPECT_EQ(Snapshot(scene.scriptPath), row.script == After::Old ? oldScript : scene.NewScript());
  EXPECT_TRUE(TemporaryFilesIn(scene.dir.path()).empty());
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFailure, ::testing::ValuesIn(kSaveFaults),
                         [](const ::testing::TestParamInfo<SaveFault>& info) { return std::string(info.param.name); });

TEST(SaveFailure, SettingsFilesRefusedToTheAccountBothGoToTheFallbackFolder) {
  Scene scene;
  const std::string skip = LaunchFolderReadOnly(scene);
  if (!skip.empty()) GTEST_SKIP() << skip;
  const std::string oldLaunchFile = ReadBytes(scene.next.launchFilePath);
  const std::string oldDemoList = ReadBytes(scene.next.demoListFilePath);
  const std::string fallback = scene.dir / "user" + "/";
  scene.next.fallbackFolder = fallback;

  ASSERT_EQ(SaveConfiguration(scene.next).status, SaveStatus::Saved);
  EXPECT_EQ(ReadBytes(scene.next.launchFilePath), oldLaunchFile);
  EXPECT_EQ(ReadBytes(scene.next.demoListFilePath), oldDemoList);
  EXPECT_EQ(ReadBytes(fallback + kLaunchFileName), scene.NewLaunchFile());
  EXPECT_EQ(ReadBytes(fallback + kDemoListFileName), scene.NewDemoList());
  EXPECT_EQ(ReadBytes(scene.scriptPath), scene.NewScript());
  EXPECT_TRUE(TemporaryFilesIn(scene.dir.path()).empty());
}

TEST(SaveFailure, ADirectoryInTheWayIsReportedNotMovedToTheFallbackFolder) {
  Scene scene;
  ReplaceWithDirectory(scene.next.demoListFilePath);
  scene.next.fallbackFolder = scene.dir / "user" + "/";
  const SaveResult result = SaveConfiguration(scene.next);
  EXPECT_EQ(result.status, SaveStatus::WriteFailed);
  EXPECT_EQ(result.path, scene.next.demoListFilePath);
  EXPECT_FALSE(fs::exists(scene.next.fallbackFolder));
}

TEST(SaveFailure, TheNextSaveAfterAFailureWritesEverything) {
  Scene scene;
  ReplaceWithDirectory(scene.next.demoListFilePath);
  ASSERT_EQ(SaveConfiguration(scene.next).status, SaveStatus::WriteFailed);
  fs::remove(scene.next.demoListFilePath);

  ASSERT_EQ(SaveConfiguration(scene.next).status, SaveStatus::Saved);
  EXPECT_EQ(ReadBytes(scene.next.launchFilePath), scene.NewLaunchFile());
  EXPECT_EQ(ReadBytes(scene.next.demoListFilePath), scene.NewDemoList());
  EXPECT_EQ(ReadBytes(scene.scriptPath), scene.NewScript());
}

}  // namespace
}  // namespace kavrin
