// The configuration dialog of a running saver, worked as a user would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "res/version.h"

namespace kavrin {

// What the dialog looks like from outside: captions and control ids.
namespace config_ui {
constexpr const char* kCaption = KAVRIN_CONFIG_CAPTION;
constexpr const char* kAboutCaption = "About Kavrin";
constexpr int kOk = IDOK;
constexpr int kCancel = IDCANCEL;
constexpr int kAbout = IDC_ABOUT;
constexpr int kExePath = IDC_EXE_PATH;
constexpr int kBrowseExe = IDC_BROWSE_EXE;
constexpr int kDemoPath = IDC_DEMO_PATH;
constexpr int kBrowseDemos = IDC_BROWSE_DEMOS;
constexpr int kDemoList = IDC_DEMO_LIST;
constexpr int kAdd = IDC_ADD;
constexpr int kRemove = IDC_REMOVE;
constexpr int kDemoCount = IDC_DEMO_COUNT;
constexpr int kModDir = IDC_MOD_DIR;
constexpr int kPlayNote = IDC_PLAY_NOTE;
constexpr int kMend = IDC_MEND;
constexpr int kAboutOk = IDOK;
}  // namespace config_ui

class RemoteConfigDialog {
 public:
  // Waits for the process's configuration dialog and for its first paint
  // to have filled the demo list (the count stops changing).
  explicit RemoteConfigDialog(DWORD processId);

  HWND Window() const { return window_; }

  std::string ExePath() const;
  std::string ModDir() const;
  std::string DemoPathField() const;
  std::string CountText() const;
  std::string PlayNote() const;
  // Waits until the note, which follows typing once it pauses, holds `part`.
  void WaitForNote(const std::string& part) const;
  // What the mend button offers; "" while it is hidden.
  std::string MendCaption() const;
  std::vector<std::string> Demos() const;
  bool AddEnabled() const;

  void TypeExePath(const std::string& path) const;
  void TypeModDir(const std::string& mod) const;

  // Browse for the executable and pick `path`; waits for the field to show it.
  void BrowseExe(const std::string& path) const;
  // Browse for demos and pick names in one folder; waits for the list to grow.
  void BrowseDemos(const std::string& folder, const std::vector<std::string>& names) const;
  void BrowseDemo(const std::string& path) const;

  // Presses the mend button; waits for the dialog to offer what is next.
  void Mend() const;
  // Presses the mend button and returns at once.
  void PressMend() const;

  // Selects exactly these entries and presses Remove; waits for the count.
  void Remove(const std::vector<int>& indices) const;

  // Opens the About box with the About button; returns its window.
  HWND OpenAboutBox() const;

  // Closes the dialog; the process then saves (OK) or not (Cancel).
  void PressOk() const;
  void PressCancel() const;

 private:
  void WaitForCount(int count, const std::string& after) const;

  DWORD processId_;
  HWND window_;
};

// Presses OK in an open About box and waits for it to close.
void CloseAboutBox(HWND aboutBox);

}  // namespace kavrin
