// A list-view control of another process. Messages that carry a structure
// need it in the control's own address space, so the wrapper keeps a block
// of memory there for the item structure and its text.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kavrin {

class RemoteListView {
 public:
  // Fails the scenario when the owning process cannot be opened. Item
  // texts are read up to `textCapacity` - 1 characters.
  explicit RemoteListView(HWND list, size_t textCapacity = 1024);
  ~RemoteListView();
  RemoteListView(const RemoteListView&) = delete;
  RemoteListView& operator=(const RemoteListView&) = delete;

  int Count() const;
  std::string ItemText(int index) const;
  std::vector<std::string> Items() const;

  // Selects exactly these items.
  void Select(const std::vector<int>& indices) const;
  std::vector<int> Selected() const;

 private:
  void SetState(int index, UINT state) const;

  HWND list_;
  size_t textCapacity_;
  HANDLE process_ = nullptr;
  char* remote_ = nullptr;  // an LVITEMA followed by its text buffer
};

}  // namespace kavrin
