// Properties the fuzz targets check: a broken one aborts the run as a finding.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace kavrin {

inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

// A line handed on from a file never carries a line end or a NUL.
inline bool IsCleanLine(const std::string& text) {
  return text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

}  // namespace kavrin
