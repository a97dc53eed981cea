// Answers the common Open dialog that a process under test shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kavrin {

// Waits for the process's Open dialog; fails the scenario if none comes.
HWND WaitForOpenDialog(DWORD processId);

// Types a full path into the file-name field and presses Open.
void ChooseFile(DWORD processId, const std::string& path);

// Picks several files of one folder: enters the folder first, then types
// the names, each in double quotes, and presses Open.
void ChooseFiles(DWORD processId, const std::string& folder, const std::vector<std::string>& names);

// Closes the Open dialog with Cancel.
void CancelOpenDialog(DWORD processId);

}  // namespace kavrin
