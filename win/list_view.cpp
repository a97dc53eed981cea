#include "win/list_view.h"

#include <commctrl.h>

#include <vector>

namespace kavrin {

int ListView::Count() const {
  return static_cast<int>(SendMessageA(hwnd_, LVM_GETITEMCOUNT, 0, 0));
}

int ListView::InsertText(int index, const std::string& text) const {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<char*>(text.c_str());
  return static_cast<int>(SendMessageA(hwnd_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool ListView::Delete(int index) const {
  return SendMessageA(hwnd_, LVM_DELETEITEM, static_cast<WPARAM>(index), 0) != 0;
}

int ListView::NextSelected(int index) const {
  return static_cast<int>(SendMessageA(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(index), MAKELPARAM(LVNI_SELECTED, 0)));
}

std::string ListView::ItemText(int index) const {
  // The control copies at most the buffer's size; grow until the text fits.
  for (size_t size = 256;; size *= 2) {
    std::vector<char> buffer(size);
    LVITEMA item = {};
    item.iSubItem = 0;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(size);
    const LRESULT length = SendMessageA(hwnd_, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    if (length < 0 || static_cast<size_t>(length) < size - 1) return std::string(buffer.data(), static_cast<size_t>(length < 0 ? 0 : length));
  }
}

bool ListView::SetItemText(int index, const std::string& text) const {
  LVITEMA item = {};
  item.pszText = const_cast<char*>(text.c_str());
  return SendMessageA(hwnd_, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != 0;
}

bool ListView::Select(int index, bool selected) const {
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED;
  item.state = selected ? LVIS_SELECTED : 0;
  return SendMessageA(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != 0;
}

void ListView::SetRedraw(bool redraw) const { SendMessageA(hwnd_, WM_SETREDRAW, redraw ? TRUE : FALSE, 0); }

}  // namespace kavrin
