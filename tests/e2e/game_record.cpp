#include "game_record.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "disk_files.h"

namespace kavrin {

std::string GameRecord::Arguments() const {
  size_t end = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    end = commandLine.find('"', 1);
    end = end == std::string::npos ? commandLine.size() : end + 1;
  } else {
    end = std::min(commandLine.find(' '), commandLine.size());
  }
  if (end < commandLine.size() && commandLine[end] == ' ') ++end;
  return commandLine.substr(end);
}

GameRecord ParseGameRecord(const std::string& text) {
  GameRecord record;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (key == kRecordCommandLine) record.commandLine = value;
    if (key == kRecordModule) record.module = value;
    if (key == kRecordDirectory) record.directory = value;
    if (key == kRecordUsesShowWindow) record.usesShowWindow = value == "1";
    if (key == kRecordShowWindow) record.showWindow = std::atoi(value.c_str());
    if (key == kRecordDesktop) record.desktop = value;
    if (key == kRecordProcessId) record.processId = std::strtoul(value.c_str(), nullptr, 10);
  }
  return record;
}

std::vector<GameRecord> ReadGameRecords(const std::string& folder) {
  std::vector<std::string> names = ListFiles(folder, "game-*.txt");
  std::sort(names.begin(), names.end());
  std::vector<GameRecord> records;
  for (const std::string& name : names) {
    records.push_back(ParseGameRecord(ReadFileOr(folder + "\\" + name, "")));
  }
  return records;
}

void ClearGameRecords(const std::string& folder) {
  for (const std::string& name : ListFiles(folder, "game-*")) {
    DeleteFileA((folder + "\\" + name).c_str());
  }
}

}  // namespace kavrin
