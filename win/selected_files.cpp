#include "win/selected_files.h"

namespace kavrin {
namespace {

// The NUL-ended strings of the buffer up to the first empty one.
std::vector<std::string> SplitAtNuls(const std::string& buffer) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start < buffer.size()) {
    const size_t end = buffer.find('\0', start);
    const size_t stop = end == std::string::npos ? buffer.size() : end;
    if (stop == start) break;
    parts.push_back(buffer.substr(start, stop - start));
    start = stop + 1;
  }
  return parts;
}

std::string JoinPath(const std::string& directory, const std::string& name) {
  // A drive root such as "C:\" already ends with its separator.
  if (!directory.empty() && directory.back() == '\\') return directory + name;
  return directory + '\\' + name;
}

}  // namespace

std::vector<std::string> SelectedFilePaths(const std::string& buffer) {
  std::vector<std::string> parts = SplitAtNuls(buffer);
  if (parts.size() <= 1) return parts;
  std::vector<std::string> paths;
  for (size_t i = 1; i < parts.size(); ++i) paths.push_back(JoinPath(parts[0], parts[i]));
  return paths;
}

}  // namespace kavrin
