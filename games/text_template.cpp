#include "games/text_template.h"

namespace kavrin {

std::string FillTemplate(std::string_view text, std::span<const std::string_view> names,
                         std::span<const std::string> values) {
  std::string filled;
  size_t at = 0;
  for (size_t open; (open = text.find('{', at)) != std::string_view::npos;) {
    const size_t close = text.find('}', open);
    if (close == std::string_view::npos) break;
    filled.append(text.substr(at, open - at));
    for (size_t i = 0; i < names.size() && i < values.size(); ++i) {
      if (names[i] == text.substr(open + 1, close - open - 1)) filled += values[i];
    }
    at = close + 1;
  }
  return filled.append(text.substr(at));
}

}  // namespace kavrin
