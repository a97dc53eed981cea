// Demo paths shaped like the ones users pick, for the benchmarks.
#pragma once

#include <string>
#include <vector>

namespace kavrin {

// `count` distinct full paths of about 40 characters, as the file dialog
// returns them.
std::vector<std::string> SampleDemoPaths(size_t count);

}  // namespace kavrin
