#include "message_box.h"

#include "remote_window.h"
#include "scenario.h"

namespace kavrin {
namespace {

constexpr int kMessageText = 0xFFFF;
// The icon static of the system's message box template.
constexpr int kMessageIcon = 0x0440;

}  // namespace

SeenMessageBox AnswerMessageBox(DWORD processId, const std::string& caption) {
  HWND box = WaitForTopWindow(processId, caption);
  Expect(ClassNameOf(box) == "#32770", "\"" + caption + "\" is not a message box");
  SeenMessageBox seen;
  seen.text = ControlText(box, kMessageText);
  HWND icon = GetDlgItem(box, kMessageIcon);
  seen.showsIcon = icon && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
  PostClick(box, IDOK);
  WaitForWindowGone(box, "the message box");
  return seen;
}

}  // namespace kavrin
