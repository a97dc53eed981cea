#include "settings/path_questions.h"

#include "settings/file_system.h"

namespace kavrin {

bool FileSystemQuestions::Exists(const std::string& path) const { return PathExists(path); }

bool FileSystemQuestions::CanEnter(const std::string& path) const { return CanEnterDirectory(path); }

bool FileSystemQuestions::HoldsMatch(const std::string& folder, const std::string& pattern) const {
  return FolderHoldsMatch(folder, pattern);
}

std::optional<std::string> FileSystemQuestions::ReadPart(const std::string& path, uint32_t offset,
                                                         uint32_t length) const {
  return ReadFilePart(path, offset, length);
}

bool FileSystemQuestions::SameBytes(const std::string& a, const std::string& b) const {
  return SameFileBytes(a, b);
}

}  // namespace kavrin
