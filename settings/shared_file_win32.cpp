// The Windows body of settings/shared_file.h, built in place of
// shared_file_posix.cpp.
#include "settings/shared_file.h"

#include <cstdio>

#include "settings/file_security.h"
#include "win/process_account.h"
#include "win/system_function.h"

namespace kavrin {
namespace {

// Whether the volume of a path with a drive letter keeps ACLs (NTFS, not
// FAT); other paths are judged as if it did.
bool VolumeKeepsAcls(const std::string& path) {
  if (path.size() < 2 || path[1] != ':') return true;
  const std::string root = path.substr(0, 2) + "\\";
  DWORD flags = 0;
  if (!GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0)) return true;
  return (flags & FILE_PERSISTENT_ACLS) != 0;
}

// The owner and DACL of the open file; nullopt when Windows does not say.
std::optional<FileSecurity> ReadSecurity(HANDLE file) {
  auto* objectSecurity = SystemFunction<decltype(GetKernelObjectSecurity)>("advapi32.dll", "GetKernelObjectSecurity");
  if (objectSecurity == nullptr) return std::nullopt;
  const SECURITY_INFORMATION ownerAndDacl = OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
  // Asked for its size first, then read into exactly that.
  DWORD size = 0;
  objectSecurity(file, ownerAndDacl, nullptr, 0, &size);
  std::string descriptor(size, '\0');
  if (size == 0 || !objectSecurity(file, ownerAndDacl, descriptor.data(), size, &size)) return std::nullopt;
  return ReadFileSecurity(descriptor.data(), ProcessAccountSid());
}

std::optional<std::string> ReadRest(HANDLE file) {
  std::string bytes;
  char chunk[4096];
  for (DWORD got = 0;; bytes.append(chunk, got)) {
    if (!ReadFile(file, chunk, sizeof chunk, &got, nullptr)) return std::nullopt;
    if (got == 0) return bytes;
  }
}

SharedFileRead ReadOne(const std::string& path) {
  // Shared for reading only: while another handle may write, it does not
  // open, and while it is open none opens to write.
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | READ_CONTROL, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  // A volume without ACLs passes every file (TrustsSharedFile); it is asked
  // only about a file its security would refuse, for under Wine the answer
  // takes milliseconds.
  const bool trusted = TrustsSharedFile(true, ReadSecurity(file)) || !VolumeKeepsAcls(path);
  std::optional<std::string> bytes = ReadRest(file);
  CloseHandle(file);
  SharedFileRead read;
  // An empty file names no program, whoever may change it.
  read.refused = !trusted && !(bytes && bytes->empty());
  if (!read.refused) read.bytes = std::move(bytes);
  return read;
}

}  // namespace

SharedFileRead ReadSharedFile(const std::string& path) {
  if (IsWindows9x()) {
    SharedFileRead read;
    read.bytes = ReadFileBytes(path);
    return read;
  }
  SharedFileRead read = ReadOne(path);
  // A replace cut short between its two renames left only the backup.
  if (!read.bytes && !read.refused && !IsFile(path)) read = ReadOne(BackupPath(path));
  return read;
}

WriteFault CreateSharedFile(const std::string& path, const std::string& bytes) {
  std::string security;
  SECURITY_ATTRIBUTES attributes = {sizeof attributes, nullptr, FALSE};
  if (!IsWindows9x() && VolumeKeepsAcls(path)) {
    security = SharedFileSecurity(ProcessAccountSid(), AnyProcessGroup(MayOwnAsAdministrators));
    if (security.empty()) return WriteFault::Other;
    attributes.lpSecurityDescriptor = security.data();
  }
  // Created with its security, so no other account ever holds a handle
  // that may write it; a file that exists would keep its own.
  std::remove(path.c_str());
  const HANDLE file =
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, &attributes, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return GetLastError() == ERROR_ACCESS_DENIED ? WriteFault::AccessDenied : WriteFault::Other;
  }
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(bytes.size());
  const bool done = WriteFile(file, bytes.data(), size, &written, nullptr) && written == size && FlushFileBuffers(file);
  CloseHandle(file);
  if (done) return WriteFault::None;
  std::remove(path.c_str());
  return WriteFault::Other;
}

}  // namespace kavrin
