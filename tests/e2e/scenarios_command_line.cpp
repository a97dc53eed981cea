// The command line: which switches run the game, open the dialog or do
// nothing; and run mode as Windows starts it, on a desktop of its own, with
// the session to be locked, and again while the game still runs.
#include "scenarios.h"

#include <optional>

#include "disk_files.h"
#include "e2e_fixture.h"
#include "remote_config_dialog.h"
#include "remote_window.h"
#include "scenario.h"
#include "wine_settings.h"

namespace kavrin {
namespace {

constexpr const char* kQuake2Exe = "C:\\games\\quake2\\quake2.exe";
constexpr const char* kQuake2Launch = "C:\\games\\quake2\\\r\nquake2.exe\r\n+exec Scrnsave.cfg ";
constexpr const char* kSpacedSaver = "c:\\Program Files\\My Saver\\Kavrin.scr";

void PrepareQuake2Launch() {
  InstallGame("C:\\games\\quake2", "quake2.exe", "baseq2");
  WriteFileBytes(kLaunchFile, kQuake2Launch);
}

void ExpectQuake2Started(const GameRecord& game) {
  ExpectGameStarted(game, kQuake2Exe, "+exec Scrnsave.cfg ", "C:\\games\\quake2");
}

void ExpectRunsGame(const std::string& commandLine) {
  PrepareQuake2Launch();
  auto saver = StartSaverRaw(commandLine);
  ExpectQuietEnd(*saver, 0);
  ExpectQuake2Started(ExpectOneGameStart());
}

void ExpectDoesNothing(const std::string& commandLine, DWORD exitCode) {
  PrepareQuake2Launch();
  auto saver = StartSaverRaw(commandLine);
  ExpectQuietEnd(*saver, exitCode);
  ExpectNoGameStart();
}

void ExpectConfigures(const std::string& commandLine) {
  PrepareQuake2Launch();
  auto saver = StartSaverRaw(commandLine);
  RemoteConfigDialog dialog(saver->Id());
  Expect(GetWindow(dialog.Window(), GW_OWNER) == nullptr, "the dialog has an owner window");
  ExpectEqual(dialog.ExePath(), kQuake2Exe, "executable field");
  dialog.PressCancel();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code");
  ExpectNoGameStart();
}

void InstallSpacedSaver() { CopyFileTo(SaverPath(), kSpacedSaver); }

struct SwitchCase {
  const char* name;
  const char* arguments;  // after the unquoted program path; "" for none
  enum { Runs, Configures, Nothing } effect;
  DWORD exitCode;  // for Nothing: an unrecognised switch ends with its code
};

const SwitchCase kSwitchCases[] = {
    {"switch/dash-s", "-s", SwitchCase::Runs, 0},
    {"switch/slash-s", "/s", SwitchCase::Runs, 0},
    {"switch/bare-s", "s", SwitchCase::Runs, 0},
    {"switch/slash-upper-s", "/S", SwitchCase::Runs, 0},
    {"switch/slash-save", "/save", SwitchCase::Runs, 0},
    {"switch/preview", "/p 1234", SwitchCase::Nothing, 0},
    {"switch/list", "/l", SwitchCase::Nothing, 0},
    {"switch/password", "/a", SwitchCase::Nothing, 'a'},
    {"switch/double-dash", "--s", SwitchCase::Nothing, '-'},
    {"switch/unknown", "/x", SwitchCase::Nothing, 'x'},
    {"switch/none", "", SwitchCase::Nothing, 0},
    {"switch/blanks-only", "   ", SwitchCase::Nothing, 0},
    {"switch/configure-with-handle", "/c:1234", SwitchCase::Configures, 0},
    {"switch/configure-dash-upper", "-C", SwitchCase::Configures, 0},
};

void RunSwitchCase(const SwitchCase& row) {
  const std::string arguments = row.arguments;
  const std::string commandLine = arguments.empty() ? SaverPath() : SaverPath() + " " + arguments;
  switch (row.effect) {
    case SwitchCase::Runs: return ExpectRunsGame(commandLine);
    case SwitchCase::Configures: return ExpectConfigures(commandLine);
    case SwitchCase::Nothing: return ExpectDoesNothing(commandLine, row.exitCode);
  }
}

void QuotedPathWithBlanksRuns() {
  InstallSpacedSaver();
  ExpectRunsGame("\"" + std::string(kSpacedSaver) + "\" /s");
}

void QuotedPathAloneDoesNothing() {
  InstallSpacedSaver();
  ExpectDoesNothing("\"" + std::string(kSpacedSaver) + "\"  ", 0);
}

void RunWithoutLaunchFileStartsNothing() {
  InstallGame("C:\\games\\quake2", "quake2.exe", "baseq2");
  auto saver = StartSaver("/s");
  ExpectQuietEnd(*saver, 0);
  ExpectNoGameStart();
}

void RunWithEmptyExeNameStartsNothing() {
  InstallGame("C:\\games\\quake2", "quake2.exe", "baseq2");
  WriteFileBytes(kLaunchFile, "C:\\games\\quake2\\\r\n\r\n+exec Scrnsave.cfg ");
  auto saver = StartSaver("/s");
  ExpectQuietEnd(*saver, 0);
  ExpectNoGameStart();
}

struct LockCase {
  const char* name;
  std::optional<std::string> policy;  // ScreenSaverIsSecure set by policy
  std::optional<std::string> user;    // the user's own
  bool locks;
};

// Wine answers no SPI_GETSCREENSAVESECURE, as 2000 and XP: the registry decides.
const LockCase kLockCases[] = {
    {"run/lock/user-1", std::nullopt, "1", true},
    {"run/lock/user-0", std::nullopt, "0", false},
    {"run/lock/unset", std::nullopt, std::nullopt, false},
    {"run/lock/policy-1-over-user-0", "1", "0", true},
    {"run/lock/policy-0-over-user-1", "0", "1", false},
};

// Started as Windows starts a saver that asks for the password on resume:
// on a desktop of its own, which the game must not stay on.
void RunFromTheSaverDesktop(const LockCase& row) {
  PrepareQuake2Launch();
  ScopedUserValue policy("Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop", "ScreenSaverIsSecure",
                         row.policy);
  ScopedUserValue user("Control Panel\\Desktop", "ScreenSaverIsSecure", row.user);
  RelayTrace trace("LockWorkStation");
  const HDESK saverDesktop = CreateDesktopA("Screen-saver", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  Expect(saverDesktop != nullptr, "cannot create the desktop Screen-saver");
  SaverProcess saver(SaverPath() + " /s", WorkDir(), "WinSta0\\Screen-saver");
  ExpectQuietEnd(saver, 0);
  ExpectQuake2Started(ExpectOneGameStart());
  ExpectEqual(trace.Calls("LockWorkStation"), row.locks ? 1 : 0, "calls to LockWorkStation");
  CloseDesktop(saverDesktop);
}

// Ends the stand-in games, told to stay running, whatever the outcome.
struct StayingGames {
  StayingGames() { SetEnvironmentVariableA(kGameStaysVariable, "1"); }
  ~StayingGames() {
    SetEnvironmentVariableA(kGameStaysVariable, nullptr);
    for (const GameRecord& game : ReadGameRecords(RecordsDir())) End(game);
  }
  static void End(const GameRecord& game) {
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, game.processId)) {
      TerminateProcess(process, 0);
      WaitForSingleObject(process, kPatience);
      CloseHandle(process);
    }
  }
};

void RunWhileTheGameRunsStartsNoSecondCopy() {
  StayingGames games;
  ExpectRunsGame(SaverPath() + " /s");
  auto second = StartSaver("/s");
  ExpectQuietEnd(*second, 0);
  const GameRecord running = ExpectOneGameStart();
  StayingGames::End(running);
  auto third = StartSaver("/s");
  ExpectQuietEnd(*third, 0);
  WaitFor([] { return ReadGameRecords(RecordsDir()).size() == 2; }, "the game to start again");
}

}  // namespace

std::vector<Scenario> CommandLineScenarios() {
  std::vector<Scenario> scenarios;
  for (const SwitchCase& row : kSwitchCases) scenarios.push_back({row.name, [&row] { RunSwitchCase(row); }});
  scenarios.push_back({"switch/quoted-path-with-blanks", QuotedPathWithBlanksRuns});
  scenarios.push_back({"switch/quoted-path-alone", QuotedPathAloneDoesNothing});
  scenarios.push_back({"run/no-launch-file", RunWithoutLaunchFileStartsNothing});
  scenarios.push_back({"run/empty-exe-name", RunWithEmptyExeNameStartsNothing});
  scenarios.push_back({"run/game-already-running", RunWhileTheGameRunsStartsNoSecondCopy});
  for (const LockCase& row : kLockCases) scenarios.push_back({row.name, [&row] { RunFromTheSaverDesktop(row); }});
  return scenarios;
}

}  // namespace kavrin
