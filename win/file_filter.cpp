#include "win/file_filter.h"

#include <algorithm>

namespace kavrin {

std::string NulSeparatedFilter(const std::string& barSeparated) {
  std::string filter = barSeparated;
  std::replace(filter.begin(), filter.end(), '|', '\0');
  return filter;
}

}  // namespace kavrin
