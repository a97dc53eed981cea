// Reading the screen saver switch from the raw command line.
#pragma once

namespace kavrin {

enum class SaverMode {
  NoSwitch,      // only the program name
  Preview,       // 'p': nothing is drawn
  ListSwitch,    // 'l': nothing
  Run,           // 's': start the game
  Configure,     // 'c': the configuration dialog
  Unrecognised,  // anything else, a second '-' or '/' included
};

struct SaverSwitch {
  SaverMode mode = SaverMode::NoSwitch;
  int character = 0;  // the switch character as an unsigned byte; 0 if none
};

// What follows the program name (quoted or not) and the blanks after it:
// WinMain's lpCmdLine. Points into `commandLine`; "" for null.
const char* ArgumentsOf(const char* commandLine);

// Skips the program name and the blanks after it (ArgumentsOf) and one '-'
// or '/', then looks at one character. Nothing after it is read.
SaverSwitch ParseSwitch(const char* commandLine);

// The exit code of a mode that does nothing: the character's code for an
// unrecognised switch, 0 otherwise.
int IdleExitCode(const SaverSwitch& saverSwitch);

}  // namespace kavrin
