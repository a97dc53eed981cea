#include "remote_config_dialog.h"

#include "open_dialog.h"
#include "remote_list_view.h"
#include "remote_window.h"
#include "scenario.h"

namespace kavrin {
namespace {

// The list is filled at the first paint; a count that has held still this
// long after the window is up is taken as the loaded one.
constexpr DWORD kSettleMs = 300;

void WaitForSettledCount(HWND dialog) {
  std::string last = ControlText(dialog, config_ui::kDemoCount);
  DWORD stableSince = GetTickCount();
  WaitFor(
      [&] {
        const std::string now = ControlText(dialog, config_ui::kDemoCount);
        if (now != last) {
          last = now;
          stableSince = GetTickCount();
        }
        return GetTickCount() - stableSince >= kSettleMs;
      },
      "the demo count to settle");
}

}  // namespace

RemoteConfigDialog::RemoteConfigDialog(DWORD processId)
    : processId_(processId), window_(WaitForTopWindow(processId, config_ui::kCaption)) {
  // The list is loaded at the first paint: have it happen now if it has not.
  UpdateWindow(window_);
  WaitForSettledCount(window_);
}

std::string RemoteConfigDialog::ExePath() const { return ControlText(window_, config_ui::kExePath); }
std::string RemoteConfigDialog::ModDir() const { return ControlText(window_, config_ui::kModDir); }
std::string RemoteConfigDialog::DemoPathField() const { return ControlText(window_, config_ui::kDemoPath); }
std::string RemoteConfigDialog::CountText() const { return ControlText(window_, config_ui::kDemoCount); }

std::string RemoteConfigDialog::PlayNote() const { return ControlText(window_, config_ui::kPlayNote); }
void RemoteConfigDialog::WaitForNote(const std::string& part) const {
  WaitFor([&] { return PlayNote().find(part) != std::string::npos; }, "the play note to say: " + part);
}

std::string RemoteConfigDialog::MendCaption() const {
  HWND button = Control(window_, config_ui::kMend);
  return IsWindowVisible(button) ? ControlText(window_, config_ui::kMend) : std::string();
}

void RemoteConfigDialog::Mend() const {
  const std::string offered = MendCaption();
  Expect(!offered.empty(), "the mend button is hidden");
  PressMend();
  WaitFor([&] { return MendCaption() != offered; }, "the mend button to offer something else than: " + offered);
}

void RemoteConfigDialog::PressMend() const { PostClick(window_, config_ui::kMend); }

bool RemoteConfigDialog::AddEnabled() const { return ControlEnabled(window_, config_ui::kAdd); }

std::vector<std::string> RemoteConfigDialog::Demos() const {
  return RemoteListView(Control(window_, config_ui::kDemoList)).Items();
}

void RemoteConfigDialog::TypeExePath(const std::string& path) const {
  SetControlText(window_, config_ui::kExePath, path);
}

void RemoteConfigDialog::TypeModDir(const std::string& mod) const {
  SetControlText(window_, config_ui::kModDir, mod);
}

void RemoteConfigDialog::BrowseExe(const std::string& path) const {
  PostClick(window_, config_ui::kBrowseExe);
  ChooseFile(processId_, path);
  WaitFor([&] { return ExePath() == path; }, "the executable field to show " + path);
}

void RemoteConfigDialog::BrowseDemos(const std::string& folder, const std::vector<std::string>& names) const {
  const int before = static_cast<int>(Demos().size());
  PostClick(window_, config_ui::kBrowseDemos);
  ChooseFiles(processId_, folder, names);
  WaitForCount(before + static_cast<int>(names.size()), "Browse");
}

void RemoteConfigDialog::BrowseDemo(const std::string& path) const {
  const int before = static_cast<int>(Demos().size());
  PostClick(window_, config_ui::kBrowseDemos);
  ChooseFile(processId_, path);
  WaitForCount(before + 1, "Browse");
}

void RemoteConfigDialog::Remove(const std::vector<int>& indices) const {
  RemoteListView list(Control(window_, config_ui::kDemoList));
  const int before = list.Count();
  list.Select(indices);
  Expect(list.Selected() == indices, "the entries to remove could not be selected");
  PostClick(window_, config_ui::kRemove);
  WaitForCount(before - static_cast<int>(indices.size()), "Remove");
}

HWND RemoteConfigDialog::OpenAboutBox() const {
  PostClick(window_, config_ui::kAbout);
  return WaitForTopWindow(processId_, config_ui::kAboutCaption);
}

void RemoteConfigDialog::PressOk() const { PostClick(window_, config_ui::kOk); }
void RemoteConfigDialog::PressCancel() const { PostClick(window_, config_ui::kCancel); }

void RemoteConfigDialog::WaitForCount(int count, const std::string& after) const {
  WaitFor([&] { return RemoteListView(Control(window_, config_ui::kDemoList)).Count() == count; },
          std::to_string(count) + " demos in the list after " + after);
  WaitFor([&] { return CountText() == std::to_string(count); },
          "the count display to show " + std::to_string(count) + " after " + after);
}

void CloseAboutBox(HWND aboutBox) {
  PostClick(aboutBox, config_ui::kAboutOk);
  WaitForWindowGone(aboutBox, "the About box");
}

}  // namespace kavrin
