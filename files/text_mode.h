// Our own text mode: "\n" in memory is CR LF on disk, on every platform.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kavrin {

// Each "\n" becomes CR LF; nothing else changes.
std::string ToDiskText(std::string_view text);

// Splits file bytes into lines of any length. CR LF, a bare LF and a bare
// CR each end a line; the last line needs no line end. A NUL byte ends the
// text of its line, as it would for any C string the line is handed to.
std::vector<std::string> SplitDiskLines(std::string_view diskText);

// Line `index` (0-based) of the split text, or "" when the file is shorter.
std::string LineOrEmpty(const std::vector<std::string>& lines, size_t index);

}  // namespace kavrin
