// The Windows body of the file system edge (files/file_system.h), built
// in place of file_system_posix.cpp.
#include <direct.h>
#include <io.h>
#include <process.h>

#include <cerrno>
#include <cstdlib>

#include "files/file_system.h"
#include "files/file_system_platform.h"
#include "win/system_function.h"

namespace kavrin {
namespace platform {

PathKind KindOf(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Directory : PathKind::File;
}

int ProcessId() { return _getpid(); }

bool AccessWasDenied() {
  // errno is EACCES for a file another program holds open, too.
  return errno == EACCES && _doserrno == ERROR_ACCESS_DENIED;
}

bool SyncToDisk(std::FILE* file) { return _commit(_fileno(file)) == 0; }

bool MoveOver(const std::string& from, const std::string& to) {
  // Windows 95, 98 and ME export MoveFileExA but fail every call to it.
  auto* move = IsWindows9x() ? nullptr
                             : SystemFunction<BOOL WINAPI(LPCSTR, LPCSTR, DWORD)>("kernel32.dll", "MoveFileExA");
  if (move == nullptr) return ReplaceThroughBackup(from, to);
  return move(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool MakeOneDirectory(const std::string& path) { return _mkdir(path.c_str()) == 0; }

WriteFault CopyOver(const std::string& from, const std::string& to) {
  if (CopyFileA(from.c_str(), to.c_str(), FALSE)) return WriteFault::None;
  if (GetLastError() != ERROR_ACCESS_DENIED) return WriteFault::Other;
  // Windows refuses a source this account may not read in the same words.
  std::FILE* source = std::fopen(from.c_str(), "rb");
  if (source == nullptr) return WriteFault::Other;
  std::fclose(source);
  return WriteFault::AccessDenied;
}

}  // namespace platform

namespace {

std::optional<uint64_t> SizeUnlessFolder(DWORD attributes, DWORD sizeHigh, DWORD sizeLow) {
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
  return (static_cast<uint64_t>(sizeHigh) << 32) | sizeLow;
}

}  // namespace

std::optional<uint64_t> FileSize(const std::string& path) {
  using GetAttributesEx = BOOL WINAPI(LPCSTR, GET_FILEEX_INFO_LEVELS, LPVOID);
  static auto* const getAttributes = SystemFunction<GetAttributesEx>("kernel32.dll", "GetFileAttributesExA");
  if (getAttributes != nullptr) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!getAttributes(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return SizeUnlessFolder(data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow);
  }
  // Windows 95 finds the file by a search, which Wine would answer by
  // reading the whole folder for each listed demo. A wildcard would find
  // another file's size.
  if (path.find_first_of("*?") != std::string::npos) return std::nullopt;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  FindClose(search);
  return SizeUnlessFolder(found.dwFileAttributes, found.nFileSizeHigh, found.nFileSizeLow);
}

bool FolderHoldsMatch(const std::string& folder, const std::string& pattern) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

bool ChangeDirectory(const std::string& path) { return _chdir(path.c_str()) == 0; }

std::string CurrentDirectory() {
  char buffer[4096];
  return _getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string();
}

// Asked without entering: a working directory that cannot be named could
// not be returned to.
bool CanEnterDirectory(const std::string& path) {
  if (platform::KindOf(path) != platform::PathKind::Directory) return false;
  // 95, 98 and ME keep no rights on folders, and open none as a file.
  if (IsWindows9x()) return true;
  // Opened for traversal, as entering it opens it.
  const DWORD shared = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  const HANDLE directory =
      CreateFileA(path.c_str(), FILE_TRAVERSE, shared, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (directory == INVALID_HANDLE_VALUE) return false;
  CloseHandle(directory);
  return true;
}

}  // namespace kavrin
