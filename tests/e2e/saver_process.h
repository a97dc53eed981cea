// One run of the program under test, started with a given command line.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kavrin {

class SaverProcess {
 public:
  // Starts the raw command line (program path included, quoted or not) in
  // `directory`, on `desktop` ("" for the driver's own). Fails the scenario
  // if the process cannot be created.
  SaverProcess(const std::string& commandLine, const std::string& directory, const std::string& desktop = "");
  // Ends the process if it still runs, so a failed scenario leaves nothing.
  ~SaverProcess();
  SaverProcess(const SaverProcess&) = delete;
  SaverProcess& operator=(const SaverProcess&) = delete;

  DWORD Id() const { return id_; }
  bool Running() const;

  // Waits for the end; the exit code, or nullopt on timeout.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs);

  // Like WaitForExit, and tells whether the process ever showed a window
  // while it ran.
  std::optional<DWORD> WaitForExitWatchingWindows(DWORD timeoutMs, bool* showedWindow);

  // The exit code; fails the scenario if the process does not end in time.
  DWORD ExitCode(DWORD timeoutMs);

  // Ends the process at once with `code` (TerminateProcess) and waits for
  // it. Returns the exit code it ended with: `code`, or its own if it had
  // ended before.
  DWORD Kill(UINT code);

 private:
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

}  // namespace kavrin
