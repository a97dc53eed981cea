// The game the run-mode benchmark starts: it appends one line to
// started.log in its working directory and ends, so the benchmark can wait
// for each start before the next measurement, and count them.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HANDLE log = CreateFileA("started.log", FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok = WriteFile(log, "started\r\n", 9, &written, nullptr);
  CloseHandle(log);
  return ok && written == 9 ? 0 : 2;
}
