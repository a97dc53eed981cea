// Reads and dismisses a message box of the process under test.
#pragma once

#include <windows.h>

#include <string>

namespace kavrin {

struct SeenMessageBox {
  std::string text;
  // Which system icon it shows: "error", "warning", "information",
  // "question", "none", or "unknown" for a picture matching none of them.
  std::string icon;
};

// Waits for the process's message box with this caption, reads it and
// presses its OK button. Fails the scenario when none comes.
SeenMessageBox AnswerMessageBox(DWORD processId, const std::string& caption);

}  // namespace kavrin
