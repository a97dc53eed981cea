#include "app/run_decisions.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

// Security identifiers as their bytes: S-1-5-<rid>, and a user's.
std::string NtSid(unsigned char rid) {
  return std::string("\x01\x01\0\0\0\0\0\x05", 8) + std::string(1, static_cast<char>(rid)) + std::string(3, '\0');
}
const std::string kUserSid = std::string("\x01\x05\0\0\0\0\0\x05\x15\0\0\0", 12) + std::string(16, '\x07');

TEST(RunDecisions, DesktopLockAccountAndRunningGame) {
  const struct {
    const char* what;
    bool decided;
    bool expected;
  } rows[] = {
      // The desktop the game is started on.
      {"on Default: the shell, as ever", StartsOnUserDesktop("Default"), false},
      {"on default, in any case", StartsOnUserDesktop("DEFAULT"), false},
      {"no desktops (9x)", StartsOnUserDesktop(""), false},
      {"on the saver's desktop", StartsOnUserDesktop("Screen-saver"), true},
      {"on the logon desktop", StartsOnUserDesktop("Winlogon"), true},
      // Lock on resume: the system parameter where it answers...
      {"asked: secure", LocksOnResume({true, "0", "0"}), true},
      {"asked: not secure", LocksOnResume({false, "1", "1"}), false},
      // ...else the registry, the policy over the user's value.
      {"user 1", LocksOnResume({std::nullopt, std::nullopt, "1"}), true},
      {"user 0", LocksOnResume({std::nullopt, std::nullopt, "0"}), false},
      {"nothing set", LocksOnResume({}), false},
      {"policy 1 over user 0", LocksOnResume({std::nullopt, "1", "0"}), true},
      {"policy 0 over user 1", LocksOnResume({std::nullopt, "0", "1"}), false},
      {"user value not 1", LocksOnResume({std::nullopt, std::nullopt, "yes"}), false},
      // The accounts of the logon screen's saver start nothing.
      {"LocalSystem", IsServiceAccount(NtSid(18)), true},
      {"LocalService", IsServiceAccount(NtSid(19)), true},
      {"NetworkService", IsServiceAccount(NtSid(20)), true},
      {"a user", IsServiceAccount(kUserSid), false},
      {"S-1-5-21 alone", IsServiceAccount(NtSid(21)), false},
      {"no account (9x)", IsServiceAccount(""), false},
      {"cut short", IsServiceAccount(NtSid(18).substr(0, 9)), false},
      // A running game is not started again.
      {"running, NT names", IsGameRunning({"explorer.exe", "Quake2.EXE"}, "quake2.exe"), true},
      {"running, 9x paths",
       IsGameRunning({"C:\\WINDOWS\\EXPLORER.EXE", "C:\\GAMES\\QUAKE2\\QUAKE2.EXE"}, "quake2.exe"), true},
      {"not running", IsGameRunning({"explorer.exe", "quake3.exe", "xquake2.exe"}, "quake2.exe"), false},
      {"no extension", IsGameRunning({"winquake"}, "winquake"), true},
      // A stored name without extension starts, and runs, as <name>.exe.
      {"winquake.exe tried first", WithDefaultExtension("winquake") == "winquake.exe", true},
      {"bare name running as WINQUAKE.EXE", IsGameRunning({"WINQUAKE.EXE"}, WithDefaultExtension("winquake")), true},
      {"an extension is kept", WithDefaultExtension("glquake.exe") == "glquake.exe", true},
      {"a dotted name is kept", WithDefaultExtension("ioquake3.x86_64.exe") == "ioquake3.x86_64.exe", true},
      {"a dot in the folder only", WithDefaultExtension("c:\\q.1\\winquake") == "c:\\q.1\\winquake.exe", true},
      {"no executable", IsGameRunning({""}, ""), false},
  };
  for (const auto& row : rows) EXPECT_EQ(row.decided, row.expected) << row.what;
}

}  // namespace
}  // namespace kavrin
