// Copies values between dialog controls and members, in one direction per run.
#pragma once

#include <windows.h>

#include <string>

namespace kavrin {

// A dialog's DoDataExchange lists its control and member pairs once; run in
// the loading direction the members fill the controls, in the saving
// direction the controls fill the members.
class DataExchange {
 public:
  DataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}

  // False once a control held text that does not fit its member.
  bool ok() const { return ok_; }

  // Attaches a control wrapper (anything with Attach(HWND)) to control `id`.
  template <typename Wrapper>
  void Control(int id, Wrapper& wrapper) {
    wrapper.Attach(GetDlgItem(dialog_, id));
  }

  void Text(int id, std::string& value);
  // Decimal text; a control whose text is no integer fails the exchange and
  // gets the focus, the member keeps its value.
  void Int(int id, int& value);

 private:
  HWND dialog_;
  bool saving_;
  bool ok_ = true;
};

// The whole text of a dialog control.
std::string GetItemText(HWND dialog, int id);

}  // namespace kavrin
