// Times one click of the configuration dialog's mend button that copies
// 100 demos of 1 MB into the game's demo folder, against copying the same
// files with CopyFileA, and against CopyFileA with the rename each copy
// needs, taking turns, in one run.
//
//   mend_timer.exe SAVER RUNS
//
// Works in C:\bench\mend (the launch file and demo list in c:\ name it).
// Prints "copyfile MS", "copyrename MS" and "click MS" per run; exit code
// 1 when a dialog or its button does not appear in time or a copy is
// missing.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "res/resource.h"
#include "res/version.h"

namespace {

const char kCaption[] = KAVRIN_CONFIG_CAPTION;
const char kFolder[] = "C:\\bench\\mend";
const int kDemos = 100;
const DWORD kDemoBytes = 1024 * 1024;
const DWORD kTimeLimitMs = 60000;
const DWORD kSettleMs = 500;

std::string Demo(const char* folder, int i) {
  char name[32];
  std::snprintf(name, sizeof name, "\\d%03d.dm2", i);
  return std::string(kFolder) + folder + name;
}

bool WriteFileText(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

// The game folder, the demos to copy and the settings that name them.
bool Prepare() {
  const std::string folder = kFolder;
  for (const char* sub : {"", "\\q2", "\\q2\\baseq2", "\\dl", "\\copy"}) CreateDirectoryA((folder + sub).c_str(), nullptr);
  std::string demo(kDemoBytes, '\0');
  std::string list;
  for (int i = 0; i < kDemos; ++i) {
    for (DWORD b = 0; b < kDemoBytes; b += 64) demo[b] = static_cast<char>(i + b / 64);
    if (!WriteFileText(Demo("\\dl", i), demo)) return false;
    list += Demo("\\dl", i) + "\r\n";
  }
  return WriteFileText(folder + "\\q2\\quake2.exe", "") && WriteFileText("c:\\demos.sc2", list) &&
         WriteFileText("c:\\q2scr.sc2", folder + "\\q2\\\r\nquake2.exe\r\n+exec Scrnsave.cfg ");
}

bool RemoveCopies(const char* folder) {
  bool all = true;
  for (int i = 0; i < kDemos; ++i) all = DeleteFileA(Demo(folder, i).c_str()) && all;
  return all;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double TimeCopyFile() {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kDemos; ++i) {
    if (!CopyFileA(Demo("\\dl", i).c_str(), Demo("\\copy", i).c_str(), FALSE)) return -1.0;
  }
  QueryPerformanceCounter(&end);
  return RemoveCopies("\\copy") ? Milliseconds(start, end) : -1.0;
}

// What each of the click's copies must do at the least: CopyFileA into a
// staged name, then MoveFileExA over the demo's name, as the program does
// so that a demo is never seen half-copied.
double TimeCopyAndRename() {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kDemos; ++i) {
    const std::string staged = Demo("\\copy", i) + ".staged";
    if (!CopyFileA(Demo("\\dl", i).c_str(), staged.c_str(), FALSE) ||
        !MoveFileExA(staged.c_str(), Demo("\\copy", i).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return -1.0;
    }
  }
  QueryPerformanceCounter(&end);
  return RemoveCopies("\\copy") ? Milliseconds(start, end) : -1.0;
}

// The dialog of the process once its mend button offers the copies.
HWND MendReady(DWORD processId) {
  HWND dialog = FindWindowA(nullptr, kCaption);
  DWORD owner = 0;
  if (dialog != nullptr) GetWindowThreadProcessId(dialog, &owner);
  if (owner != processId || !IsWindowVisible(GetDlgItem(dialog, IDC_MEND))) return nullptr;
  return dialog;
}

// The click is sent, so it returns once the dialog has copied every demo.
double TimeClick(const std::string& saver) {
  std::string commandLine = "\"" + saver + "\" /c";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return -1.0;
  }
  double elapsed = -1.0;
  for (DWORD waited = 0; waited < kTimeLimitMs; waited += 10) {
    if (HWND dialog = MendReady(process.dwProcessId)) {
      // A user clicks a dialog that is drawn; Wine's drawing of the new
      // window would otherwise share the two processors with the copies.
      Sleep(kSettleMs);
      LARGE_INTEGER start, end;
      QueryPerformanceCounter(&start);
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_MEND, BN_CLICKED), 0);
      QueryPerformanceCounter(&end);
      elapsed = Milliseconds(start, end);
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      break;
    }
    Sleep(10);
  }
  if (WaitForSingleObject(process.hProcess, kTimeLimitMs) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed >= 0 && RemoveCopies("\\q2\\baseq2\\demos") ? elapsed : -1.0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: mend_timer SAVER RUNS\n");
    return 2;
  }
  if (!Prepare()) return 1;
  const std::string saver = argv[1];
  const struct {
    const char* name;
    double (*time)(const std::string& saver);
  } ways[] = {
      {"copyfile", [](const std::string&) { return TimeCopyFile(); }},
      {"copyrename", [](const std::string&) { return TimeCopyAndRename(); }},
      {"click", TimeClick},
  };
  for (int run = 0; run < std::atoi(argv[2]); ++run) {
    // Each run starts with the next way: whatever the one before leaves
    // the disk to write back falls on each in turn.
    for (int i = 0; i < 3; ++i) {
      const auto& way = ways[(run + i) % 3];
      const double elapsed = way.time(saver);
      if (elapsed < 0) {
        std::fprintf(stderr, "mend_timer: run %d failed (%s)\n", run, way.name);
        return 1;
      }
      std::printf("%s %.2f\n", way.name, elapsed);
    }
    std::fflush(stdout);
  }
  return 0;
}
