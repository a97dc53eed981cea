#include "remote_window.h"

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
  char text[4096] = "";
  // WM_GETTEXT rather than GetWindowText: the latter does not ask another
  // process's controls for their text.
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
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
