#include "ui/play_note_panel.h"

#include "res/resource.h"
#include "files/exe_path.h"
#include "files/file_system.h"
#include "games/play_check.h"
#include "files/text_mode.h"
#include "ui/play_note.h"

namespace kavrin {
namespace {

// The typing pause's timer. A timer needs a window and the part has none
// of its own, so it sets this one on the dialog's, named after the note
// so that it is plainly the note's; it alone sets, kills and handles it.
const UINT_PTR kTypingPause = IDC_PLAY_NOTE;
const UINT kTypingPauseMs = 300;

std::string WriteFailure(const std::string& path, WriteFault fault) {
  return WriteFaultText(path, "Could not write this file or folder", fault);
}

// Windows takes a window for hung once its thread has not looked at its
// messages for 5 s; looking is enough, and clicks wait until the mend is
// done. Once a second is often enough.
void StayResponsive(DWORD& lookedAt) {
  if (GetTickCount() - lookedAt < 1000) return;
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
  lookedAt = GetTickCount();
}

// The plan's copies of the listed demos; "" when all went well, else the
// message to show. `replaced` gets the copies made.
std::string CopyDemos(const MendPlan& plan, const std::vector<std::string>& demos,
                      std::vector<std::string>& replaced) {
  replaced.assign(plan.copies.size(), std::string());
  DWORD lookedAt = GetTickCount();
  for (size_t i = 0; i < plan.copies.size() && i < demos.size(); ++i) {
    const std::string& to = plan.copies[i];
    if (to.empty()) continue;
    StayResponsive(lookedAt);
    // A file already there holds the same bytes, or the plan chose another name.
    const WriteFault fault = IsFile(to) ? WriteFault::None : CopyFileContent(demos[i], to);
    if (fault != WriteFault::None) {
      if (IsFile(demos[i])) return WriteFailure(to, fault);
      return DisplayPath(demos[i]) + "\nCould not read this demo: it is no longer there.";
    }
    replaced[i] = to;
  }
  return std::string();
}

}  // namespace

void PlayNotePanel::FieldsChanged() { SetTimer(dialog_, kTypingPause, kTypingPauseMs, nullptr); }

bool PlayNotePanel::ProcessMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
  if (message == WM_TIMER && wParam == kTypingPause) {
    OnTypingPause();
  } else if (message == WM_COMMAND && LOWORD(wParam) == IDC_MEND && HIWORD(wParam) == BN_CLICKED) {
    OnMend();
  } else {
    return false;
  }
  result = TRUE;
  return true;
}

ChosenGame PlayNotePanel::Game() const {
  const HeldChoices held = host_.Held();
  return ChooseGame(held.exePath, held.modDir, appData_);
}

void PlayNotePanel::Update() {
  const HeldChoices held = host_.Held();
  const ChosenGame game = ChooseGame(held.exePath, held.modDir, appData_);
  const PlayCheck check = CheckPlay(game, held.demos, disk_);
  ShowNote(PlayNoteText(check.findings));
  plan_ = PlanMend(game, held.demos, check, disk_);
  ShowMendButton();
}

void PlayNotePanel::OnTypingPause() {
  KillTimer(dialog_, kTypingPause);
  Update();
}

void PlayNotePanel::OnMend() {
  const HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  MendChanges changes;
  const std::string failure = CarryOut(host_.Held().demos, changes);
  SetCursor(previous);
  host_.Mended(changes);
  disk_.Forget();
  Update();
  if (!failure.empty()) MessageBoxA(dialog_, failure.c_str(), "Kavrin", MB_OK | MB_ICONERROR);
}

std::string PlayNotePanel::CarryOut(const std::vector<std::string>& demos, MendChanges& changes) {
  for (const std::string& folder : plan_.folders) {
    const WriteFault fault = MakeFolder(folder);
    if (fault != WriteFault::None) return WriteFailure(folder, fault);
  }
  if (!plan_.script.empty()) {
    const WriteFault fault = ReplaceFileContent(plan_.script, ToDiskText(plan_.scriptText));
    if (fault != WriteFault::None) return WriteFailure(plan_.script, fault);
  }
  changes.mod = plan_.mod;
  return CopyDemos(plan_, demos, changes.entries);
}

// Shows the scroll bar only when the note does not fit, that is when it
// scrolls. It changes only when that changes: each change lays the note
// out again, which takes Wine milliseconds. Hidden, it leaves the lines
// wider, so a note that fits with it fits without it, and one that
// scrolls without it scrolls with it.
void PlayNotePanel::ShowNote(const std::string& text) {
  HWND note = GetDlgItem(dialog_, IDC_PLAY_NOTE);
  SetDlgItemTextA(dialog_, IDC_PLAY_NOTE, text.c_str());
  const bool shown = (GetWindowLongA(note, GWL_STYLE) & WS_VSCROLL) != 0;
  const bool scrolls = LOWORD(SendMessageA(note, EM_SCROLL, SB_LINEDOWN, 0)) != 0;
  if (scrolls) SendMessageA(note, EM_SCROLL, SB_LINEUP, 0);
  if (scrolls != shown) ShowScrollBar(note, SB_VERT, scrolls);
}

void PlayNotePanel::ShowMendButton() {
  HWND button = GetDlgItem(dialog_, IDC_MEND);
  SetDlgItemTextA(dialog_, IDC_MEND, plan_.caption.c_str());
  if (!plan_.caption.empty()) {
    ShowWindow(button, SW_SHOW);
    return;
  }
  // A hidden button that kept the focus would take Enter from the default
  // button: the focus moves on, as Tab would move it.
  if (GetFocus() == button) SendMessageA(dialog_, WM_NEXTDLGCTL, 0, FALSE);
  ShowWindow(button, SW_HIDE);
}

}  // namespace kavrin
