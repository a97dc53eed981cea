#include "remote_list_view.h"

#include <commctrl.h>

#include <algorithm>

#include "scenario.h"

namespace kavrin {

RemoteListView::RemoteListView(HWND list, size_t textCapacity) : list_(list), textCapacity_(textCapacity) {
  DWORD processId = 0;
  GetWindowThreadProcessId(list, &processId);
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (!process_) Fail("cannot open the list's process");
  remote_ = static_cast<char*>(
      VirtualAllocEx(process_, nullptr, sizeof(LVITEMA) + textCapacity_, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!remote_) Fail("cannot allocate memory in the list's process");
}

RemoteListView::~RemoteListView() {
  if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
  if (process_) CloseHandle(process_);
}

int RemoteListView::Count() const {
  return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
}

std::string RemoteListView::ItemText(int index) const {
  LVITEMA item = {};
  item.iSubItem = 0;
  item.pszText = remote_ + sizeof(LVITEMA);
  item.cchTextMax = static_cast<int>(textCapacity_);
  WriteProcessMemory(process_, remote_, &item, sizeof(item), nullptr);
  const LRESULT length = SendMessageA(list_, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(remote_));
  // The control copies at most cchTextMax - 1 characters and says how many.
  std::string text(std::min<size_t>(length > 0 ? length : 0, textCapacity_ - 1), '\0');
  ReadProcessMemory(process_, remote_ + sizeof(LVITEMA), &text[0], text.size(), nullptr);
  return text;
}

std::vector<std::string> RemoteListView::Items() const {
  std::vector<std::string> items;
  const int count = Count();
  for (int i = 0; i < count; ++i) items.push_back(ItemText(i));
  return items;
}

void RemoteListView::Select(const std::vector<int>& indices) const {
  SetState(-1, 0);  // -1: every item
  for (const int index : indices) SetState(index, LVIS_SELECTED);
}

std::vector<int> RemoteListView::Selected() const {
  std::vector<int> selected;
  int index = -1;
  while ((index = static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, index, LVNI_SELECTED))) != -1) {
    selected.push_back(index);
  }
  return selected;
}

void RemoteListView::SetState(int index, UINT state) const {
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED;
  item.state = state;
  WriteProcessMemory(process_, remote_, &item, sizeof(item), nullptr);
  SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote_));
}

}  // namespace kavrin
