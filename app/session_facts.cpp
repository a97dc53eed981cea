#include "app/session_facts.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstring>

#include "win/system_function.h"

namespace kavrin {
namespace {

// SPI_GETSCREENSAVESECURE, which headers for Windows XP leave out.
constexpr UINT kGetScreenSaveSecure = 0x0076;
constexpr const char* kSecureValue = "ScreenSaverIsSecure";
constexpr const char* kPolicyDesktopKey = "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop";
constexpr const char* kUserDesktopKey = "Control Panel\\Desktop";

// A value of the current user's registry as text; a number as its decimal
// digits. nullopt when the key or the value is missing.
std::optional<std::string> ReadUserValue(const char* key, const char* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return std::nullopt;
  char data[64] = "";
  DWORD type = 0;
  DWORD size = sizeof data - 1;
  const LONG read = RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(opened);
  if (read != ERROR_SUCCESS) return std::nullopt;
  if (type == REG_DWORD && size == sizeof(DWORD)) {
    DWORD number = 0;
    std::memcpy(&number, data, sizeof number);
    return std::to_string(number);
  }
  if (type != REG_SZ) return std::nullopt;
  return std::string(data);  // NUL-ended: the buffer held one byte more
}

}  // namespace

std::string ProcessDesktopName() {
  auto* threadDesktop = SystemFunction<HDESK WINAPI(DWORD)>("user32.dll", "GetThreadDesktop");
  auto* objectInformation =
      SystemFunction<BOOL WINAPI(HANDLE, int, PVOID, DWORD, LPDWORD)>("user32.dll", "GetUserObjectInformationA");
  if (threadDesktop == nullptr || objectInformation == nullptr) return std::string();
  const HDESK desktop = threadDesktop(GetCurrentThreadId());
  char name[256] = "";
  DWORD needed = 0;
  if (desktop == nullptr || !objectInformation(desktop, UOI_NAME, name, sizeof name - 1, &needed)) {
    return std::string();
  }
  return name;
}

LockSetting ReadLockSetting() {
  LockSetting setting;
  BOOL secure = FALSE;
  // Answered from Vista on; 2000 and XP keep only the registry values.
  if (SystemParametersInfoA(kGetScreenSaveSecure, 0, &secure, 0)) {
    setting.asked = secure != FALSE;
    return setting;
  }
  setting.policy = ReadUserValue(kPolicyDesktopKey, kSecureValue);
  setting.user = ReadUserValue(kUserDesktopKey, kSecureValue);
  return setting;
}

std::optional<std::vector<std::string>> RunningProcessFiles() {
  auto* snapshot = SystemFunction<HANDLE WINAPI(DWORD, DWORD)>("kernel32.dll", "CreateToolhelp32Snapshot");
  auto* first = SystemFunction<BOOL WINAPI(HANDLE, PROCESSENTRY32*)>("kernel32.dll", "Process32First");
  auto* next = SystemFunction<BOOL WINAPI(HANDLE, PROCESSENTRY32*)>("kernel32.dll", "Process32Next");
  if (snapshot == nullptr || first == nullptr || next == nullptr) return std::nullopt;
  const HANDLE list = snapshot(TH32CS_SNAPPROCESS, 0);
  if (list == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<std::string> files;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = first(list, &entry); more; more = next(list, &entry)) files.push_back(entry.szExeFile);
  CloseHandle(list);
  return files;
}

void LockSession() {
  if (auto* lock = SystemFunction<BOOL WINAPI()>("user32.dll", "LockWorkStation")) lock();
}

}  // namespace kavrin
