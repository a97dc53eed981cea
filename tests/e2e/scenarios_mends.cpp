// The mend button from end to end: configure, click it, press OK, and find
// the demos where the game looks and the files naming them.
#include "scenarios.h"

#include "disk_files.h"
#include "e2e_fixture.h"
#include "remote_config_dialog.h"
#include "scenario.h"

namespace kavrin {
namespace {

struct MendCase {
  const char* name;
  const char* folder;   // the game's directory
  const char* exeName;
  const char* baseDir;
  const char* demoFolder;  // where the demo is picked, below C:\games
  std::vector<const char*> demos;
  const char* caption;  // what the button offers first
  const char* mod;      // the mod field after the mends
  const char* launchBytes;
  const char* demoListBytes;
  const char* scriptBytes;
  const char* madeFile;  // a file the mend made, with its bytes
  const char* madeBytes;
};

const MendCase kMends[] = {
    {"game/mend-copies-a-demo-where-quake2-looks", "C:\\games\\quake2", "quake2.exe", "baseq2", "dl", {"x.dm2"},
     "Copy 1 demo to baseq2\\demos", "", "C:\\games\\quake2\\\r\nquake2.exe\r\n+exec Scrnsave.cfg ",
     "C:\\games\\quake2\\baseq2\\demos\\x.dm2\r\n",
     "alias demo0 \"demomap x.dm2; set nextserver demo0\" \r\ndemo0", "C:\\games\\quake2\\baseq2\\demos\\x.dm2",
     "demo x.dm2"},
    {"game/mend-makes-quakes-loop-folder", "C:\\games\\quake", "glquake.exe", "id1", "quake\\id1", {"a.dem", "b.dem"},
     "Make the loop folder kavrin", "kavrin", "C:\\games\\quake\\\r\nglquake.exe\r\n-game kavrin +exec Scrnsave.cfg \r\n",
     "C:\\games\\quake\\id1\\a.dem\r\nC:\\games\\quake\\id1\\b.dem\r\n", "startdemos a.dem b.dem ",
     "C:\\games\\quake\\kavrin\\quake.rc", "exec default.cfg\r\nexec config.cfg\r\nexec autoexec.cfg\r\nstuffcmds\r\n"},
    {"game/mend-renames-a-quake3-demo-with-a-blank", "C:\\games\\quake3", "quake3.exe", "baseq3", "dl",
     {"my demo.dm_68"}, "Copy 1 demo to baseq3\\demos", "", "C:\\games\\quake3\\\r\nquake3.exe\r\n+exec Scrnsave.cfg ",
     "C:\\games\\quake3\\baseq3\\demos\\my_demo.dm_68\r\n", "set d0 \"demo my_demo.dm_68; set nextdemo vstr d0\" \r\nvstr d0",
     "C:\\games\\quake3\\baseq3\\demos\\my_demo.dm_68", "demo my demo.dm_68"},
};

std::string PickedFolder(const MendCase& row) { return std::string(kGamesRoot) + "\\" + row.demoFolder; }

void RunMend(const MendCase& row) {
  InstallGame(row.folder, row.exeName, row.baseDir);
  for (const char* demo : row.demos) WriteFileBytes(PickedFolder(row) + "\\" + demo, std::string("demo ") + demo);
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  dialog.BrowseExe(std::string(row.folder) + "\\" + row.exeName);
  dialog.BrowseDemos(PickedFolder(row), std::vector<std::string>(row.demos.begin(), row.demos.end()));
  WaitFor([&] { return dialog.MendCaption() == row.caption; }, std::string("the mend button to offer: ") + row.caption);
  dialog.Mend();
  ExpectEqual(dialog.MendCaption(), "", "what the mend button offers after the mend");
  ExpectEqual(dialog.ModDir(), row.mod, "the mod field after the mend");
  ExpectFileBytes(row.madeFile, row.madeBytes);
  for (const char* demo : row.demos) {
    ExpectFileBytes(PickedFolder(row) + "\\" + demo, std::string("demo ") + demo);
  }
  dialog.PressOk();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code after OK");
  ExpectFileBytes(kLaunchFile, row.launchBytes);
  ExpectFileBytes(kDemoListFile, row.demoListBytes);
  ExpectFileBytes(std::string(row.folder) + "\\" + row.baseDir + "\\Scrnsave.cfg", row.scriptBytes);
}

}  // namespace

std::vector<Scenario> MendScenarios() {
  std::vector<Scenario> scenarios;
  for (const MendCase& row : kMends) scenarios.push_back({row.name, [&row] { RunMend(row); }});
  return scenarios;
}

}  // namespace kavrin
