// A stand-in game: writes how it was started to the file named by
// KAVRIN_GAME_RECORD (command line, working directory, show command), then ends.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char recordPath[MAX_PATH] = "";
  if (GetEnvironmentVariableA("KAVRIN_GAME_RECORD", recordPath, sizeof recordPath) == 0) return 2;
  char directory[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof directory, directory);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

  // Written beside the record, then renamed, so a reader never sees half.
  char partial[MAX_PATH + 8];
  std::snprintf(partial, sizeof partial, "%s.tmp", recordPath);
  std::FILE* file = std::fopen(partial, "wb");
  if (file == nullptr) return 3;
  std::fprintf(file, "%s\n%s\n%d\n", GetCommandLineA(), directory, show);
  std::fclose(file);
  return MoveFileExA(partial, recordPath, MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
