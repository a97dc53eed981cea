#include "bench/sample_demos.h"

namespace kavrin {

std::vector<std::string> SampleDemoPaths(size_t count) {
  std::vector<std::string> paths;
  paths.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    paths.push_back("C:\\Games\\Quake2\\baseq2\\demos\\match_" + std::to_string(i) + ".dm2");
  }
  return paths;
}

}  // namespace kavrin
