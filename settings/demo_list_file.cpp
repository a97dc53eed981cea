#include "settings/demo_list_file.h"

#include "files/text_mode.h"

namespace kavrin {

std::string BuildDemoListText(const std::vector<std::string>& demos) {
  std::string text;
  for (const std::string& demo : demos) {
    text += demo;
    text += '\n';
  }
  return text;
}

std::vector<std::string> ReadDemoList(const std::string& diskText, size_t maxEntries) {
  std::vector<std::string> entries;
  for (std::string& line : SplitDiskLines(diskText)) {
    if (entries.size() >= maxEntries) break;
    // Empty and one-character lines are no demo paths.
    if (line.size() >= 2) entries.push_back(std::move(line));
  }
  return entries;
}

}  // namespace kavrin
