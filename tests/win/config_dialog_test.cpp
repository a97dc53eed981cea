// The configuration dialog driven from inside its own modal loop.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "res/resource.h"
#include "settings/save_sequence.h"
#include "tests/unit/temp_dir.h"
#include "tests/win/modal_script.h"
#include "ui/saver_config_dialog.h"

namespace kavrin {
namespace {

using testing::Do;
using testing::ModalScript;
using testing::PostClick;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using Step = ModalScript::Step;

const char kThreeDemos[] = "c:\\demos\\one.dm2\r\nc:\\demos\\two.dm2\r\nc:\\demos\\three.dm2\r\n";
const char kQuake2Launch[] = "c:\\games\\quake2\\\r\nquake2.exe\r\n-game ctf +exec Scrnsave.cfg \r\n";

std::string Text(HWND dialog, int id) { return GetItemText(dialog, id); }

std::vector<std::string> ListItems(const ListView& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.ItemText(i));
  return items;
}

class ConfigDialogTest : public ::testing::Test {
 protected:
  // Runs the dialog modally with the steps, which must all finish.
  INT_PTR Run(SaverConfigDialog& dialog, std::vector<Step> steps) {
    ModalScript script(std::move(steps));
    const INT_PTR result = dialog.DoModal();
    EXPECT_TRUE(script.finished()) << script.failure();
    return result;
  }

  Step ListLoaded(SaverConfigDialog& dialog) {
    return [&dialog] { return dialog.m_listLoaded == 1; };
  }

  TempDir dir;
  SettingsPlace place{dir / "", ""};
  std::string launchFile = place.LaunchFile();
  std::string demoFile = place.DemoListFile();
};

TEST_F(ConfigDialogTest, ConstructionCreatesMissingSettingsFilesEmpty) {
  SaverConfigDialog dialog(nullptr, place);
  EXPECT_EQ(ReadBytes(launchFile), "");
  EXPECT_EQ(ReadBytes(demoFile), "");
  EXPECT_EQ(dialog.m_exePath, "");
  EXPECT_EQ(dialog.m_modDir, "");
  EXPECT_EQ(dialog.m_demoCount, 0);
  EXPECT_EQ(dialog.m_listLoaded, 0);
}

TEST_F(ConfigDialogTest, ConstructionReadsFieldsAndLeavesFilesAsTheyWere) {
  WriteBytes(launchFile, kQuake2Launch);
  WriteBytes(demoFile, kThreeDemos);
  SaverConfigDialog dialog(nullptr, place);
  EXPECT_EQ(dialog.m_exePath, "c:\\games\\quake2\\quake2.exe");
  EXPECT_EQ(dialog.m_modDir, "ctf");
  EXPECT_EQ(ReadBytes(launchFile), kQuake2Launch);
  EXPECT_EQ(ReadBytes(demoFile), kThreeDemos);
}

TEST_F(ConfigDialogTest, UnreadableSettingsFilesGiveEmptyFieldsAndList) {
  // A folder in place of each file: it can be neither read nor created.
  std::filesystem::create_directory(launchFile);
  std::filesystem::create_directory(demoFile);
  SaverConfigDialog dialog(nullptr, place);
  int paintsAfterLoad = 0;
  Run(dialog, {ListLoaded(dialog), Do([&] {
                 EXPECT_EQ(Text(dialog.hwnd(), IDC_EXE_PATH), "");
                 EXPECT_EQ(Text(dialog.hwnd(), IDC_DEMO_COUNT), "0");
                 EXPECT_EQ(dialog.m_demoList.Count(), 0);
                 RedrawWindow(dialog.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                 paintsAfterLoad = dialog.m_listLoaded;
                 PostClick(dialog.hwnd(), IDCANCEL);
               })});
  EXPECT_EQ(paintsAfterLoad, 1);
}

TEST_F(ConfigDialogTest, ControlsShowTheLaunchFileFields) {
  WriteBytes(launchFile, kQuake2Launch);
  SaverConfigDialog dialog(nullptr, place);
  Run(dialog, {Do([&] {
        EXPECT_EQ(Text(dialog.hwnd(), IDC_EXE_PATH), "c:\\games\\quake2\\quake2.exe");
        EXPECT_EQ(Text(dialog.hwnd(), IDC_MOD_DIR), "ctf");
        EXPECT_EQ(Text(dialog.hwnd(), IDC_DEMO_PATH), "");
        PostClick(dialog.hwnd(), IDCANCEL);
      })});
}

// Records the count display as OnInitDialog leaves it, before any paint.
class InitProbe : public SaverConfigDialog {
 public:
  using SaverConfigDialog::SaverConfigDialog;
  std::string countAtInit;
  int loadedAtInit = -1;

 protected:
  BOOL OnInitDialog() override {
    const BOOL result = SaverConfigDialog::OnInitDialog();
    countAtInit = GetItemText(hwnd(), IDC_DEMO_COUNT);
    loadedAtInit = m_listLoaded;
    return result;
  }
};

TEST_F(ConfigDialogTest, CountShowsZeroUntilTheFirstPaintLoadsTheList) {
  WriteBytes(demoFile, kThreeDemos);
  InitProbe dialog(nullptr, place);
  Run(dialog, {ListLoaded(dialog), Do([&] {
                 EXPECT_EQ(Text(dialog.hwnd(), IDC_DEMO_COUNT), "3");
                 PostClick(dialog.hwnd(), IDCANCEL);
               })});
  EXPECT_EQ(dialog.countAtInit, "0");
  EXPECT_EQ(dialog.loadedAtInit, 0);
}

TEST_F(ConfigDialogTest, ListLoadsAtTheFirstPaintAndNotOnLaterPaints) {
  WriteBytes(demoFile, kThreeDemos);
  SaverConfigDialog dialog(nullptr, place);
  const std::vector<std::string> three = {"c:\\demos\\one.dm2", "c:\\demos\\two.dm2", "c:\\demos\\three.dm2"};
  Run(dialog, {ListLoaded(dialog), Do([&] {
                 EXPECT_EQ(ListItems(dialog.m_demoList), three);
                 EXPECT_EQ(Text(dialog.hwnd(), IDC_DEMO_COUNT), "3");
                 // A changed file must not be read again by later paints.
                 WriteBytes(demoFile, "c:\\demos\\other.dm2\r\n");
                 RedrawWindow(dialog.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
                 ShowWindow(dialog.hwnd(), SW_MINIMIZE);
                 SendMessageA(dialog.hwnd(), WM_PAINT, 0, 0);
                 ShowWindow(dialog.hwnd(), SW_RESTORE);
                 UpdateWindow(dialog.hwnd());
               }),
               Do([&] {
                 EXPECT_EQ(ListItems(dialog.m_demoList), three);
                 EXPECT_EQ(Text(dialog.hwnd(), IDC_DEMO_COUNT), "3");
                 PostClick(dialog.hwnd(), IDCANCEL);
               })});
}

TEST_F(ConfigDialogTest, LoadTakesAtMostTheFirstHundredDemos) {
  std::string many;
  for (int i = 0; i < 105; ++i) many += "c:\\demos\\d" + std::to_string(i) + ".dm2\r\n";
  WriteBytes(demoFile, many);
  SaverConfigDialog dialog(nullptr, place);
  Run(dialog, {ListLoaded(dialog), Do([&] {
                 EXPECT_EQ(dialog.m_demoList.Count(), 100);
                 EXPECT_EQ(dialog.m_demoList.ItemText(99), "c:\\demos\\d99.dm2");
                 EXPECT_EQ(Text(dialog.hwnd(), IDC_DEMO_COUNT), "100");
                 PostClick(dialog.hwnd(), IDOK);
               })});
  EXPECT_EQ(dialog.m_demoCount, 100);
  EXPECT_EQ(dialog.m_demos[99], "c:\\demos\\d99.dm2");
}

TEST_F(ConfigDialogTest, RemoveDeletesEverySelectedEntry) {
  WriteBytes(demoFile, "c:\\d\\0.dm2\r\nc:\\d\\1.dm2\r\nc:\\d\\2.dm2\r\nc:\\d\\3.dm2\r\nc:\\d\\4.dm2\r\n");
  SaverConfigDialog dialog(nullptr, place);
  Run(dialog, {ListLoaded(dialog), Do([&] {
                 dialog.m_demoList.Select(1, true);
                 dialog.m_demoList.Select(3, true);
                 SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_REMOVE, BN_CLICKED), 0);
                 EXPECT_EQ(ListItems(dialog.m_demoList),
                           std::vector<std::string>({"c:\\d\\0.dm2", "c:\\d\\2.dm2", "c:\\d\\4.dm2"}));
                 EXPECT_EQ(Text(dialog.hwnd(), IDC_DEMO_COUNT), "3");
               }),
               Do([&] {
                 // Nothing selected: nothing changes, the count display included.
                 dialog.m_demoList.Select(-1, false);
                 SetDlgItemTextA(dialog.hwnd(), IDC_DEMO_COUNT, "untouched");
                 SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_REMOVE, BN_CLICKED), 0);
                 EXPECT_EQ(dialog.m_demoList.Count(), 3);
                 EXPECT_EQ(Text(dialog.hwnd(), IDC_DEMO_COUNT), "untouched");
               }),
               Do([&] {
                 dialog.m_demoList.Select(-1, true);
                 SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_REMOVE, BN_CLICKED), 0);
                 EXPECT_EQ(dialog.m_demoList.Count(), 0);
                 EXPECT_EQ(Text(dialog.hwnd(), IDC_DEMO_COUNT), "0");
                 PostClick(dialog.hwnd(), IDCANCEL);
               })});
}

TEST_F(ConfigDialogTest, AddStaysDisabled) {
  WriteBytes(demoFile, kThreeDemos);
  SaverConfigDialog dialog(nullptr, place);
  Run(dialog, {Do([&] { EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog.hwnd(), IDC_ADD))); }), ListLoaded(dialog),
               Do([&] {
                 EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog.hwnd(), IDC_ADD)));
                 dialog.m_demoList.Select(0, true);
                 SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_REMOVE, BN_CLICKED), 0);
                 EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog.hwnd(), IDC_ADD)));
                 PostClick(dialog.hwnd(), IDCANCEL);
               })});
}

TEST_F(ConfigDialogTest, OkCarriesTheControlsIntoTheMembersAndTheSaveWritesThreeFiles) {
  const std::string game = dir / "game";
  std::filesystem::create_directories(dir / "game\\baseq2");
  WriteBytes(demoFile, kThreeDemos);
  SaverConfigDialog dialog(nullptr, place);
  dialog.m_demos[3] = "stale";
  const INT_PTR result = Run(dialog, {ListLoaded(dialog), Do([&] {
                                        SetDlgItemTextA(dialog.hwnd(), IDC_EXE_PATH, (game + "\\QUAKE2.EXE").c_str());
                                        PostClick(dialog.hwnd(), IDOK);
                                      })});
  ASSERT_EQ(result, IDOK);
  EXPECT_EQ(dialog.m_exePath, game + "\\QUAKE2.EXE");
  EXPECT_EQ(dialog.m_modDir, "");
  EXPECT_EQ(dialog.m_demoCount, 3);
  EXPECT_EQ(dialog.m_demos[2], "c:\\demos\\three.dm2");
  EXPECT_EQ(dialog.m_demos[3], "stale");  // past the count: not carried, not saved

  const SaveResult saved = SaveConfiguration(dialog.MakeSaveRequest());
  ASSERT_EQ(saved.ExitCode(), 0) << saved.message;
  EXPECT_EQ(ReadBytes(launchFile), game + "\\\r\nquake2.exe\r\n+exec Scrnsave.cfg ");
  EXPECT_EQ(ReadBytes(demoFile), kThreeDemos);
  EXPECT_EQ(ReadBytes(dir / "game\\baseq2\\Scrnsave.cfg"),
            "alias demo0 \"demomap one.dm2; set nextserver demo1\" \r\n"
            "alias demo1 \"demomap two.dm2; set nextserver demo2\" \r\n"
            "alias demo2 \"demomap three.dm2; set nextserver demo0\" \r\n"
            "demo0");
}

// Enter typed ahead: OK arrives before the first paint has loaded the list.
class OkBeforeFirstPaint : public SaverConfigDialog {
 public:
  using SaverConfigDialog::SaverConfigDialog;

 protected:
  BOOL OnInitDialog() override {
    const BOOL result = SaverConfigDialog::OnInitDialog();
    PostClick(hwnd(), IDOK);
    return result;
  }
};

TEST_F(ConfigDialogTest, OkBeforeTheFirstPaintSavesTheListItLoadsFirst) {
  WriteBytes(demoFile, kThreeDemos);
  OkBeforeFirstPaint dialog(nullptr, place);
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_demoCount, 3);
  EXPECT_EQ(dialog.BuildDemoListText(), "c:\\demos\\one.dm2\nc:\\demos\\two.dm2\nc:\\demos\\three.dm2\n");
}

TEST_F(ConfigDialogTest, PlayNoteFollowsTheGameTheModAndTheList) {
  std::filesystem::create_directories(dir / "quake\\id1");
  std::string nine;
  for (int i = 1; i <= 9; ++i) nine += dir / ("quake\\id1\\d" + std::to_string(i) + ".dem") + "\r\n";
  for (int i = 1; i <= 9; ++i) WriteBytes(dir / ("quake\\id1\\d" + std::to_string(i) + ".dem"), "demo");
  WriteBytes(demoFile, nine);
  WriteBytes(launchFile, dir / "quake\\" + "\r\nglquake.exe\r\n+exec Scrnsave.cfg \r\n");
  SaverConfigDialog dialog(nullptr, place);
  auto note = [&] { return Text(dialog.hwnd(), IDC_PLAY_NOTE); };
  // Typing is judged once it pauses, so these wait for the note.
  auto noteSays = [&](std::string text) -> Step { return [=] { return note().find(text) != std::string::npos; }; };
  Run(dialog, {ListLoaded(dialog), Do([&] {
                 EXPECT_NE(note().find("The game plays at most 8 demos: d9.dem never plays."), std::string::npos)
                     << note();
                 EXPECT_NE(note().find("Only the first demo plays"), std::string::npos) << note();
                 SetDlgItemTextA(dialog.hwnd(), IDC_MOD_DIR, "kavrin");
                 EXPECT_NE(note().find("Only the first demo plays"), std::string::npos) << "not judged at once";
               }),
               noteSays("The mod folder " + dir / "quake\\kavrin" + " does not exist."), Do([&] {
                 dialog.m_demoList.Select(8, true);
                 SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_REMOVE, BN_CLICKED), 0);
                 EXPECT_EQ(note().find("at most 8"), std::string::npos) << note();
                 SetDlgItemTextA(dialog.hwnd(), IDC_EXE_PATH, "c:\\games\\doom.exe");
               }),
               noteSays("Kavrin does not know doom.exe"), Do([&] { PostClick(dialog.hwnd(), IDCANCEL); })});
}

TEST_F(ConfigDialogTest, AMendWhoseQuakeRcCannotTakeItsPlaceLeavesOnlyTheOldFile) {
  std::filesystem::create_directories(dir / "quake\\id1");
  WriteBytes(dir / "quake\\id1\\a.dem", "demo");
  WriteBytes(dir / "quake\\id1\\b.dem", "demo");
  WriteBytes(demoFile, dir / "quake\\id1\\a.dem\r\n" + dir / "quake\\id1\\b.dem\r\n");
  WriteBytes(launchFile, dir / "quake\\" + "\r\nglquake.exe\r\n+exec Scrnsave.cfg \r\n");
  const std::string loop = dir / "quake\\kavrin";
  SaverConfigDialog dialog(nullptr, place);
  std::FILE* held = nullptr;
  std::string told;
  Run(dialog, {ListLoaded(dialog), Do([&] {
                 ASSERT_EQ(Text(dialog.hwnd(), IDC_MEND), "Make the loop folder kavrin");
                 // Made after the plan, and open: Windows replaces no open file.
                 std::filesystem::create_directory(loop);
                 WriteBytes(loop + "\\quake.rc", "old");
                 held = std::fopen((loop + "\\quake.rc").c_str(), "rb");
                 PostClick(dialog.hwnd(), IDC_MEND);
               }),
               [&] {
                 const HWND box = testing::FindThreadWindow("Kavrin");
                 if (box == nullptr) return false;
                 told = Text(box, 0xFFFF);
                 PostClick(box, IDOK);
                 return true;
               },
               Do([&] {
                 std::fclose(held);
                 EXPECT_EQ(Text(dialog.hwnd(), IDC_MOD_DIR), "");
                 PostClick(dialog.hwnd(), IDCANCEL);
               })});
  EXPECT_EQ(told, loop + "\\quake.rc\nCould not write this file or folder.");
  EXPECT_EQ(ReadBytes(loop + "\\quake.rc"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(loop), {}), 1) << "beside quake.rc";
}

TEST_F(ConfigDialogTest, CancelAndCloseCarryNothing) {
  const struct {
    const char* how;
    std::function<void(HWND)> close;
  } cases[] = {
      {"Cancel button", [](HWND hwnd) { PostClick(hwnd, IDCANCEL); }},
      {"system menu Close", [](HWND hwnd) { PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"Escape", [](HWND hwnd) { PostMessageA(GetDlgItem(hwnd, IDOK), WM_KEYDOWN, VK_ESCAPE, 0); }},
  };
  for (const auto& c : cases) {
    WriteBytes(launchFile, kQuake2Launch);
    WriteBytes(demoFile, kThreeDemos);
    SaverConfigDialog dialog(nullptr, place);
    const INT_PTR result = Run(dialog, {ListLoaded(dialog), Do([&] {
                                          SetDlgItemTextA(dialog.hwnd(), IDC_EXE_PATH, "c:\\other\\hl.exe");
                                          SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_REMOVE, BN_CLICKED), 0);
                                          c.close(dialog.hwnd());
                                        })});
    EXPECT_EQ(result, IDCANCEL) << c.how;
    EXPECT_EQ(dialog.m_exePath, "c:\\games\\quake2\\quake2.exe") << c.how;
    EXPECT_EQ(dialog.m_demoCount, 0) << c.how;
    EXPECT_EQ(ReadBytes(launchFile), kQuake2Launch) << c.how;
    EXPECT_EQ(ReadBytes(demoFile), kThreeDemos) << c.how;
  }
}

TEST_F(ConfigDialogTest, WindowIconsAndDragIconAreTheProgramIcon) {
  SaverConfigDialog dialog(nullptr, place);
  ASSERT_NE(dialog.m_hIcon, nullptr);
  Run(dialog, {Do([&] {
        const HWND hwnd = dialog.hwnd();
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0)), dialog.m_hIcon);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0)), dialog.m_hIcon);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(hwnd, WM_QUERYDRAGICON, 0, 0)), dialog.m_hIcon);
        PostClick(hwnd, IDCANCEL);
      })});
}

// Counts WM_ICONERASEBKGND on its way to the dialog; the counter and the
// dialog's own procedure hang on the window as properties.
LRESULT CALLBACK CountIconErase(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ICONERASEBKGND) ++*static_cast<int*>(GetPropA(hwnd, "erased"));
  const auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "original"));
  return CallWindowProcA(original, hwnd, message, wParam, lParam);
}

TEST_F(ConfigDialogTest, MinimisedPaintErasesTheIconBackgroundEveryTime) {
  SaverConfigDialog dialog(nullptr, place);
  int erased = 0;
  bool iconic = false;
  Run(dialog, {ListLoaded(dialog), Do([&] {
                 const HWND hwnd = dialog.hwnd();
                 SetPropA(hwnd, "erased", &erased);
                 SetPropA(hwnd, "original", reinterpret_cast<HANDLE>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)));
                 SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountIconErase));
                 SendMessageA(hwnd, WM_PAINT, 0, 0);
                 EXPECT_EQ(erased, 0) << "not minimised yet";
                 ShowWindow(hwnd, SW_MINIMIZE);
                 iconic = IsIconic(hwnd) != FALSE;
                 erased = 0;
                 SendMessageA(hwnd, WM_PAINT, 0, 0);
                 SendMessageA(hwnd, WM_PAINT, 0, 0);
                 ShowWindow(hwnd, SW_RESTORE);
                 SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropA(hwnd, "original")));
                 RemovePropA(hwnd, "erased");
                 RemovePropA(hwnd, "original");
                 PostClick(hwnd, IDCANCEL);
               })});
  EXPECT_TRUE(iconic);
  EXPECT_EQ(erased, 2);
}

}  // namespace
}  // namespace kavrin
