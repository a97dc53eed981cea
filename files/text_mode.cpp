#include "files/text_mode.h"

namespace kavrin {

std::string ToDiskText(std::string_view text) {
  std::string disk;
  disk.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') disk += '\r';
    disk += c;
  }
  return disk;
}

std::vector<std::string> SplitDiskLines(std::string_view diskText) {
  std::vector<std::string> lines;
  size_t start = 0;
  const size_t size = diskText.size();
  while (start < size) {
    size_t end = diskText.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = size;
    std::string_view line = diskText.substr(start, end - start);
    lines.emplace_back(line.substr(0, line.find('\0')));
    if (end == size) break;
    start = end + 1;
    if (diskText[end] == '\r' && start < size && diskText[start] == '\n') ++start;
  }
  return lines;
}

std::string LineOrEmpty(const std::vector<std::string>& lines, size_t index) {
  return index < lines.size() ? lines[index] : std::string();
}

}  // namespace kavrin
