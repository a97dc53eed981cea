#include "win/data_exchange.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

namespace kavrin {
namespace {

// The whole text must be one decimal integer within the range of int.
bool ParseInt(const std::string& text, int& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long parsed = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || parsed < INT_MIN || parsed > INT_MAX) return false;
  value = static_cast<int>(parsed);
  return true;
}

}  // namespace

std::string GetItemText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  const int length = GetWindowTextLengthA(control);
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const int copied = GetWindowTextA(control, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<size_t>(copied));
}

void DataExchange::Text(int id, std::string& value) {
  if (saving_) {
    value = GetItemText(dialog_, id);
  } else {
    SetDlgItemTextA(dialog_, id, value.c_str());
  }
}

void DataExchange::Int(int id, int& value) {
  if (!saving_) {
    SetDlgItemInt(dialog_, id, static_cast<UINT>(value), TRUE);
    return;
  }
  if (!ParseInt(GetItemText(dialog_, id), value)) {
    ok_ = false;
    SetFocus(GetDlgItem(dialog_, id));
  }
}

}  // namespace kavrin
