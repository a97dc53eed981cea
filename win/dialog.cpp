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

bool Dialog::UpdateData(bool saving) {
  DataExchange exchange(hwnd_, saving);
  DoDataExchange(exchange);
  return exchange.ok();
}

void Dialog::EndDialog(INT_PTR result) { ::EndDialog(hwnd_, result); }

void Dialog::Centre() {
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
    reinterpret_cast<Dialog*>(lParam)->Centre();
  }
  auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  INT_PTR result = FALSE;
  dialog->ProcessMessage(message, wParam, lParam, result);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    dialog->hwnd_ = nullptr;
  }
  return result;
}

bool Dialog::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    // FALSE from OnInitDialog means it set the focus itself, not that it
    // left the message.
    case WM_INITDIALOG: result = OnInitDialog(); return true;
    case WM_COMMAND: result = OnCommand(LOWORD(wParam), HIWORD(wParam)); break;
    case WM_PAINT: result = OnPaint(); break;
    case WM_SYSCOMMAND: result = OnSysCommand(static_cast<UINT>(wParam), lParam); break;
    case WM_QUERYDRAGICON: result = reinterpret_cast<INT_PTR>(OnQueryDragIcon()); break;
    default: return false;
  }
  return result != FALSE;
}

}  // namespace kavrin
