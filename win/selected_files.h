// The full paths held in an open-file dialog's file-name buffer.
#pragma once

#include <string>
#include <vector>

namespace kavrin {

// `buffer` is the dialog's buffer, NULs included. A multiple selection
// holds the directory and then each file name, every one ended by a NUL and
// the list by an empty string ("dir\0a\0b\0\0"); a single selection holds
// one full path. Returns the full paths in buffer order; none for an empty
// buffer.
std::vector<std::string> SelectedFilePaths(const std::string& buffer);

}  // namespace kavrin
