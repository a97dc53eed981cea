// The demo and executable browse buttons, through the real open-file dialog.
#include <gtest/gtest.h>
#include <windows.h>
#include <dlgs.h>

#include "res/resource.h"
#include "tests/unit/temp_dir.h"
#include "tests/win/modal_script.h"
#include "ui/saver_config_dialog.h"

namespace kavrin {
namespace {

using testing::Do;
using testing::FindThreadWindow;
using testing::ModalScript;
using testing::PostClick;
using testing::TempDir;
using testing::WriteBytes;
using Step = ModalScript::Step;

// The file-name box of the open-file dialog: a combo box holding an edit.
constexpr int kFileNameBox = cmb13;
// The text of a message box.
constexpr int kMessageText = 0xFFFF;

std::vector<std::string> ComboTexts(HWND combo) {
  std::vector<std::string> texts;
  for (LRESULT i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
    std::string text(static_cast<size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
    text.resize(static_cast<size_t>(SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]))));
    texts.push_back(text);
  }
  return texts;
}

class BrowseTest : public ::testing::Test {
 protected:
  BrowseTest() {
    for (const char* name : {"a.dm2", "b.dm2", "c.dm2"}) WriteBytes(dir / name, "demo");
  }

  // Types into the open dialog's file-name box and presses its OK button.
  Step TypeAndOk(std::string text) {
    return [text] {
      const HWND open = FindThreadWindow("Open");
      if (open == nullptr) return false;
      SetDlgItemTextA(open, kFileNameBox, text.c_str());
      PostClick(open, IDOK);
      return true;
    };
  }

  // Opens the demo browse and picks a.dm2, b.dm2 and c.dm2 from `dir`.
  void AddPickThreeDemos(std::vector<Step>& steps) {
    steps.push_back(Do([this] { PostClick(dialog.hwnd(), IDC_BROWSE_DEMOS); }));
    steps.push_back(TypeAndOk(dir.path()));  // moves the dialog into the folder
    steps.push_back(TypeAndOk("\"a.dm2\" \"b.dm2\" \"c.dm2\""));
  }

  void Run(std::vector<Step> steps) {
    steps.push_back(Do([this] { PostClick(dialog.hwnd(), IDCANCEL); }));
    ModalScript script(std::move(steps));
    dialog.DoModal();
    EXPECT_TRUE(script.finished()) << script.failure();
  }

  Step ListLoaded() {
    return [this] { return dialog.m_listLoaded == 1; };
  }

  TempDir dir;
  SettingsPlace place{dir / "", ""};
  std::string demoFile = place.DemoListFile();
  SaverConfigDialog dialog{nullptr, place};
};

TEST_F(BrowseTest, ChosenDemosAreAppendedAsFullPathsAfterTheList) {
  WriteBytes(demoFile, "c:\\old\\first.dm2\r\n");
  std::vector<std::string> items;
  std::string count;
  std::vector<Step> steps = {ListLoaded()};
  AddPickThreeDemos(steps);
  steps.push_back([&] {
    if (dialog.m_demoList.Count() < 4) return false;
    for (int i = 0; i < dialog.m_demoList.Count(); ++i) items.push_back(dialog.m_demoList.ItemText(i));
    count = GetItemText(dialog.hwnd(), IDC_DEMO_COUNT);
    return true;
  });
  Run(std::move(steps));
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0], "c:\\old\\first.dm2");
  // Wine gives the drive letter in upper case; compare the rest.
  for (int i = 1; i < 4; ++i) {
    const std::string name = std::string(1, static_cast<char>('a' + i - 1)) + ".dm2";
    EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, items[i].c_str(), -1, (dir / name).c_str(), -1),
              CSTR_EQUAL)
        << items[i];
  }
  EXPECT_EQ(count, "4");
}

TEST_F(BrowseTest, DemosBeyondAHundredAreLeftOutAndTheUserIsTold) {
  std::string many;
  for (int i = 0; i < 99; ++i) many += "c:\\d\\" + std::to_string(i) + ".dm2\r\n";
  WriteBytes(demoFile, many);
  std::string told;
  std::vector<Step> steps = {ListLoaded()};
  AddPickThreeDemos(steps);
  steps.push_back([&] {
    const HWND box = FindThreadWindow("Kavrin");
    if (box == nullptr) return false;
    // The count is shown before the message.
    EXPECT_EQ(GetItemText(dialog.hwnd(), IDC_DEMO_COUNT), "100");
    EXPECT_EQ(dialog.m_demoList.Count(), 100);
    const std::string last = dialog.m_demoList.ItemText(99);  // the first chosen file took the last place
    EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, last.c_str(), -1, (dir / "a.dm2").c_str(), -1),
              CSTR_EQUAL)
        << last;
    told = GetItemText(box, kMessageText);
    PostClick(box, IDOK);
    return true;
  });
  steps.push_back([] { return FindThreadWindow("Kavrin") == nullptr; });
  Run(std::move(steps));
  EXPECT_EQ(told, "2 demos were not added: the list holds at most 100 demos.");
}

TEST_F(BrowseTest, CancellingTheDemoBrowseChangesNothing) {
  WriteBytes(demoFile, "c:\\old\\first.dm2\r\n");
  int countAfter = -1;
  std::vector<std::string> fileTypes;
  Run({ListLoaded(), Do([this] { PostClick(dialog.hwnd(), IDC_BROWSE_DEMOS); }),
       [&] {
         const HWND open = FindThreadWindow("Open");
         if (open == nullptr) return false;
         fileTypes = ComboTexts(GetDlgItem(open, cmb1));
         PostClick(open, IDCANCEL);
         return true;
       },
       [] { return FindThreadWindow("Open") == nullptr; },
       Do([&] {
         countAfter = dialog.m_demoList.Count();
         EXPECT_EQ(GetItemText(dialog.hwnd(), IDC_DEMO_COUNT), "1");
       })});
  EXPECT_EQ(countAfter, 1);
  EXPECT_EQ(fileTypes, (std::vector<std::string>{"Demo files (.dem; .dm2; .hd2; .dm3)", "All files (*.*)"}));
}

TEST_F(BrowseTest, ChosenExecutableReplacesTheFieldText) {
  WriteBytes(dir / "quake2.exe", "MZ");
  std::string field;
  Run({Do([this] {
         SetDlgItemTextA(dialog.hwnd(), IDC_EXE_PATH, "typed by the user");
         PostClick(dialog.hwnd(), IDC_BROWSE_EXE);
       }),
       TypeAndOk(dir / "quake2.exe"),
       [&] {
         field = GetItemText(dialog.hwnd(), IDC_EXE_PATH);
         return field != "typed by the user";
       }});
  EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, field.c_str(), -1, (dir / "quake2.exe").c_str(), -1),
            CSTR_EQUAL)
      << field;
}

}  // namespace
}  // namespace kavrin
