// Wine's own settings that scenarios change for a while: the Windows
// version it reports to Kavrin.scr, and a relay trace of chosen calls.
#pragma once

#include <optional>
#include <string>

#include "scenario.h"

namespace kavrin {

// A string value under HKEY_CURRENT_USER, set (or, for nullopt, removed)
// while the object lives; what was there before comes back afterwards.
class ScopedUserValue {
 public:
  ScopedUserValue(const std::string& key, const std::string& name, const std::optional<std::string>& value);
  ~ScopedUserValue();
  ScopedUserValue(const ScopedUserValue&) = delete;
  ScopedUserValue& operator=(const ScopedUserValue&) = delete;

 private:
  std::string key_;
  std::string name_;
  std::optional<std::string> before_;
};

// Wine tells Kavrin.scr, and only it, that it runs on `version` ("win98",
// "nt40", ...), while the returned object lives.
ScopedUserValue ReportedWindowsVersion(const std::string& version);

// Programs started while the object lives write a relay line for each call
// they make themselves (not through Wine's own DLLs) of the named functions
// (e.g. "LockWorkStation;MoveFileExA") to their standard error, which the
// suite makes the driver's log (KAVRIN_E2E_LOG).
class RelayTrace {
 public:
  explicit RelayTrace(const std::string& functions);
  ~RelayTrace();
  RelayTrace(const RelayTrace&) = delete;
  RelayTrace& operator=(const RelayTrace&) = delete;

  // How often `function` was called since the trace began.
  int Calls(const std::string& function) const;

 private:
  ScopedUserValue include_;
  ScopedUserValue fromExclude_;
  std::string log_;
  size_t logStart_ = 0;
  std::optional<std::string> debugBefore_;
};

}  // namespace kavrin
