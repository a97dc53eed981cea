#include "remote_window.h"

#include <algorithm>

#include "scenario.h"

namespace kavrin {
namespace {

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> VisibleTopWindows(DWORD processId) {
  WindowSearch search{processId, {}};
  EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindTopWindow(DWORD processId, const std::string& caption) {
  for (HWND window : VisibleTopWindows(processId)) {
    if (WindowText(window) == caption) return window;
  }
  return nullptr;
}

HWND WaitForTopWindow(DWORD processId, const std::string& caption) {
  HWND window = nullptr;
  WaitFor([&] { return (window = FindTopWindow(processId, caption)) != nullptr; },
          "the window \"" + caption + "\"");
  return window;
}

void WaitForWindowGone(HWND window, const std::string& what) {
  WaitFor([&] { return !IsWindow(window); }, what + " to close");
}

std::string WindowText(HWND window) {
  // Asked for its length first: a field may hold a line of any length.
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
  std::vector<char> text(length + 1, '\0');
  // WM_GETTEXT rather than GetWindowText: the latter does not ask another
  // process's controls for their text.
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 5000, &copied);
  return std::string(text.data(), std::min<size_t>(copied, length));
}

std::string ClassNameOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof(name));
  return name;
}

HWND Control(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) Fail("no control with id " + std::to_string(id) + " in \"" + WindowText(dialog) + "\"");
  return control;
}

std::string ControlText(HWND dialog, int id) { return WindowText(Control(dialog, id)); }

void SetControlText(HWND dialog, int id, const std::string& text) {
  SendMessageA(Control(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool ControlEnabled(HWND dialog, int id) { return IsWindowEnabled(Control(dialog, id)) != FALSE; }

void PostClick(HWND dialog, int id) { PostMessageA(Control(dialog, id), BM_CLICK, 0, 0); }

}  // namespace kavrin
