// Screen captures: screenshots of windows as artefacts, and pixels to compare.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kavrin {

// 24-bit pixels, bottom-up rows padded to 4 bytes, as a BMP file holds them.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<char> rows;
};

// The screen's pixels inside `rect` (screen coordinates); empty on failure.
Pixels CaptureScreen(const RECT& rect);

// The icon drawn at its own size on a plain background of `background`.
Pixels DrawnIcon(HICON icon, int width, int height, COLORREF background);

// Copies the window's area of the screen into a 24-bit BMP file.
// Returns false when nothing could be captured or written.
bool SaveWindowShot(HWND window, const std::string& bmpPath);

}  // namespace kavrin
