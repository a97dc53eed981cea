#include "win/dialog.h"

#include "win/dialog_placement.h"
#include "win/system_function.h"

namespace kavrin {
namespace {

Box ToBox(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

Box WindowBox(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return ToBox(rect);
}

// The work area of the monitor the window is on; the primary one's before
// Windows 98 and 2000, which have but one.
Box WorkAreaNear(HWND window) {
  auto* monitorFromWindow = SystemFunction<HMONITOR WINAPI(HWND, DWORD)>("user32.dll", "MonitorFromWindow");
  auto* getMonitorInfo = SystemFunction<BOOL WINAPI(HMONITOR, MONITORINFO*)>("user32.dll", "GetMonitorInfoA");
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (monitorFromWindow && getMonitorInfo &&
      getMonitorInfo(monitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return ToBox(monitor.rcWork);
  }
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return ToBox(work);
}

// Whether this program's template `templateId` sits at 0, 0 and leaves
// centring to us.
bool ResourceLeavesPlacement(int templateId) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), RT_DIALOG);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  return bytes != nullptr && TemplateLeavesPlacement(bytes, SizeofResource(module, found));
}

}  // namespace

Dialog::Dialog(int templateId, HWND parent) : templateId_(templateId), parent_(parent) {}

INT_PTR Dialog::DoModal() {
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent_, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

void Dialog::DoDataExchange(DataExchange&) {}

BOOL Dialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void Dialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

bool Dialog::OnCommand(int id, int notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  switch (id) {
    case IDOK: OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
  }
  return false;
}

bool Dialog::OnPaint() { return false; }

bool Dialog::OnSysCommand(UINT, LPARAM) { return false; }

HICON Dialog::OnQueryDragIcon() { return nullptr; }

bool Dialog::OnTimer(UINT_PTR) { return false; }

bool Dialog::UpdateData(bool saving) {
  DataExchange exchange(hwnd_, saving);
  DoDataExchange(exchange);
  return exchange.ok();
}

void Dialog::EndDialog(INT_PTR result) { ::EndDialog(hwnd_, result); }

void Dialog::CentreUnlessPlaced() {
  if (!ResourceLeavesPlacement(templateId_)) return;
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  const bool overOwner = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);
  const Box area = WorkAreaNear(overOwner ? owner : hwnd_);
  const Box placed = CentredBox(WindowBox(hwnd_), overOwner ? WindowBox(owner) : area, area);
  SetWindowPos(hwnd_, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::PaintDefault() {
  PAINTSTRUCT paint;
  BeginPaint(hwnd_, &paint);
  EndPaint(hwnd_, &paint);
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // Messages before WM_INITDIALOG (WM_SETFONT) find no object yet.
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    reinterpret_cast<Dialog*>(lParam)->hwnd_ = hwnd;
    // Before OnInitDialog, so that a handler that moves the window wins.
    reinterpret_cast<Dialog*>(lParam)->CentreUnlessPlaced();
  }
  auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  const INT_PTR result = dialog->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    dialog->hwnd_ = nullptr;
  }
  return result;
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_PAINT: return OnPaint();
    case WM_SYSCOMMAND: return OnSysCommand(static_cast<UINT>(wParam), lParam);
    case WM_QUERYDRAGICON: return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    case WM_TIMER: return OnTimer(wParam);
  }
  return FALSE;
}

}  // namespace kavrin
