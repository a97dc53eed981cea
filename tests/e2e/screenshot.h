// Screenshots of windows as artefacts of the suite.
#pragma once

#include <windows.h>

#include <string>

namespace kavrin {

// Copies the window's area of the screen into a 24-bit BMP file.
// Returns false when nothing could be captured or written.
bool SaveWindowShot(HWND window, const std::string& bmpPath);

}  // namespace kavrin
