// Scenarios of the suite and the checks they fail with.
#pragma once

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kavrin {

// Thrown by a failing check; the scenario ends and reports the reason.
struct ScenarioFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& reason);
void Expect(bool condition, const std::string& what);
// Compares bytes; the reason shows both sides with line ends made visible
// (for long texts: their sizes and where they part).
void ExpectEqual(const std::string& actual, const std::string& expected, const std::string& what);
void ExpectEqual(long long actual, long long expected, const std::string& what);

// Bytes made printable: CR, LF, TAB, quotes and non-ASCII escaped.
std::string Visible(const std::string& bytes);

// Long enough for Wine to bring up a first dialog on a loaded machine; a
// bound on hanging, not a measure of speed.
constexpr DWORD kPatience = 20000;
// How long "nothing happens" is watched before it is believed.
constexpr DWORD kQuietSpell = 1500;

// Polls until `done` holds; fails naming `what` once `timeoutMs` passed.
void WaitFor(const std::function<bool()>& done, const std::string& what, DWORD timeoutMs = kPatience);

// Polls for `spellMs`; true if `happened` ever held (it stops early then).
bool HappensWithin(const std::function<bool()>& happened, DWORD spellMs = kQuietSpell);

struct Scenario {
  std::string name;
  std::function<void()> run;
  // Set for scenarios whose c:\ the suite makes read-only: runs on the
  // reset prefix before that, and `run` then finds the prefix as it left it.
  std::function<void()> prepare = nullptr;
};

}  // namespace kavrin
