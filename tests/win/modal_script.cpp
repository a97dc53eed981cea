#include "tests/win/modal_script.h"

namespace kavrin::testing {
namespace {

constexpr UINT kTickMs = 30;
// How long one step may wait before the script gives up (about 15 s).
constexpr int kMaxTicksPerStep = 500;

// The one running script; a thread timer procedure gets no context.
ModalScript* g_script = nullptr;

struct Search {
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchCaption(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  char text[256] = "";
  GetWindowTextA(hwnd, text, sizeof text);
  if (IsWindowVisible(hwnd) && lstrcmpA(text, search->caption) == 0) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam) {
  reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
  return TRUE;
}

}  // namespace

ModalScript::ModalScript(std::vector<Step> steps)
    : steps_(std::move(steps)), timer_(SetTimer(nullptr, 0, kTickMs, Tick)) {
  g_script = this;
}

ModalScript::~ModalScript() {
  KillTimer(nullptr, timer_);
  g_script = nullptr;
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_script != nullptr) g_script->RunNextStep();
}

void ModalScript::RunNextStep() {
  // A step that opens a nested modal loop must not be re-entered by ticks
  // that fire inside that loop.
  if (running_ || finished() || !failure_.empty()) return;
  running_ = true;
  const bool done = steps_[next_]();
  running_ = false;
  if (done) {
    ++next_;
    ticksOnStep_ = 0;
  } else if (++ticksOnStep_ > kMaxTicksPerStep) {
    GiveUp();
  }
}

void ModalScript::GiveUp() {
  failure_ = "step " + std::to_string(next_) + " of " + std::to_string(steps_.size()) + " kept waiting";
  EndThreadDialogs();
}

HWND FindThreadWindow(const char* caption) {
  Search search{caption, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), MatchCaption, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void EndThreadDialogs() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  // EnumThreadWindows lists the newest first, so nested boxes end first.
  for (HWND hwnd : windows) EndDialog(hwnd, IDABORT);
}

ModalScript::Step Do(std::function<void()> action) {
  return [action] {
    action();
    return true;
  };
}

void PostClick(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace kavrin::testing
