// Times the configuration dialog from process start until it shows its
// demo list, alternating a full demo list file with an empty one. With the
// full list it then times retyping the executable, which works the play
// note out again for every demo: none of them lies in the game's demo
// folder, so each is looked for and missed.
//
//   dialog_timer.exe SAVER RUNS ENTRIES
//
// Prints one line per run, "full MS" or "empty MS", and after each full
// run "retype MS"; a run whose dialog does not appear within the time
// limit ends the program with exit code 1.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "res/resource.h"
#include "res/version.h"

namespace {

const char kCaption[] = KAVRIN_CONFIG_CAPTION;
const char kDemoListPath[] = "c:\\demos.sc2";
const DWORD kTimeLimitMs = 20000;

bool WriteDemoList(int entries) {
  std::FILE* file = std::fopen(kDemoListPath, "wt");
  if (file == nullptr) return false;
  for (int i = 0; i < entries; ++i) std::fprintf(file, "C:\\demos\\match_%d.dm2\n", i);
  return std::fclose(file) == 0;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The text of a control in another process, read as a number (-1 if none).
int ControlNumber(HWND dialog, int id) {
  char text[32] = "";
  if (GetDlgItemTextA(dialog, id, text, sizeof text) == 0) return -1;
  return std::atoi(text);
}

// The process's configuration dialog once it shows `entries` demos, both in
// its list and in its count display; nullptr while it does not.
HWND ShownDialog(DWORD processId, int entries) {
  HWND dialog = FindWindowA(nullptr, kCaption);
  if (dialog == nullptr || !IsWindowVisible(dialog)) return nullptr;
  DWORD owner = 0;
  GetWindowThreadProcessId(dialog, &owner);
  if (owner != processId) return nullptr;
  const LRESULT listed = SendMessageA(GetDlgItem(dialog, IDC_DEMO_LIST), LVM_GETITEMCOUNT, 0, 0);
  if (listed != entries || ControlNumber(dialog, IDC_DEMO_COUNT) != entries) return nullptr;
  return dialog;
}

// The middle one of five edits of the executable field, each with the
// play note worked out again: the dialog does that once typing pauses, on
// the note's timer, which is sent here at once, so the time is the note's
// alone.
double TimeRetyping(HWND dialog) {
  char path[1024] = "";
  GetDlgItemTextA(dialog, IDC_EXE_PATH, path, sizeof path);
  const std::string typed = path;
  std::string upper = typed;
  CharUpperA(&upper[0]);
  double times[5];
  for (int edit = 0; edit < 5; ++edit) {
    // The same game and folder each time, in another case.
    const std::string& text = edit % 2 == 0 ? upper : typed;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    SendMessageA(GetDlgItem(dialog, IDC_EXE_PATH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(dialog, WM_TIMER, IDC_PLAY_NOTE, 0);
    QueryPerformanceCounter(&end);
    times[edit] = Milliseconds(start, end);
  }
  std::sort(times, times + 5);
  return times[2];
}

// Milliseconds from CreateProcess to the dialog showing its list, or a
// negative number when it did not within the time limit; `retype` gets
// TimeRetyping's figure.
double TimeOneDialog(const std::string& saver, int entries, double& retype) {
  std::string commandLine = "\"" + saver + "\" /c";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  LARGE_INTEGER start, now;
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return -1.0;
  }
  double elapsed = -1.0;
  for (;;) {
    HWND dialog = ShownDialog(process.dwProcessId, entries);
    QueryPerformanceCounter(&now);
    if (dialog != nullptr) {
      elapsed = Milliseconds(start, now);
      retype = TimeRetyping(dialog);
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      break;
    }
    if (Milliseconds(start, now) > kTimeLimitMs) break;
    Sleep(1);
  }
  if (elapsed < 0 || WaitForSingleObject(process.hProcess, kTimeLimitMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    elapsed = -1.0;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: dialog_timer SAVER RUNS ENTRIES\n");
    return 2;
  }
  const std::string saver = argv[1];
  const int runs = std::atoi(argv[2]);
  const int entries = std::atoi(argv[3]);
  for (int run = 0; run < 2 * runs; ++run) {
    // Alternating, so drift on a shared machine hits both sides alike.
    const int listed = run % 2 == 0 ? entries : 0;
    if (!WriteDemoList(listed)) return 1;
    double retype = 0;
    const double ms = TimeOneDialog(saver, listed, retype);
    if (ms < 0) {
      std::fprintf(stderr, "dialog_timer: no dialog with %d demos within %lu ms\n", listed, kTimeLimitMs);
      return 1;
    }
    std::printf("%s %.2f\n", listed == entries ? "full" : "empty", ms);
    if (listed == entries) std::printf("retype %.2f\n", retype);
    std::fflush(stdout);
  }
  return 0;
}
