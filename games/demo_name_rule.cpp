#include "games/demo_name_rule.h"

#include "files/exe_path.h"

namespace kavrin {
namespace {

// Where in `name` the ending starts, in any case, "#" standing for one or
// more digits; npos when the name does not end so.
size_t EndingAt(const std::string& name, const std::string& ending) {
  const size_t digits = ending.find('#');
  if (digits == std::string::npos) {
    if (name.size() < ending.size()) return std::string::npos;
    const size_t at = name.size() - ending.size();
    return LowerCase(name.substr(at)) == ending ? at : std::string::npos;
  }
  // Only a trailing "#": ".dm_#".
  const size_t last = name.find_last_not_of("0123456789");
  if (last == std::string::npos || last + 1 == name.size()) return std::string::npos;
  return EndingAt(name.substr(0, last + 1), ending.substr(0, digits));
}

}  // namespace

bool FollowsRule(const std::string& name, const DemoNameRule& rule) {
  for (const char* ending : rule.endings) {
    if (ending != nullptr && EndingAt(name, ending) != std::string::npos) return true;
  }
  return false;
}

std::string RuleEndings(const DemoNameRule& rule) {
  size_t count = 0;
  while (count < rule.endings.size() && rule.endings[count] != nullptr) ++count;
  std::string text;
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) text.append(i + 1 == count ? " or " : ", ");
    const std::string ending = rule.endings[i];
    const size_t digits = ending.find('#');
    text.append(ending.substr(0, digits)).append(digits == std::string::npos ? "" : " and digits");
  }
  return text;
}

std::string WithRuleEnding(std::string name, const DemoNameRule& rule) {
  for (const char* ending : rule.endings) {
    if (ending == nullptr || std::string(ending).find('#') != std::string::npos) continue;
    const size_t at = EndingAt(name, ending);
    if (at != std::string::npos) return name.replace(at, std::string::npos, ending);
  }
  return name;
}

}  // namespace kavrin
