#include "ui/dialog_disk.h"

#include "files/file_system.h"

namespace kavrin {

bool DialogDisk::Remembered(char question, const std::string& path, bool (*ask)(const std::string&)) const {
  if (path.compare(0, 2, "\\\\") != 0) return ask(path);
  for (const Answer& answer : answers_) {
    if (answer.question == question && answer.path == path) return answer.yes;
  }
  const bool yes = ask(path);
  answers_.push_back({question, path, yes});
  return yes;
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

std::optional<uint64_t> DialogDisk::FileSize(const std::string& path) const { return kavrin::FileSize(path); }

}  // namespace kavrin
