// A modal dialog built on a dialog template, with virtual message handlers.
#pragma once

#include <windows.h>

#include <string>

#include "win/data_exchange.h"

namespace kavrin {

class Dialog {
 public:
  // `parent` is disabled while the dialog runs; may be null.
  Dialog(int templateId, HWND parent);
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Creates the window from the template in this program's resources and
  // runs its modal loop; returns the code given to EndDialog (-1 when the
  // window cannot be created).
  INT_PTR DoModal();

  // The window while the modal loop runs; null before and after.
  HWND hwnd() const { return hwnd_; }

 protected:
  // Lists the control and member pairs; run by UpdateData.
  virtual void DoDataExchange(DataExchange& exchange);
  // Loads the controls from the members; TRUE lets the system set the focus.
  virtual BOOL OnInitDialog();
  // Saves the controls into the members, then ends with IDOK; stays open
  // when the exchange fails.
  virtual void OnOK();
  virtual void OnCancel();
  // WM_COMMAND; returns whether it was handled. Handles IDOK and IDCANCEL.
  virtual bool OnCommand(int id, int notifyCode);
  // WM_PAINT; returns whether it painted. Not painting leaves it to the
  // default dialog procedure.
  virtual bool OnPaint();
  // WM_SYSCOMMAND; returns whether the command was consumed.
  virtual bool OnSysCommand(UINT command, LPARAM lParam);
  // WM_QUERYDRAGICON; null leaves it to the default.
  virtual HICON OnQueryDragIcon();

  // The message map: sends the message to its handler above and returns
  // whether one took it, with what the dialog procedure returns in
  // `result`. A dialog with a part (a member that owns some of its
  // controls) chains the part's map ahead of this one, as WTL's
  // CHAIN_MSG_MAP_MEMBER does.
  virtual bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

  // Runs DoDataExchange in one direction; returns whether it succeeded.
  bool UpdateData(bool saving);
  void EndDialog(INT_PTR result);
  // The painting the default dialog procedure would do: validates the window.
  void PaintDefault();

  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  std::string ItemText(int id) const { return GetItemText(hwnd_, id); }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Centres the new window over its owner, or in the work area when it has
  // none. Our templates sit at 0, 0 and leave the place to us.
  void Centre();

  int templateId_;
  HWND parent_;
  HWND hwnd_ = nullptr;
};

}  // namespace kavrin
