// Every game kind from end to end: configure through the dialog, compare
// the written files byte for byte, reopen, then run the game.
#include "scenarios.h"

#include <cctype>

#include "disk_files.h"
#include "e2e_fixture.h"
#include "remote_config_dialog.h"
#include "scenario.h"
#include "wine_settings.h"

namespace kavrin {
namespace {

// Each kind is configured with the same demo editing: three files picked
// at once, two more with blanks in their paths, then two entries removed.
// The demomap rings write the capital ".DM2" in lower case.
const std::vector<std::string> kSavedDemos = {
    "C:\\demos\\one.dm2", "C:\\demos\\three.dm2", "C:\\my demos\\A B.DM2"};
constexpr const char* kDemoListBytes = "C:\\demos\\one.dm2\r\nC:\\demos\\three.dm2\r\nC:\\my demos\\A B.DM2\r\n";

constexpr const char* kStartdemosScript = "startdemos one.dm2 three.dm2 A B.DM2 ";
constexpr const char* kQuake2Script =
    "alias demo0 \"demomap one.dm2; set nextserver demo1\" \r\n"
    "alias demo1 \"demomap three.dm2; set nextserver demo2\" \r\n"
    "alias demo2 \"demomap A B.dm2; set nextserver demo0\" \r\n"
    "demo0";
constexpr const char* kHlScript = "startdemos one.dm2 three.dm2 A B.DM2 \r\ndemos";
constexpr const char* kQuake3Script =
    "set d0 \"demo one.dm2; set nextdemo vstr d1\" \r\n"
    "set d1 \"demo three.dm2; set nextdemo vstr d2\" \r\n"
    "set d2 \"demo A B.DM2; set nextdemo vstr d0\" \r\n"
    "vstr d0";
constexpr const char* kSinScript =
    "alias demo0 \"demomap one.dm2; set nextserver demo1\" \r\n"
    "alias demo1 \"demomap three.dm2; set nextserver demo2\" \r\n"
    "alias demo2 \"demomap A B.dm2; set nextserver demo0\" \r\n"
    "\r\n"
    "demo0";

struct GameKindCase {
  const char* name;
  const char* folder;   // the game's directory, no trailing backslash
  const char* exeName;  // as installed and chosen
  const char* baseDir;  // "" for a game that gets no script
  const char* mod;
  const char* launchBytes;
  const char* scriptBytes;  // nullptr: no script anywhere
  const char* arguments;    // what the game is started with
  const char* note;         // what the play note says before OK, in part
};

const GameKindCase kGameKinds[] = {
    {"game/glquake", "C:\\games\\quake", "glquake.exe", "id1", "ctf",
     "C:\\games\\quake\\\r\nglquake.exe\r\n-game ctf +exec Scrnsave.cfg \r\n", kStartdemosScript,
     "-game ctf +exec Scrnsave.cfg ",
     "3 demos will not play: one.dm2 and 2 more are not in ctf or id1, where the game looks."},
    {"game/winquake", "C:\\games\\winquake", "WinQuake.exe", "id1", "",
     "C:\\games\\winquake\\\r\nwinquake.exe\r\n+exec Scrnsave.cfg \r\n", kStartdemosScript,
     "+exec Scrnsave.cfg ",
     "Only the first demo plays: the game's own quake.rc replaces the list."},
    {"game/quake2", "C:\\games\\quake2", "quake2.exe", "baseq2", "ctf",
     "C:\\games\\quake2\\\r\nquake2.exe\r\n+exec Scrnsave.cfg +set game ctf", kQuake2Script,
     "+exec Scrnsave.cfg +set game ctf",
     "Quake II: the script goes to C:\\games\\quake2\\baseq2.\r\n"},
    {"game/hl", "C:\\games\\half life", "hl.exe", "valve", "tfc",
     "C:\\games\\half life\\\r\nhl.exe\r\n-toconsole -game tfc +exec Scrnsave.cfg ", kHlScript,
     "-toconsole -game tfc +exec Scrnsave.cfg ",
     "A B.DM2 holds \" \": the game splits the name there and never plays it."},
    {"game/quake3", "C:\\games\\quake3", "quake3.exe", "baseq3", "",
     "C:\\games\\quake3\\\r\nquake3.exe\r\n+exec Scrnsave.cfg ", kQuake3Script, "+exec Scrnsave.cfg ",
     "one.dm2 and 2 more do not end in .dm_ and digits"},
    {"game/ioquake3", "C:\\games\\quake3", "ioquake3.x86_64.exe", "baseq3", "kavmod",
     "C:\\games\\quake3\\\r\nioquake3.x86_64.exe\r\n+exec Scrnsave.cfg +set fs_game kavmod", kQuake3Script,
     "+exec Scrnsave.cfg +set fs_game kavmod",
     "The mod folder C:\\games\\quake3\\kavmod does not exist."},
    {"game/sin", "C:\\games\\sin", "sin.exe", "base", "ctf",
     "C:\\games\\sin\\\r\nsin.exe\r\n+exec Scrnsave.cfg +set game ctf", kSinScript,
     "+exec Scrnsave.cfg +set game ctf",
     "3 demos will not play: one.dm2 and 2 more are not in ctf\\demos or base\\demos"},
    {"game/heretic2", "C:\\games\\heretic2", "heretic2.exe", "base", "",
     "C:\\games\\heretic2\\\r\nheretic2.exe\r\n+exec Scrnsave.cfg ", kSinScript, "+exec Scrnsave.cfg ",
     "Heretic II: the script goes to C:\\games\\heretic2\\base."},
    {"game/other", "C:\\games\\other", "mygame.exe", "", "ctf",
     "C:\\games\\other\\\r\nmygame.exe\r\n+exec Scrnsave.cfg +set game ctf", nullptr,
     "+exec Scrnsave.cfg +set game ctf",
     "Kavrin does not know mygame.exe: it will start it but write no script"},
};

std::string ExePathOf(const GameKindCase& row) { return std::string(row.folder) + "\\" + row.exeName; }

// The launch file keeps the name lowercased, and the dialog reads it back so.
std::string SavedExePathOf(const GameKindCase& row) {
  std::string name = row.exeName;
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return std::string(row.folder) + "\\" + name;
}

std::string ScriptPathOf(const GameKindCase& row) {
  return std::string(row.folder) + "\\" + row.baseDir + "\\Scrnsave.cfg";
}

void ExpectSavedFiles(const GameKindCase& row) {
  ExpectFileBytes(kLaunchFile, row.launchBytes);
  ExpectFileBytes(kDemoListFile, kDemoListBytes);
  if (row.scriptBytes) {
    ExpectFileBytes(ScriptPathOf(row), row.scriptBytes);
  } else {
    ExpectNoFile(std::string(row.folder) + "\\Scrnsave.cfg");
  }
  ExpectNoFile(WorkDir() + "\\Scrnsave.cfg");
  Expect(!DirectoryExists(UserSettingsFolder()), "the save made the user's own settings folder");
}

void Configure(const GameKindCase& row) {
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  dialog.BrowseExe(ExePathOf(row));
  dialog.BrowseDemos(kDemoFolder, {"one.dm2", "two.dm2", "three.dm2"});
  dialog.BrowseDemos(kSpacedDemoFolder, {"A B.DM2", "c d.hd2"});
  dialog.Remove({1, 4});
  dialog.TypeModDir(row.mod);
  Expect(dialog.Demos() == kSavedDemos, "the list does not hold the expected demos before OK");
  dialog.WaitForNote(row.note);
  dialog.PressOk();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code after OK");
}

void ExpectReopenedFields(const GameKindCase& row) {
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  ExpectEqual(dialog.ExePath(), SavedExePathOf(row), "executable field after reopening");
  ExpectEqual(dialog.ModDir(), row.mod, "mod field after reopening");
  ExpectEqual(dialog.CountText(), "3", "count display after reopening");
  Expect(dialog.Demos() == kSavedDemos, "the list after reopening differs from the saved one");
  dialog.PressCancel();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code after Cancel");
}

void RunGameKind(const GameKindCase& row) {
  InstallGame(row.folder, row.exeName, row.baseDir);
  Configure(row);
  ExpectSavedFiles(row);
  ExpectReopenedFields(row);
  ExpectSavedFiles(row);
  ExpectScreenSaverStartsGame(ExePathOf(row), row.arguments, row.folder);
}

// The same with Wine telling Kavrin.scr that it runs on an old Windows.
// Its save replaces two settings files and creates the script: on 98
// through a backup (two renames for each file that exists), on NT 4.0 in
// one move each.
struct OldWindowsCase {
  const char* name;
  const char* version;
  const char* replaceCall;
  int replaceCalls;
  const char* absentCall;
};

const OldWindowsCase kOldWindows[] = {
    {"windows/98", "win98", "rename", 5, "MoveFileExA"},
    {"windows/nt4", "nt40", "MoveFileExA", 3, "rename"},
};

void RunOnOldWindows(const OldWindowsCase& row) {
  const GameKindCase& quake2 = kGameKinds[2];
  const ScopedUserValue version = ReportedWindowsVersion(row.version);
  RelayTrace trace("MoveFileExA;rename");
  RunGameKind(quake2);
  ExpectEqual(trace.Calls(row.replaceCall), row.replaceCalls, std::string("calls to ") + row.replaceCall);
  ExpectEqual(trace.Calls(row.absentCall), 0, std::string("calls to ") + row.absentCall);
  for (const std::string& path : {std::string(kLaunchFile), std::string(kDemoListFile), ScriptPathOf(quake2)}) {
    ExpectNoFile(path + ".kavrin-old");
  }
}

// A QuakeWorld client gets a chain of one script per demo beside
// Scrnsave.cfg, and the first demo on its argument line. A second save
// writes the other generation and removes the first.
constexpr const char* kQwFolder = "C:\\games\\ezquake";
constexpr const char* kQwSettings = "tp_triggers 1\r\ncl_restrictions 0\r\ncfg_save_onquit 0\r\n";

std::string QwScript(const char* name) { return std::string(kQwFolder) + "\\qw\\" + name; }

std::string QwLink(const char* next, const char* demo) {
  return std::string("alias f_demoend \"exec ") + next + "\"\r\nplaydemo \"" + demo + "\"";
}

void RunQuakeWorld() {
  const std::string exePath = InstallGame(kQwFolder, "ezquake.exe", "qw");
  {
    auto saver = StartSaver("/c");
    RemoteConfigDialog dialog(saver->Id());
    dialog.BrowseExe(exePath);
    dialog.BrowseDemos(kDemoFolder, {"duel.qwd", "final.mvd"});
    dialog.BrowseDemos(kSpacedDemoFolder, {"semi final.qwd"});
    dialog.WaitForNote("3 demos will play in a loop in QuakeWorld.");
    dialog.PressOk();
    ExpectEqual(saver->ExitCode(kPatience), 0, "exit code after OK");
  }
  ExpectFileBytes(kLaunchFile, std::string(kQwFolder) + "\\\r\nezquake.exe\r\n\"C:/demos/duel.qwd\" +exec Scrnsave.cfg ");
  ExpectFileBytes(QwScript("Scrnsave.cfg"), std::string(kQwSettings) + "alias f_demoend \"exec ScrnsaveA1.cfg\"");
  ExpectFileBytes(QwScript("ScrnsaveA0.cfg"), QwLink("ScrnsaveA1.cfg", "C:/demos/duel.qwd"));
  ExpectFileBytes(QwScript("ScrnsaveA1.cfg"), QwLink("ScrnsaveA2.cfg", "C:/demos/final.mvd"));
  ExpectFileBytes(QwScript("ScrnsaveA2.cfg"), QwLink("ScrnsaveA0.cfg", "C:/my demos/semi final.qwd"));
  {
    auto saver = StartSaver("/c");
    RemoteConfigDialog dialog(saver->Id());
    dialog.Remove({0});
    dialog.WaitForNote("2 demos will play in a loop in QuakeWorld.");
    dialog.PressOk();
    ExpectEqual(saver->ExitCode(kPatience), 0, "exit code after the second OK");
  }
  ExpectFileBytes(QwScript("Scrnsave.cfg"), std::string(kQwSettings) + "alias f_demoend \"exec ScrnsaveB1.cfg\"");
  ExpectFileBytes(QwScript("ScrnsaveB0.cfg"), QwLink("ScrnsaveB1.cfg", "C:/demos/final.mvd"));
  ExpectFileBytes(QwScript("ScrnsaveB1.cfg"), QwLink("ScrnsaveB0.cfg", "C:/my demos/semi final.qwd"));
  for (const char* retired : {"ScrnsaveA0.cfg", "ScrnsaveA1.cfg", "ScrnsaveA2.cfg"}) ExpectNoFile(QwScript(retired));
  ExpectScreenSaverStartsGame(exePath, "\"C:/demos/final.mvd\" +exec Scrnsave.cfg ", kQwFolder);
}

}  // namespace

std::vector<Scenario> GameKindScenarios() {
  std::vector<Scenario> scenarios;
  for (const GameKindCase& row : kGameKinds) scenarios.push_back({row.name, [&row] { RunGameKind(row); }});
  for (const OldWindowsCase& row : kOldWindows) scenarios.push_back({row.name, [&row] { RunOnOldWindows(row); }});
  scenarios.push_back({"game/quakeworld", RunQuakeWorld});
  return scenarios;
}

}  // namespace kavrin
