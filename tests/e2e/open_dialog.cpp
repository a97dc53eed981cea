#include "open_dialog.h"

#include <dlgs.h>

#include "remote_window.h"
#include "scenario.h"

namespace kavrin {
namespace {

// The file-name field of the explorer-style dialog: a combo box holding an edit.
constexpr int kFileNameCombo = cmb13;

struct ChildSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<ChildSearch*>(param);
  if (GetDlgCtrlID(child) != search->id) return TRUE;
  search->found = child;
  return FALSE;
}

HWND FindDescendant(HWND window, int id) {
  ChildSearch search{id, nullptr};
  EnumChildWindows(window, MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindOpenDialog(DWORD processId) {
  for (HWND window : VisibleTopWindows(processId)) {
    if (ClassNameOf(window) == "#32770" && FindDescendant(window, kFileNameCombo)) return window;
  }
  return nullptr;
}

HWND FileNameField(HWND dialog) { return FindDescendant(dialog, kFileNameCombo); }

void TypeFileName(HWND dialog, const std::string& text) {
  SendMessageA(FileNameField(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

HWND WaitForOpenDialog(DWORD processId) {
  HWND dialog = nullptr;
  WaitFor([&] { return (dialog = FindOpenDialog(processId)) != nullptr; }, "the Open dialog");
  return dialog;
}

void ChooseFile(DWORD processId, const std::string& path) {
  HWND dialog = WaitForOpenDialog(processId);
  TypeFileName(dialog, path);
  PostClick(dialog, IDOK);
  WaitForWindowGone(dialog, "the Open dialog");
}

void ChooseFiles(DWORD processId, const std::string& folder, const std::vector<std::string>& names) {
  HWND dialog = WaitForOpenDialog(processId);
  TypeFileName(dialog, folder);
  PostClick(dialog, IDOK);
  // The dialog moves into the folder and empties the field; Wine's keeps
  // the text when it is in that folder already, where Kavrin may open it.
  HappensWithin([&] { return WindowText(FileNameField(dialog)).empty(); });
  std::string quoted;
  for (const std::string& name : names) quoted += (quoted.empty() ? "\"" : " \"") + name + "\"";
  TypeFileName(dialog, quoted);
  PostClick(dialog, IDOK);
  WaitForWindowGone(dialog, "the Open dialog");
}

void CancelOpenDialog(DWORD processId) {
  HWND dialog = WaitForOpenDialog(processId);
  PostClick(dialog, IDCANCEL);
  WaitForWindowGone(dialog, "the Open dialog");
}

}  // namespace kavrin
