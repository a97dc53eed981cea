#include "win/process_account.h"

#include "win/system_function.h"

namespace kavrin {
namespace {

using OpenTokenFunction = BOOL WINAPI(HANDLE, DWORD, PHANDLE);
using TokenInformationFunction = BOOL WINAPI(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD);

// Room for a token's groups as Windows gives them; more is taken as unknown.
struct alignas(8) TokenBuffer {
  unsigned char bytes[16384];
};

bool ReadToken(TOKEN_INFORMATION_CLASS kind, TokenBuffer& buffer) {
  auto* openToken = SystemFunction<OpenTokenFunction>("advapi32.dll", "OpenProcessToken");
  auto* information = SystemFunction<TokenInformationFunction>("advapi32.dll", "GetTokenInformation");
  HANDLE token = nullptr;
  if (openToken == nullptr || information == nullptr || !openToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
    return false;
  }
  DWORD size = 0;
  const bool read = information(token, kind, buffer.bytes, sizeof buffer.bytes, &size);
  CloseHandle(token);
  return read;
}

// Revision, sub-authority count and the 6-byte authority, then 4 bytes per
// sub-authority.
std::string SidBytes(PSID sid) {
  const auto* bytes = static_cast<const char*>(sid);
  return std::string(bytes, 8 + 4 * static_cast<size_t>(static_cast<unsigned char>(bytes[1])));
}

}  // namespace

std::string ProcessAccountSid() {
  TokenBuffer buffer;
  if (!ReadToken(TokenUser, buffer)) return std::string();
  return SidBytes(reinterpret_cast<const TOKEN_USER*>(buffer.bytes)->User.Sid);
}

bool AnyProcessGroup(bool (*matches)(const std::string& sid, uint32_t attributes)) {
  TokenBuffer buffer;
  if (!ReadToken(TokenGroups, buffer)) return false;
  const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.bytes);
  for (DWORD i = 0; i < groups->GroupCount; ++i) {
    if (matches(SidBytes(groups->Groups[i].Sid), groups->Groups[i].Attributes)) return true;
  }
  return false;
}

}  // namespace kavrin
