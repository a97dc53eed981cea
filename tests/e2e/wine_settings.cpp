#include "wine_settings.h"

#include <windows.h>

#include <sstream>

#include "disk_files.h"

namespace kavrin {
namespace {

constexpr const char* kLogVariable = "KAVRIN_E2E_LOG";
constexpr const char* kDebugKey = "Software\\Wine\\Debug";
// Wine's default list and the DLLs through which a program's calls reach
// the traced ones too (msvcrt's rename calls MoveFileExA).
constexpr const char* kOwnDlls =
    "winex11.drv;winemac.drv;user32;gdi32;advapi32;kernel32;kernelbase;msvcrt;shell32;comdlg32;comctl32";

std::optional<std::string> ReadUserString(const std::string& key, const std::string& name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  char data[1024] = "";
  DWORD size = sizeof data - 1;
  DWORD type = 0;
  const LONG read = RegQueryValueExA(opened, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(opened);
  if (read != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return std::string(data);
}

void WriteUserString(const std::string& key, const std::string& name, const std::optional<std::string>& value) {
  HKEY opened = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
      ERROR_SUCCESS) {
    Fail("cannot open HKEY_CURRENT_USER\\" + key);
  }
  LONG written = ERROR_SUCCESS;
  if (value) {
    written = RegSetValueExA(opened, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                             static_cast<DWORD>(value->size() + 1));
  } else {
    const LONG removed = RegDeleteValueA(opened, name.c_str());
    if (removed != ERROR_FILE_NOT_FOUND) written = removed;
  }
  RegCloseKey(opened);
  if (written != ERROR_SUCCESS) Fail("cannot change HKEY_CURRENT_USER\\" + key + " " + name);
}

std::optional<std::string> Environment(const char* name) {
  char value[1024] = "";
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  if (length == 0 || length >= sizeof value) return std::nullopt;
  return std::string(value, length);
}

std::string LogPath() {
  const std::optional<std::string> log = Environment(kLogVariable);
  if (!log) Fail(std::string(kLogVariable) + " does not name the driver's log: run the scenario from run-suite.sh");
  return *log;
}

}  // namespace

ScopedUserValue::ScopedUserValue(const std::string& key, const std::string& name,
                                 const std::optional<std::string>& value)
    : key_(key), name_(name), before_(ReadUserString(key, name)) {
  WriteUserString(key_, name_, value);
}

ScopedUserValue::~ScopedUserValue() {
  // A failure here would throw from a destructor: restore what can be.
  try {
    WriteUserString(key_, name_, before_);
  } catch (const ScenarioFailure&) {
  }
}

ScopedUserValue ReportedWindowsVersion(const std::string& version) {
  return ScopedUserValue("Software\\Wine\\AppDefaults\\Kavrin.scr", "Version", version);
}

RelayTrace::RelayTrace(const std::string& functions)
    : include_(kDebugKey, "RelayInclude", functions),
      fromExclude_(kDebugKey, "RelayFromExclude", kOwnDlls),
      log_(LogPath()),
      logStart_(ReadFileOr(log_, "").size()),
      debugBefore_(Environment("WINEDEBUG")) {
  // Inherited by the programs started from now on, not by this one.
  SetEnvironmentVariableA("WINEDEBUG", "-all,+relay");
}

RelayTrace::~RelayTrace() { SetEnvironmentVariableA("WINEDEBUG", debugBefore_ ? debugBefore_->c_str() : nullptr); }

int RelayTrace::Calls(const std::string& function) const {
  const std::string log = ReadFileOr(log_, "");
  std::istringstream lines(log.size() > logStart_ ? log.substr(logStart_) : std::string());
  // "0124:Call user32.LockWorkStation() ret=00406411"
  const std::string call = "." + function + "(";
  int calls = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.find(":Call ") != std::string::npos && line.find(call) != std::string::npos) ++calls;
  }
  return calls;
}

}  // namespace kavrin
