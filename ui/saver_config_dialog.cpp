#include "ui/saver_config_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <cstdlib>
#include <stack>

#include "res/resource.h"
#include "ui/centred_icon.h"
#include "ui/demo_room.h"
#include "files/exe_path.h"
#include "files/file_system.h"
#include "ui/about_dialog.h"
#include "win/open_file_dialog.h"

namespace kavrin {
namespace {

// Room for many full demo paths at once; selections that still do not fit
// are reported, not dropped silently.
const size_t kDemoSelectionChars = 64 * 1024;
const size_t kExePathChars = 4096;

const char kExeFilter[] = "Executable files (.exe)|*.exe|Unreal Maps(.unr)|*.unr||";
const char kDemoFilter[] = "Demo files (.dem; .dm2; .hd2; .dm3)|*.dem; *.dm2; *.hd2; *.dm3|";
const char kAllFiles[] = "All files (*.*)|*.*|";

// The Part's filter, the chosen engine's own (chosen first), and every file.
OpenFileRequest DemoFileRequest(HWND owner, const ChosenGame& game, const std::string& folder) {
  const char* own = game.engine->demoFiles;
  const std::string filter = std::string(kDemoFilter) + own + (*own ? "|" : "") + kAllFiles;
  return {owner, filter, OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY, kDemoSelectionChars, folder, *own ? 2u : 1u};
}

std::string EnvironmentVariable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

const char kTooManySelected[] =
    "The selected file names do not fit into the dialog's buffer. "
    "Please select fewer files at a time.";

}  // namespace

SaverConfigDialog::SaverConfigDialog(HWND parent, SettingsPlace place)
    : Dialog(IDD_CONFIG, parent),
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP))),
      place_(std::move(place)),
      note_(*this, EnvironmentVariable("APPDATA")) {
  // Where the account may not create them (c:\ on current Windows), the
  // first save puts them into the fallback folder.
  EnsureFileExists(place_.LaunchFile());
  EnsureFileExists(place_.DemoListFile());
  // A file that cannot be read even now leaves the fields empty.
  if (const auto bytes = ReadLaunchFileBytes(place_.LaunchFile())) {
    const LaunchFields fields = ReadLaunchFields(*bytes);
    m_exePath = fields.exePath;
    m_modDir = fields.modDir;
  }
}

std::string SaverConfigDialog::ExeDirectory() const { return kavrin::ExeDirectory(m_exePath); }

std::string SaverConfigDialog::ExeName() const { return kavrin::ExeName(m_exePath); }

std::string SaverConfigDialog::BuildDemoListText() const { return kavrin::BuildDemoListText(Demos()); }

std::vector<std::string> SaverConfigDialog::Demos() const {
  const int count = std::clamp(m_demoCount, 0, static_cast<int>(kMaxDemos));
  return std::vector<std::string>(m_demos, m_demos + count);
}

SaveRequest SaverConfigDialog::MakeSaveRequest() const {
  return {m_exePath, m_modDir, Demos(), place_.LaunchFile(), place_.DemoListFile(), place_.fallback};
}

void SaverConfigDialog::DoDataExchange(DataExchange& exchange) {
  exchange.Control(IDC_DEMO_LIST, m_demoList);
  exchange.Text(IDC_DEMO_PATH, m_demoPath);
  exchange.Text(IDC_EXE_PATH, m_exePath);
  exchange.Int(IDC_DEMO_COUNT, m_demoCount);
  exchange.Text(IDC_MOD_DIR, m_modDir);
  // The list is copied out in both directions, never filled from m_demos.
  const std::vector<std::string> listed = ListedDemos();
  std::copy(listed.begin(), listed.end(), m_demos);
}

BOOL SaverConfigDialog::OnInitDialog() {
  note_.Attach(hwnd());
  Dialog::OnInitDialog();
  AddSystemMenuItem();
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  UpdateAddButton();
  return TRUE;
}

// Enter typed ahead can arrive before the first paint has loaded the list;
// the save must not write the unloaded, empty list over the user's demos.
void SaverConfigDialog::OnOK() {
  if (m_listLoaded != 1) LoadDemoList();
  Dialog::OnOK();
}

void SaverConfigDialog::AddSystemMenuItem() {
  HMENU menu = GetSystemMenu(hwnd(), FALSE);
  if (menu == nullptr) return;
  char text[256] = "";
  LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUT_MENU, text, sizeof text);
  if (text[0] == '\0') return;
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, IDM_ABOUT, text);
}

bool SaverConfigDialog::OnCommand(int id, int notifyCode) {
  if (id == IDC_DEMO_PATH && notifyCode == EN_CHANGE) {
    OnChangeDemoPath();
    return true;
  }
  if ((id == IDC_EXE_PATH || id == IDC_MOD_DIR) && notifyCode == EN_CHANGE) {
    // Until the list has loaded there is nothing to judge.
    if (m_listLoaded == 1) note_.FieldsChanged();
    return true;
  }
  if (notifyCode != BN_CLICKED) return Dialog::OnCommand(id, notifyCode);
  switch (id) {
    case IDC_BROWSE_EXE: OnBrowseExe(); return true;
    case IDC_BROWSE_DEMOS: OnBrowseDemos(); return true;
    case IDC_ABOUT: OnAbout(); return true;
    case IDC_ADD: OnAdd(); return true;
    case IDC_REMOVE: OnRemove(); return true;
  }
  return Dialog::OnCommand(id, notifyCode);
}

bool SaverConfigDialog::OnPaint() {
  if (IsIconic(hwnd())) {
    PaintMinimised();
  } else {
    PaintDefault();
  }
  if (m_listLoaded != 1) {
    LoadDemoList();
    // Said once, as the dialog first shows.
    if (place_.sharedFileRefused) Tell(SharedFileRefusedText(place_), MB_ICONWARNING);
  }
  return true;
}

void SaverConfigDialog::PaintMinimised() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  SendMessageA(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(hwnd(), &client);
  const IconPosition at = CentredIconPosition(client.right - client.left, client.bottom - client.top,
                                              GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
  DrawIcon(dc, at.x, at.y, m_hIcon);
  EndPaint(hwnd(), &paint);
}

bool SaverConfigDialog::OnSysCommand(UINT command, LPARAM) {
  if ((command & 0xFFF0) != IDM_ABOUT) return false;
  OnAbout();
  return true;
}

HICON SaverConfigDialog::OnQueryDragIcon() { return m_hIcon; }

bool SaverConfigDialog::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  return note_.ProcessMessage(message, wParam, lParam, result) ||
         Dialog::ProcessMessage(message, wParam, lParam, result);
}

void SaverConfigDialog::LoadDemoList() {
  // An unreadable file leaves the list empty; later paints do not retry.
  const auto bytes = ReadFileBytes(place_.DemoListFile());
  m_listLoaded = 1;
  AppendDemos(bytes ? ReadDemoList(*bytes, kMaxDemos) : std::vector<std::string>());
}

void SaverConfigDialog::OnBrowseDemos() {
  const ChosenGame game = note_.Game();
  const OpenFileResult chosen = ShowOpenFileDialog(DemoFileRequest(hwnd(), game, DemoBrowseFolder(game, note_.Disk())));
  if (chosen.outcome == OpenFileOutcome::BufferTooSmall) Tell(kTooManySelected, MB_ICONWARNING);
  if (chosen.outcome == OpenFileOutcome::Chosen) AppendDemos(chosen.paths);
}

void SaverConfigDialog::OnAdd() {
  AppendDemos({ItemText(IDC_DEMO_PATH)});
}

void SaverConfigDialog::OnChangeDemoPath() { UpdateAddButton(); }

void SaverConfigDialog::UpdateAddButton() { EnableWindow(Item(IDC_ADD), ItemText(IDC_DEMO_PATH) != ""); }

void SaverConfigDialog::OnRemove() {
  int index = m_demoList.NextSelected(-1);
  if (index == -1) return;
  // On a vector: the default deque adds kilobytes to the program for nothing.
  std::stack<int, std::vector<int>> selected;
  for (; index != -1; index = m_demoList.NextSelected(index)) selected.push(index);
  // Highest first, so the indices still on the stack keep naming their items.
  for (; !selected.empty(); selected.pop()) m_demoList.Delete(selected.top());
  ShowDemoCount();
  note_.Update();
}

void SaverConfigDialog::ShowDemoCount() {
  SetDlgItemInt(hwnd(), IDC_DEMO_COUNT, static_cast<UINT>(m_demoList.Count()), TRUE);
}

void SaverConfigDialog::OnBrowseExe() {
  const std::string folder = ExeBrowseFolder(ItemText(IDC_EXE_PATH), note_.Disk());
  const OpenFileResult chosen = ShowOpenFileDialog({hwnd(), kExeFilter, OFN_EXPLORER, kExePathChars, folder});
  if (chosen.outcome == OpenFileOutcome::BufferTooSmall) Tell(kTooManySelected, MB_ICONWARNING);
  if (chosen.outcome != OpenFileOutcome::Chosen || chosen.paths.empty()) return;
  SetDlgItemTextA(hwnd(), IDC_EXE_PATH, chosen.paths.front().c_str());
}

void SaverConfigDialog::OnAbout() {
  AboutDialog about(hwnd());
  about.DoModal();
}

// Appends what fits below kMaxDemos, shows the new count and then tells the
// user how many did not fit.
void SaverConfigDialog::AppendDemos(const std::vector<std::string>& paths) {
  const size_t fit = DemosThatFit(static_cast<size_t>(m_demoList.Count()), paths.size(), kMaxDemos);
  // Redrawn after every insertion, the list costs milliseconds per item:
  // draw it once, when all are in.
  m_demoList.SetRedraw(false);
  for (size_t i = 0; i < fit; ++i) m_demoList.InsertText(m_demoList.Count(), paths[i]);
  m_demoList.SetRedraw(true);
  InvalidateRect(m_demoList.hwnd(), nullptr, TRUE);
  ShowDemoCount();
  note_.Update();
  if (fit < paths.size()) Tell(DemosLeftOutMessage(paths.size() - fit, kMaxDemos), MB_ICONWARNING);
}

void SaverConfigDialog::Tell(const std::string& text, UINT icon) {
  MessageBoxA(hwnd(), text.c_str(), "Kavrin", MB_OK | icon);
}

std::vector<std::string> SaverConfigDialog::ListedDemos() const {
  std::vector<std::string> demos;
  for (int i = 0; i < m_demoList.Count() && i < static_cast<int>(kMaxDemos); ++i) {
    demos.push_back(m_demoList.ItemText(i));
  }
  return demos;
}

HeldChoices SaverConfigDialog::Held() const {
  return {ItemText(IDC_EXE_PATH), ItemText(IDC_MOD_DIR), ListedDemos()};
}

void SaverConfigDialog::Mended(const MendChanges& changes) {
  if (!changes.mod.empty()) SetDlgItemTextA(hwnd(), IDC_MOD_DIR, changes.mod.c_str());
  // Drawing stays on: a changed text only invalidates its item, while
  // turning drawing back on lays the whole list out again (10 to 40 ms
  // for 100 entries under Wine).
  for (size_t i = 0; i < changes.entries.size(); ++i) {
    if (!changes.entries[i].empty()) m_demoList.SetItemText(static_cast<int>(i), changes.entries[i]);
  }
}

}  // namespace kavrin
