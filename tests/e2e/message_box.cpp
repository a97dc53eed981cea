#include "message_box.h"

#include "remote_window.h"
#include "scenario.h"
#include "screenshot.h"

namespace kavrin {
namespace {

constexpr int kMessageText = 0xFFFF;
// The icon static of the system's message box template.
constexpr int kMessageIcon = 0x0440;

struct SystemIcon {
  const char* name;
  LPCSTR id;
};

const SystemIcon kSystemIcons[] = {
    {"error", IDI_HAND},
    {"warning", IDI_EXCLAMATION},
    {"information", IDI_ASTERISK},
    {"question", IDI_QUESTION},
};

COLORREF TopLeftColour(const Pixels& pixels) {
  const size_t stride = pixels.rows.size() / pixels.height;
  const size_t top = stride * (pixels.height - 1);  // rows run bottom-up
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(pixels.rows[top + i]); };
  return RGB(byte(2), byte(1), byte(0));
}

// An icon handle of another process means nothing here, so the shown
// picture is compared with each system icon drawn by this process.
std::string IdentifyIcon(HWND box) {
  HWND icon = GetDlgItem(box, kMessageIcon);
  if (!icon || !IsWindowVisible(icon)) return "none";
  POINT origin = {0, 0};
  ClientToScreen(icon, &origin);
  const int width = GetSystemMetrics(SM_CXICON);
  const int height = GetSystemMetrics(SM_CYICON);
  const Pixels shown = CaptureScreen({origin.x, origin.y, origin.x + width, origin.y + height});
  if (shown.rows.empty()) return "unknown";
  for (const SystemIcon& candidate : kSystemIcons) {
    const Pixels drawn = DrawnIcon(LoadIconA(nullptr, candidate.id), width, height, TopLeftColour(shown));
    if (drawn.rows == shown.rows) return candidate.name;
  }
  return "unknown";
}

}  // namespace

SeenMessageBox AnswerMessageBox(DWORD processId, const std::string& caption) {
  HWND box = WaitForTopWindow(processId, caption);
  Expect(ClassNameOf(box) == "#32770", "\"" + caption + "\" is not a message box");
  SeenMessageBox seen;
  seen.text = ControlText(box, kMessageText);
  // The picture is there only once the box has painted.
  HappensWithin([&] { return (seen.icon = IdentifyIcon(box)) != "unknown"; });
  PostClick(box, IDOK);
  WaitForWindowGone(box, "the message box");
  return seen;
}

}  // namespace kavrin
