#include "ui/dialog_disk.h"

#include "settings/file_system.h"

namespace kavrin {

bool DialogDisk::Remembered(char question, const std::string& path, bool (*ask)(const std::string&)) const {
  if (path.compare(0, 2, "\\\\") != 0) return ask(path);
  const std::string asked = question + path + "\n";
  for (const char* answer : {"\n1", "\n0"}) {
    if (answers_.find(answer + asked) != std::string::npos) return answer[1] == '1';
  }
  const bool answer = ask(path);
  answers_ += (answer ? "\n1" : "\n0") + asked;
  return answer;
}

bool DialogDisk::Exists(const std::string& path) const { return Remembered('e', path, PathExists); }

bool DialogDisk::CanEnter(const std::string& path) const { return Remembered('c', path, CanEnterDirectory); }

bool DialogDisk::HoldsMatch(const std::string& folder, const std::string& pattern) const {
  return FolderHoldsMatch(folder, pattern);
}

std::optional<std::string> DialogDisk::ReadPart(const std::string& path, uint32_t offset, uint32_t length) const {
  return ReadFilePart(path, offset, length);
}

bool DialogDisk::SameBytes(const std::string& a, const std::string& b) const { return SameFileBytes(a, b); }

}  // namespace kavrin
