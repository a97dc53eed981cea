// File dialog filters written with "|" between the parts, as users read them.
#pragma once

#include <string>

namespace kavrin {

// The filter in the form the open-file dialog takes: every "|" becomes a
// NUL, so "Text|*.txt||" gives "Text\0*.txt\0\0". The result keeps its
// NULs inside the string; its c_str() adds the final terminator.
std::string NulSeparatedFilter(const std::string& barSeparated);

}  // namespace kavrin
