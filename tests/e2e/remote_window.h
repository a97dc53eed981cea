// Windows and controls of another process, worked through window messages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kavrin {

// The process's visible top-level windows.
std::vector<HWND> VisibleTopWindows(DWORD processId);

// The process's visible top-level window with this caption, or nullptr.
HWND FindTopWindow(DWORD processId, const std::string& caption);

// Waits for that window; fails the scenario when it does not come.
HWND WaitForTopWindow(DWORD processId, const std::string& caption);

// Waits until the window is destroyed; fails the scenario if it stays.
void WaitForWindowGone(HWND window, const std::string& what);

std::string WindowText(HWND window);
std::string ClassNameOf(HWND window);

// The control with this id; fails the scenario when the dialog has none.
HWND Control(HWND dialog, int id);

std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
bool ControlEnabled(HWND dialog, int id);

// Presses a button by posting BM_CLICK: returns at once, so the click may
// open a modal box that a sent message would wait for.
void PostClick(HWND dialog, int id);

}  // namespace kavrin
