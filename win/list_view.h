// A list-view control seen through its window handle; each method one message.
#pragma once

#include <windows.h>

#include <string>

namespace kavrin {

class ListView {
 public:
  ListView() = default;
  explicit ListView(HWND hwnd) : hwnd_(hwnd) {}

  void Attach(HWND hwnd) { hwnd_ = hwnd; }
  HWND hwnd() const { return hwnd_; }

  int Count() const;
  // Inserts a text-only item; returns its index, -1 on failure.
  int InsertText(int index, const std::string& text) const;
  bool Delete(int index) const;
  // The first selected item after `index` (-1 searches from the start);
  // -1 when none is left.
  int NextSelected(int index) const;
  // Column 0 of the item.
  std::string ItemText(int index) const;
  bool SetItemText(int index, const std::string& text) const;
  // Selects or deselects one item (-1: every item).
  bool Select(int index, bool selected) const;
  // Turns drawing after each change off or back on; the caller invalidates
  // the control once it is back on.
  void SetRedraw(bool redraw) const;

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace kavrin
