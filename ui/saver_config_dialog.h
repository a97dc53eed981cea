// The configuration dialog: the game executable, the demo list and the mod.
#pragma once

#include <string>
#include <vector>

#include "settings/demo_list_file.h"
#include "settings/launch_file.h"
#include "settings/save_sequence.h"
#include "settings/settings_place.h"
#include "ui/play_note_panel.h"
#include "win/dialog.h"
#include "win/list_view.h"

namespace kavrin {

// Built before it runs: makes sure both settings files exist in `place` and
// reads the executable path and mod back from the launch file. After DoModal
// returns IDOK the members hold what the user chose, for the save.
class SaverConfigDialog : public Dialog, private PlayNoteHost {
 public:
  SaverConfigDialog(HWND parent, SettingsPlace place);

  std::string ExeDirectory() const;
  std::string ExeName() const;
  std::string BuildDemoListText() const;
  // The first m_demoCount entries of m_demos (the count clamped to 0..100).
  std::vector<std::string> Demos() const;
  // The members and the settings place, ready for SaveConfiguration.
  SaveRequest MakeSaveRequest() const;

  std::string m_demos[kMaxDemos];
  int m_listLoaded = 0;
  ListView m_demoList;
  std::string m_demoPath;
  std::string m_exePath;
  int m_demoCount = 0;
  std::string m_modDir;
  HICON m_hIcon;

 protected:
  void DoDataExchange(DataExchange& exchange) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int notifyCode) override;
  bool OnPaint() override;
  bool OnSysCommand(UINT command, LPARAM lParam) override;
  HICON OnQueryDragIcon() override;
  bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void AddSystemMenuItem();
  void PaintMinimised();
  void LoadDemoList();
  void OnBrowseDemos();
  void OnAdd();
  void OnChangeDemoPath();
  void UpdateAddButton();
  void OnRemove();
  void ShowDemoCount();
  void OnBrowseExe();
  void OnAbout();
  void AppendDemos(const std::vector<std::string>& paths);
  // The texts of the list's entries, in order, at most kMaxDemos of them.
  std::vector<std::string> ListedDemos() const;
  void Tell(const std::string& text, UINT icon);
  HeldChoices Held() const override;
  void Mended(const MendChanges& changes) override;

  SettingsPlace place_;
  PlayNotePanel note_;
};

}  // namespace kavrin
