#include "ui/play_note_panel.h"

#include "res/resource.h"
#include "settings/exe_path.h"
#include "settings/file_system.h"
#include "settings/play_check.h"
#include "settings/text_mode.h"
#include "ui/play_note.h"
#include "win/data_exchange.h"
#include "win/list_view.h"

namespace kavrin {
namespace {

const UINT_PTR kTypingPause = 1;
const UINT kTypingPauseMs = 300;

std::string WriteFailure(const std::string& path, WriteFault fault) {
  return WriteFaultText(path, "Could not write this file or folder", fault);
}

// Windows takes a window for hung once its thread has not looked at its
// messages for 5 s; looking is enough, and clicks wait until the mend is
// done.
void StayResponsive() {
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
}

// Shows the scroll bar only when the note does not fit, that is when it
// scrolls. It changes only when that changes: each change lays the note
// out again, which takes Wine milliseconds. Hidden, it leaves the lines
// wider, so a note that fits with it fits without it, and one that
// scrolls without it scrolls with it.
void ShowNote(HWND dialog, const std::string& text) {
  HWND note = GetDlgItem(dialog, IDC_PLAY_NOTE);
  SetDlgItemTextA(dialog, IDC_PLAY_NOTE, text.c_str());
  const bool shown = (GetWindowLongA(note, GWL_STYLE) & WS_VSCROLL) != 0;
  const bool scrolls = LOWORD(SendMessageA(note, EM_SCROLL, SB_LINEDOWN, 0)) != 0;
  if (scrolls) SendMessageA(note, EM_SCROLL, SB_LINEUP, 0);
  if (scrolls != shown) ShowScrollBar(note, SB_VERT, scrolls);
}

// The copies of the plan, each list entry replaced as its copy is made;
// "" when all went well, else the message to show.
std::string CopyDemos(const MendPlan& plan, const ListView& list) {
  for (size_t i = 0; i < plan.copies.size(); ++i) {
    const std::string& to = plan.copies[i];
    if (to.empty()) continue;
    StayResponsive();
    const std::string from = list.ItemText(static_cast<int>(i));
    // A file already there holds the same bytes, or the plan chose another name.
    const WriteFault fault = IsFile(to) ? WriteFault::None : CopyFileContent(from, to);
    if (fault != WriteFault::None) {
      if (IsFile(from)) return WriteFailure(to, fault);
      return DisplayPath(from).append("\nCould not read this demo: it is no longer there.");
    }
    list.SetItemText(static_cast<int>(i), to);
  }
  return std::string();
}

}  // namespace

void PlayNotePanel::FieldsChanged() { SetTimer(dialog_, kTypingPause, kTypingPauseMs, nullptr); }

bool PlayNotePanel::OnTimer(UINT_PTR id) {
  if (id != kTypingPause) return false;
  KillTimer(dialog_, kTypingPause);
  Update();
  return true;
}

ChosenGame PlayNotePanel::Game() const {
  return ChooseGame(GetItemText(dialog_, IDC_EXE_PATH), GetItemText(dialog_, IDC_MOD_DIR), appData_);
}

std::vector<std::string> PlayNotePanel::ListedDemos() const {
  const ListView list(GetDlgItem(dialog_, IDC_DEMO_LIST));
  std::vector<std::string> demos;
  for (int i = 0; i < list.Count(); ++i) demos.push_back(list.ItemText(i));
  return demos;
}

void PlayNotePanel::Update() {
  const std::vector<std::string> demos = ListedDemos();
  const ChosenGame game = Game();
  const PlayCheck check = CheckPlay(game, demos, disk_);
  ShowNote(dialog_, PlayNoteText(check.findings));
  plan_ = PlanMend(game, demos, check, disk_);
  SetDlgItemTextA(dialog_, IDC_MEND, plan_.caption.c_str());
  // SetWindowPos, which the program imports anyway, in place of ShowWindow.
  const UINT shown = plan_.caption.empty() ? SWP_HIDEWINDOW : SWP_SHOWWINDOW;
  SetWindowPos(GetDlgItem(dialog_, IDC_MEND), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | shown);
}

void PlayNotePanel::OnMend() {
  const HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  const std::string failure = CarryOut(plan_);
  SetCursor(previous);
  disk_.Forget();
  Update();
  // A hidden button would keep the focus, and Enter would press it, not OK.
  if (plan_.caption.empty()) {
    SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog_, IDOK)), TRUE);
  }
  if (!failure.empty()) MessageBoxA(dialog_, failure.c_str(), "Kavrin", MB_OK | MB_ICONERROR);
}

std::string PlayNotePanel::CarryOut(const MendPlan& plan) {
  for (const std::string& folder : plan.folders) {
    const WriteFault fault = MakeFolder(folder);
    if (fault != WriteFault::None) return WriteFailure(folder, fault);
  }
  if (!plan.script.empty()) {
    const WriteFault fault = ReplaceFileContent(plan.script, ToDiskText(kLoopScript));
    if (fault != WriteFault::None) return WriteFailure(plan.script, fault);
  }
  if (!plan.mod.empty()) SetDlgItemTextA(dialog_, IDC_MOD_DIR, plan.mod.c_str());
  const ListView list(GetDlgItem(dialog_, IDC_DEMO_LIST));
  // Redrawn after every entry, the list would cost milliseconds per demo.
  list.SetRedraw(false);
  const std::string failure = CopyDemos(plan, list);
  list.SetRedraw(true);
  InvalidateRect(list.hwnd(), nullptr, TRUE);
  return failure;
}

}  // namespace kavrin
