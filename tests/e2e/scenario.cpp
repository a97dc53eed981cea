#include "scenario.h"

#include <algorithm>
#include <cstdio>

namespace kavrin {

void Fail(const std::string& reason) { throw ScenarioFailure(reason); }

void Expect(bool condition, const std::string& what) {
  if (!condition) Fail(what);
}

void ExpectEqual(const std::string& actual, const std::string& expected, const std::string& what) {
  if (actual == expected) return;
  // Long texts: where they part, not all of them.
  constexpr size_t kShown = 160;
  if (actual.size() <= kShown && expected.size() <= kShown) {
    Fail(what + ": got \"" + Visible(actual) + "\", want \"" + Visible(expected) + "\"");
  }
  size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  const size_t from = at < kShown / 4 ? 0 : at - kShown / 4;
  Fail(what + ": got " + std::to_string(actual.size()) + " bytes, want " + std::to_string(expected.size()) +
       "; from byte " + std::to_string(from) + " got \"" + Visible(actual.substr(std::min(from, actual.size()), kShown)) +
       "\", want \"" + Visible(expected.substr(std::min(from, expected.size()), kShown)) + "\"");
}

void ExpectEqual(long long actual, long long expected, const std::string& what) {
  if (actual == expected) return;
  Fail(what + ": got " + std::to_string(actual) + ", want " + std::to_string(expected));
}

std::string Visible(const std::string& bytes) {
  std::string shown;
  for (const unsigned char c : bytes) {
    if (c == '\r') shown += "\\r";
    else if (c == '\n') shown += "\\n";
    else if (c == '\t') shown += "\\t";
    else if (c == '"') shown += "\\\"";
    else if (c == '\\') shown += "\\\\";
    else if (c < 0x20 || c > 0x7e) {
      char hex[8];
      std::snprintf(hex, sizeof(hex), "\\x%02x", c);
      shown += hex;
    } else {
      shown += static_cast<char>(c);
    }
  }
  return shown;
}

void WaitFor(const std::function<bool()>& done, const std::string& what, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) Fail("timed out waiting for " + what);
    Sleep(20);
  }
}

bool HappensWithin(const std::function<bool()>& happened, DWORD spellMs) {
  const DWORD start = GetTickCount();
  do {
    if (happened()) return true;
    Sleep(20);
  } while (GetTickCount() - start < spellMs);
  return happened();
}

}  // namespace kavrin
