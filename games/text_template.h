// Texts with named blanks, "{demo}", that the caller fills in: the game
// script's ring entries and the play note's sentences.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kavrin {

// Whether each "{" in `text` opens a blank named in `names`, closed by "}".
constexpr bool IsTemplate(std::string_view text, std::span<const std::string_view> names) {
  for (size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', open + 1)) {
    const size_t close = text.find('}', open);
    if (close == std::string_view::npos) return false;
    bool known = false;
    for (const std::string_view name : names) known = known || name == text.substr(open + 1, close - open - 1);
    if (!known) return false;
  }
  return true;
}

// `text` with each blank replaced by the value beside its name: `values`
// holds one for each of `names`, in the same order.
std::string FillTemplate(std::string_view text, std::span<const std::string_view> names,
                         std::span<const std::string> values);

}  // namespace kavrin
