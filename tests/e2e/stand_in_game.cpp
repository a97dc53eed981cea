// A stand-in for the games the saver starts: records how it was started.
//
// It writes command line, module path, working directory, show command,
// desktop and process id into a new file in the folder named by
// KAVRIN_E2E_GAME_RECORDS and ends, or stays running when
// KAVRIN_E2E_GAME_STAYS is set.
// The record is written under a temporary name and renamed, so a reader
// never sees half of it.
#include <windows.h>

#include <string>

#include "game_record.h"

namespace {

std::string DesktopName() {
  char name[256] = "";
  DWORD needed = 0;
  GetUserObjectInformationA(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, name, sizeof name - 1, &needed);
  return name;
}

std::string RecordText() {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  char directory[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, directory);
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  GetStartupInfoA(&startup);
  const bool usesShowWindow = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0;

  std::string text;
  text += std::string(kavrin::kRecordCommandLine) + "=" + GetCommandLineA() + "\n";
  text += std::string(kavrin::kRecordModule) + "=" + module + "\n";
  text += std::string(kavrin::kRecordDirectory) + "=" + directory + "\n";
  text += std::string(kavrin::kRecordUsesShowWindow) + "=" + (usesShowWindow ? "1" : "0") + "\n";
  text += std::string(kavrin::kRecordShowWindow) + "=" + std::to_string(startup.wShowWindow) + "\n";
  text += std::string(kavrin::kRecordDesktop) + "=" + DesktopName() + "\n";
  text += std::string(kavrin::kRecordProcessId) + "=" + std::to_string(GetCurrentProcessId()) + "\n";
  return text;
}

bool WriteWhole(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == text.size();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char folder[MAX_PATH] = "";
  if (GetEnvironmentVariableA(kavrin::kGameRecordDirVariable, folder, MAX_PATH) == 0) return 2;
  // Tick count and process id: unique per start, and sortable by time.
  char name[64];
  wsprintfA(name, "\\game-%010lu-%05lu", GetTickCount(), GetCurrentProcessId());
  const std::string base = std::string(folder) + name;
  if (!WriteWhole(base + ".tmp", RecordText())) return 3;
  if (!MoveFileA((base + ".tmp").c_str(), (base + ".txt").c_str())) return 4;
  // Long enough for any scenario; the scenario ends it.
  if (GetEnvironmentVariableA(kavrin::kGameStaysVariable, nullptr, 0) != 0) Sleep(5 * 60 * 1000);
  return 0;
}
