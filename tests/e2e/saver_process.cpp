#include "saver_process.h"

#include <vector>

#include "remote_window.h"
#include "scenario.h"

namespace kavrin {
namespace {

// The captions and message texts on screen, for a failure's reason.
std::string DescribeWindows(DWORD processId) {
  std::string description;
  for (HWND window : VisibleTopWindows(processId)) {
    description += "[\"" + WindowText(window) + "\"";
    if (HWND text = GetDlgItem(window, 0xFFFF)) description += ": \"" + WindowText(text) + "\"";
    description += "]";
  }
  return description.empty() ? "no window" : description;
}

}  // namespace

SaverProcess::SaverProcess(const std::string& commandLine, const std::string& directory,
                           const std::string& desktop) {
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  std::string desktopName = desktop;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  if (!desktop.empty()) startup.lpDesktop = &desktopName[0];
  PROCESS_INFORMATION created = {};
  if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.c_str(), &startup, &created)) {
    Fail("cannot start " + commandLine + " (error " + std::to_string(GetLastError()) + ")");
  }
  CloseHandle(created.hThread);
  handle_ = created.hProcess;
  id_ = created.dwProcessId;
}

SaverProcess::~SaverProcess() {
  if (Running()) {
    TerminateProcess(handle_, 0xDEAD);
    WaitForSingleObject(handle_, 5000);
  }
  CloseHandle(handle_);
}

bool SaverProcess::Running() const { return WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> SaverProcess::WaitForExit(DWORD timeoutMs) {
  if (WaitForSingleObject(handle_, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(handle_, &code);
  return code;
}

std::optional<DWORD> SaverProcess::WaitForExitWatchingWindows(DWORD timeoutMs, bool* showedWindow) {
  *showedWindow = false;
  const DWORD start = GetTickCount();
  while (Running()) {
    if (!VisibleTopWindows(id_).empty()) *showedWindow = true;
    if (GetTickCount() - start > timeoutMs) return std::nullopt;
    Sleep(5);
  }
  return WaitForExit(0);
}

DWORD SaverProcess::ExitCode(DWORD timeoutMs) {
  const std::optional<DWORD> code = WaitForExit(timeoutMs);
  if (!code) Fail("the program did not end; it shows " + DescribeWindows(id_));
  return *code;
}

DWORD SaverProcess::Kill(UINT code) {
  TerminateProcess(handle_, code);
  return ExitCode(kPatience);
}

}  // namespace kavrin
