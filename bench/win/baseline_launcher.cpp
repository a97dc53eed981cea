// The least run mode can do: read the launch file, enter the game's
// directory and have the shell start the game. `Kavrin.scr /s` is measured
// against it, so it is written for nothing but speed.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <direct.h>

namespace {

void ReadLine(std::FILE* file, char (&line)[200]) {
  if (std::fgets(line, sizeof line, file) == nullptr) line[0] = '\0';
  if (char* end = std::strchr(line, '\n')) *end = '\0';
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::FILE* file = std::fopen("c:/q2scr.sc2", "rt");
  if (file == nullptr) return 1;
  char directory[200], exe[200], parameters[200];
  ReadLine(file, directory);
  ReadLine(file, exe);
  ReadLine(file, parameters);
  std::fclose(file);
  _chdir(directory);
  ShellExecuteA(nullptr, "open", exe, parameters, nullptr, SW_SHOWMAXIMIZED);
  return 0;
}
