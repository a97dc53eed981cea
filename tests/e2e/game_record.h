// What the stand-in game records about how it was started, one file per start.
#pragma once

#include <string>
#include <vector>

namespace kavrin {

// The folder the stand-in game writes its records to, passed down through
// the environment because the saver starts it through the shell.
constexpr const char* kGameRecordDirVariable = "KAVRIN_E2E_GAME_RECORDS";

// Record lines are "key=value"; values run to the end of the line.
constexpr const char* kRecordCommandLine = "command_line";
constexpr const char* kRecordModule = "module";
constexpr const char* kRecordDirectory = "directory";
constexpr const char* kRecordUsesShowWindow = "uses_show_window";
constexpr const char* kRecordShowWindow = "show_window";
constexpr const char* kRecordDesktop = "desktop";
constexpr const char* kRecordProcessId = "process_id";

// Set in the environment the game inherits: it then stays running until
// it is ended, as a real game does.
constexpr const char* kGameStaysVariable = "KAVRIN_E2E_GAME_STAYS";

struct GameRecord {
  std::string commandLine;
  std::string module;
  std::string directory;
  bool usesShowWindow = false;
  int showWindow = -1;
  std::string desktop;  // the name of the desktop it runs on
  unsigned long processId = 0;

  // The command line after the program name and the one blank after it.
  std::string Arguments() const;
};

// Parses one record file's text; unknown keys are ignored.
GameRecord ParseGameRecord(const std::string& text);

// Every record in the folder, oldest name first.
std::vector<GameRecord> ReadGameRecords(const std::string& folder);

// Deletes every record in the folder.
void ClearGameRecords(const std::string& folder);

}  // namespace kavrin
