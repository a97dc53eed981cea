#include "app/screen_saver_app.h"

#include <windows.h>
#include <commctrl.h>

#include "app/find_settings_place.h"
#include "app/run_mode.h"
#include "app/switch_parser.h"
#include "settings/save_sequence.h"
#include "ui/saver_config_dialog.h"
#include "win/system_function.h"

namespace kavrin {
namespace {

using InitCommonControlsExFunction = BOOL WINAPI(const INITCOMMONCONTROLSEX*);

// The dialog template holds a list view, a common control. Registered
// here, not at start-up: the other modes never load the common controls.
// Windows 95 without Internet Explorer 3 has only the older call, which
// registers every class.
void RegisterListView() {
  const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  auto* initEx = SystemFunction<InitCommonControlsExFunction>("comctl32.dll", "InitCommonControlsEx");
  if (initEx == nullptr || !initEx(&controls)) InitCommonControls();
}

}  // namespace

int ScreenSaverApp::InitInstance() {
  const SaverSwitch saverSwitch = ParseSwitch(GetCommandLineA());
  switch (saverSwitch.mode) {
    case SaverMode::Run: RunGame(FindSettingsPlace().LaunchFile()); return 0;
    case SaverMode::Configure: return Configure(FindSettingsPlace(/*judgeSharedFile=*/true));
    case SaverMode::NoSwitch:
    case SaverMode::Preview:
    case SaverMode::ListSwitch:
    case SaverMode::Unrecognised: break;
  }
  return IdleExitCode(saverSwitch);
}

int ScreenSaverApp::Configure(const SettingsPlace& place) {
  // From the dialog's first question of the disk to the save's last write,
  // a drive without a disk fails the call instead of raising the system's
  // box that asks for one.
  const UINT previousErrorMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  RegisterListView();
  SaverConfigDialog dialog(nullptr, place);
  int exitCode = 0;
  if (dialog.DoModal() == IDOK) {
    const SaveResult saved = SaveConfiguration(dialog.MakeSaveRequest());
    exitCode = saved.ExitCode();
    if (exitCode != 0) MessageBoxA(nullptr, saved.message.c_str(), "Kavrin", MB_OK | MB_ICONERROR);
  }
  SetErrorMode(previousErrorMode);
  return exitCode;
}

}  // namespace kavrin
