// Run mode as Windows starts it: from a desktop of the saver's own, with
// the session to be locked on resume, and again while the game still runs.
#include "scenarios.h"

#include <optional>

#include "disk_files.h"
#include "e2e_fixture.h"
#include "scenario.h"
#include "wine_settings.h"

namespace kavrin {
namespace {

constexpr const char* kQuake2Exe = "C:\\games\\quake2\\quake2.exe";
constexpr const char* kQuake2Folder = "C:\\games\\quake2";
constexpr const char* kArguments = "+exec Scrnsave.cfg +set game ctf";

void PrepareQuake2Launch() {
  InstallGame(kQuake2Folder, "quake2.exe", "baseq2");
  WriteFileBytes(kLaunchFile, std::string(kQuake2Folder) + "\\\r\nquake2.exe\r\n" + kArguments + "\r\n");
}

void RunsTheGameOnTheUserDesktop() {
  PrepareQuake2Launch();
  // What Windows does before it starts a saver: a desktop of its own.
  const HDESK saverDesktop = CreateDesktopA("Screen-saver", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  Expect(saverDesktop != nullptr, "cannot create the desktop Screen-saver");
  SaverProcess saver(SaverPath() + " /s", WorkDir(), "WinSta0\\Screen-saver");
  ExpectEqual(saver.ExitCode(kPatience), 0, "exit code of /s");
  ExpectGameStarted(ExpectOneGameStart(), kQuake2Exe, kArguments, kQuake2Folder);
  CloseDesktop(saverDesktop);
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

void LocksWhenAsked(const LockCase& row) {
  PrepareQuake2Launch();
  ScopedUserValue policy("Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop", "ScreenSaverIsSecure",
                         row.policy);
  ScopedUserValue user("Control Panel\\Desktop", "ScreenSaverIsSecure", row.user);
  RelayTrace trace("LockWorkStation");
  auto saver = StartSaver("/s");
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code of /s");
  ExpectGameStarted(ExpectOneGameStart(), kQuake2Exe, kArguments, kQuake2Folder);
  ExpectEqual(trace.Calls("LockWorkStation"), row.locks ? 1 : 0, "calls to LockWorkStation");
}

// Ends the games that were told to stay, whatever the scenario's outcome.
class StayingGames {
 public:
  StayingGames() { SetEnvironmentVariableA(kGameStaysVariable, "1"); }
  ~StayingGames() {
    SetEnvironmentVariableA(kGameStaysVariable, nullptr);
    for (const GameRecord& game : ReadGameRecords(RecordsDir())) End(game);
  }
  StayingGames(const StayingGames&) = delete;
  StayingGames& operator=(const StayingGames&) = delete;

  static void End(const GameRecord& game) {
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, game.processId)) {
      TerminateProcess(process, 0);
      WaitForSingleObject(process, kPatience);
      CloseHandle(process);
    }
  }
};

void StartsNoSecondCopy() {
  PrepareQuake2Launch();
  StayingGames games;
  auto first = StartSaver("/s");
  ExpectEqual(first->ExitCode(kPatience), 0, "exit code of the first /s");
  const GameRecord running = ExpectOneGameStart();

  auto second = StartSaver("/s");
  ExpectEqual(second->ExitCode(kPatience), 0, "exit code of /s while the game runs");
  ExpectOneGameStart();

  StayingGames::End(running);
  auto third = StartSaver("/s");
  ExpectEqual(third->ExitCode(kPatience), 0, "exit code of /s after the game ended");
  WaitFor([] { return ReadGameRecords(RecordsDir()).size() == 2; }, "the game to start again");
}

}  // namespace

std::vector<Scenario> RunModeScenarios() {
  std::vector<Scenario> scenarios = {
      {"run/from-the-saver-desktop", RunsTheGameOnTheUserDesktop},
      {"run/game-already-running", StartsNoSecondCopy},
  };
  for (const LockCase& row : kLockCases) scenarios.push_back({row.name, [&row] { LocksWhenAsked(row); }});
  return scenarios;
}

}  // namespace kavrin
