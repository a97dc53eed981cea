// The command line: which switches run the game, open the dialog or do nothing.
#include "scenarios.h"

#include "disk_files.h"
#include "e2e_fixture.h"
#include "remote_config_dialog.h"
#include "remote_window.h"
#include "scenario.h"

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

}  // namespace

std::vector<Scenario> CommandLineScenarios() {
  std::vector<Scenario> scenarios;
  for (const SwitchCase& row : kSwitchCases) scenarios.push_back({row.name, [&row] { RunSwitchCase(row); }});
  scenarios.push_back({"switch/quoted-path-with-blanks", QuotedPathWithBlanksRuns});
  scenarios.push_back({"switch/quoted-path-alone", QuotedPathAloneDoesNothing});
  scenarios.push_back({"run/no-launch-file", RunWithoutLaunchFileStartsNothing});
  scenarios.push_back({"run/empty-exe-name", RunWithEmptyExeNameStartsNothing});
  return scenarios;
}

}  // namespace kavrin
