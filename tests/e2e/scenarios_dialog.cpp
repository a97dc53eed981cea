// The dialog's own behaviour: demo list editing and its count, the Add
// button, the executable browse, the About box and the 100-demo limit.
#include "scenarios.h"

#include "disk_files.h"
#include "e2e_fixture.h"
#include "message_box.h"
#include "open_dialog.h"
#include "remote_config_dialog.h"
#include "remote_list_view.h"
#include "remote_window.h"
#include "scenario.h"

namespace kavrin {
namespace {

constexpr const char* kQuake2Launch = "C:\\games\\quake2\\\r\nquake2.exe\r\n+exec Scrnsave.cfg +set game ctf";
constexpr int kIdmAbout = 16;

void PrepareQuake2() {
  InstallGame("C:\\games\\quake2", "quake2.exe", "baseq2");
  WriteFileBytes(kLaunchFile, kQuake2Launch);
}

void ExpectFieldsKept(const RemoteConfigDialog& dialog) {
  ExpectEqual(dialog.ExePath(), "C:\\games\\quake2\\quake2.exe", "executable field");
  ExpectEqual(dialog.ModDir(), "ctf", "mod field");
}

void AboutButtonOpensAboutBox() {
  PrepareQuake2();
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  HWND about = dialog.OpenAboutBox();
  ExpectEqual(ControlText(about, config_ui::kAboutOk), "OK", "About box button");
  Expect(!IsWindowEnabled(dialog.Window()), "the dialog takes input while the About box is open");
  SaveShot(about, "about-box");
  CloseAboutBox(about);
  WaitFor([&] { return IsWindowEnabled(dialog.Window()) != FALSE; }, "the dialog to be enabled again");
  ExpectFieldsKept(dialog);
  dialog.PressCancel();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code");
}

void SystemCommandsOpenAboutBox() {
  PrepareQuake2();
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  for (int command = kIdmAbout; command <= kIdmAbout + 15; ++command) {
    PostMessageA(dialog.Window(), WM_SYSCOMMAND, command, 0);
    HWND about = nullptr;
    WaitFor([&] { return (about = FindTopWindow(saver->Id(), config_ui::kAboutCaption)) != nullptr; },
            "the About box from system command " + std::to_string(command));
    CloseAboutBox(about);
  }
  PostMessageA(dialog.Window(), WM_SYSCOMMAND, kIdmAbout + 16, 0);
  Expect(!HappensWithin([&] { return FindTopWindow(saver->Id(), config_ui::kAboutCaption) != nullptr; }),
         "system command 32 opened the About box");
  ExpectFieldsKept(dialog);
  dialog.PressCancel();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code");
}

void DemoListEditing() {
  PrepareQuake2();
  // Bare line feeds, an empty and a one-character line, no final line end.
  WriteFileBytes(kDemoListFile, "C:\\demos\\one.dm2\r\n\r\nx\nC:\\demos\\two.dm2\nC:\\demos\\three.dm2");
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  ExpectEqual(dialog.CountText(), "3", "count display after loading");
  Expect(dialog.Demos() == std::vector<std::string>{"C:\\demos\\one.dm2", "C:\\demos\\two.dm2",
                                                    "C:\\demos\\three.dm2"},
         "the loaded list differs from the file");
  Expect(!dialog.AddEnabled(), "Add is enabled after loading");
  ExpectEqual(dialog.DemoPathField(), "", "demo path field");
  SaveShot(dialog.Window(), "config-loaded");

  // Repaints must not load the file again.
  RedrawWindow(dialog.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Expect(!HappensWithin([&] { return dialog.CountText() != "3"; }), "a repaint changed the list");

  PostClick(dialog.Window(), config_ui::kBrowseDemos);
  CancelOpenDialog(saver->Id());
  Expect(!HappensWithin([&] { return dialog.CountText() != "3"; }), "a cancelled Browse changed the count");

  dialog.BrowseDemos(kDemoFolder, {"one.dm2", "four.dem"});  // one.dm2 a second time
  Expect(!dialog.AddEnabled(), "Add is enabled after Browse");
  dialog.Remove({1, 3});
  ExpectEqual(dialog.CountText(), "3", "count display after Remove");
  Expect(dialog.Demos() == std::vector<std::string>{"C:\\demos\\one.dm2", "C:\\demos\\three.dm2",
                                                    "C:\\demos\\four.dem"},
         "Remove did not leave entries 0, 2 and 4");
  Expect(!dialog.AddEnabled(), "Add is enabled after Remove");

  RemoteListView(Control(dialog.Window(), config_ui::kDemoList)).Select({});
  PostClick(dialog.Window(), config_ui::kRemove);
  Expect(!HappensWithin([&] { return dialog.Demos().size() != 3; }), "Remove with nothing selected changed the list");

  dialog.PressOk();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code");
  ExpectFileBytes(kDemoListFile, "C:\\demos\\one.dm2\r\nC:\\demos\\three.dm2\r\nC:\\demos\\four.dem\r\n");
  ExpectFileBytes("C:\\games\\quake2\\baseq2\\Scrnsave.cfg",
                  "alias demo0 \"demomap one.dm2; set nextserver demo1\" \r\n"
                  "alias demo1 \"demomap three.dm2; set nextserver demo2\" \r\n"
                  "alias demo2 \"demomap four.dem; set nextserver demo0\" \r\n"
                  "demo0");
}

void RemovingEverythingSavesEmptyList() {
  PrepareQuake2();
  WriteFileBytes(kDemoListFile, "C:\\demos\\one.dm2\r\nC:\\demos\\two.dm2\r\n");
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  dialog.Remove({0, 1});
  ExpectEqual(dialog.CountText(), "0", "count display");
  dialog.PressOk();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code");
  ExpectFileBytes(kDemoListFile, "");
  ExpectFileBytes("C:\\games\\quake2\\baseq2\\Scrnsave.cfg", "demo0");
}

void ExeBrowseReplacesOnlyOnOk() {
  PrepareQuake2();
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  dialog.TypeExePath("c:\\typed\\by hand.exe");
  PostClick(dialog.Window(), config_ui::kBrowseExe);
  CancelOpenDialog(saver->Id());
  Expect(!HappensWithin([&] { return dialog.ExePath() != "c:\\typed\\by hand.exe"; }),
         "a cancelled Browse changed the executable field");
  dialog.BrowseExe("C:\\games\\quake2\\quake2.exe");
  dialog.PressCancel();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code");
  ExpectFileBytes(kLaunchFile, kQuake2Launch);
}

std::vector<std::string> NumberedDemos(int count) {
  std::vector<std::string> demos;
  for (int i = 0; i < count; ++i) demos.push_back("C:\\demos\\d" + std::to_string(i) + ".dm2");
  return demos;
}

// The Quake2 dialect written out by hand for numbered demos.
std::string Quake2Script(const std::vector<std::string>& names) {
  std::string script;
  for (size_t i = 0; i < names.size(); ++i) {
    script += "alias demo" + std::to_string(i) + " \"demomap " + names[i] + "; set nextserver demo" +
              std::to_string(i + 1 < names.size() ? i + 1 : 0) + "\" \r\n";
  }
  return script + "demo0";
}

void ListStopsAtHundredDemos() {
  PrepareQuake2();
  std::string file;
  for (const std::string& demo : NumberedDemos(120)) file += demo + "\r\n";
  WriteFileBytes(kDemoListFile, file);
  auto saver = StartSaver("/c");
  RemoteConfigDialog dialog(saver->Id());
  ExpectEqual(dialog.CountText(), "100", "count display after loading 120 demos");
  ExpectEqual(static_cast<long long>(dialog.Demos().size()), 100, "list entries after loading 120 demos");

  PostClick(dialog.Window(), config_ui::kBrowseDemos);
  ChooseFiles(saver->Id(), kDemoFolder, {"one.dm2", "two.dm2"});
  // Refusing may come with a notice; how it is refused is the program's choice.
  if (HappensWithin([&] { return FindTopWindow(saver->Id(), "Kavrin") != nullptr; })) {
    AnswerMessageBox(saver->Id(), "Kavrin");
  }
  Expect(!HappensWithin([&] { return dialog.Demos().size() > 100 || dialog.CountText() != "100"; }),
         "the list grew past 100 entries");
  const std::vector<std::string> first100 = NumberedDemos(100);
  Expect(dialog.Demos() == first100, "the list does not hold the first 100 demos of the file");
  dialog.PressOk();
  ExpectEqual(saver->ExitCode(kPatience), 0, "exit code");

  std::string expectedList;
  std::vector<std::string> names;
  for (const std::string& demo : first100) {
    expectedList += demo + "\r\n";
    names.push_back(demo.substr(demo.rfind('\\') + 1));
  }
  ExpectFileBytes(kDemoListFile, expectedList);
  ExpectFileBytes("C:\\games\\quake2\\baseq2\\Scrnsave.cfg", Quake2Script(names));
}

}  // namespace

std::vector<Scenario> DialogScenarios() {
  return {
      {"dialog/about-button", AboutButtonOpensAboutBox},
      {"dialog/about-system-commands", SystemCommandsOpenAboutBox},
      {"dialog/demo-list-editing", DemoListEditing},
      {"dialog/remove-everything", RemovingEverythingSavesEmptyList},
      {"dialog/exe-browse", ExeBrowseReplacesOnlyOnOk},
      {"dialog/hundred-demo-limit", ListStopsAtHundredDemos},
  };
}

}  // namespace kavrin
