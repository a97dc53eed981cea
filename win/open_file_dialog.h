// The common open-file dialog, explorer style, for one or several files.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kavrin {

struct OpenFileRequest {
  HWND owner = nullptr;        // disabled while the dialog runs
  std::string filter;          // parts separated by "|", e.g. "Text|*.txt||"
  DWORD flags = 0;             // OFN_ flags; OFN_EXPLORER is always added
  size_t bufferChars = 2048;   // room for the selected names
  std::string initialFolder;   // "" leaves the choice to the system
  DWORD filterIndex = 1;       // the filter chosen first, from 1
};

enum class OpenFileOutcome {
  Chosen,          // `paths` holds at least one full path
  Cancelled,       // the user closed the dialog
  BufferTooSmall,  // the selected names did not fit in the buffer
  Failed,          // the dialog could not run
};

struct OpenFileResult {
  OpenFileOutcome outcome = OpenFileOutcome::Cancelled;
  std::vector<std::string> paths;  // full paths in the order the dialog gave them
};

// Runs the dialog modally.
OpenFileResult ShowOpenFileDialog(const OpenFileRequest& request);

}  // namespace kavrin
