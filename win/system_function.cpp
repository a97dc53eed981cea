#include "win/system_function.h"

namespace kavrin {

std::string SystemFolderFile(const char* file) {
  char folder[MAX_PATH] = "";
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  return std::string(folder, length) + "\\" + file;
}

}  // namespace kavrin
