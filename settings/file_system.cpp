#include "settings/file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kavrin {
namespace {

const char kTempSuffix[] = ".kavrin-new";
const char kBackupSuffix[] = ".kavrin-old";

int ProcessId() {
#ifdef _WIN32
  return _getpid();
#else
  return static_cast<int>(getpid());
#endif
}

// Per process, so two saves running at once never write the same one.
std::string StagedPath(const std::string& path) {
  return path + "." + std::to_string(ProcessId()) + kTempSuffix;
}

enum class PathKind { Missing, File, Directory };

PathKind KindOf(const std::string& path) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Directory : PathKind::File;
#else
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return PathKind::Missing;
  return S_ISDIR(info.st_mode) ? PathKind::Directory : PathKind::File;
#endif
}

bool IsDirectory(const std::string& path) { return KindOf(path) == PathKind::Directory; }

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string bytes;
  char chunk[16384];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return bytes;
}

// Right after a failed fopen: did the system refuse this account?
bool AccessWasDenied() {
#ifdef _WIN32
  // errno is EACCES for a file another program holds open, too.
  return errno == EACCES && _doserrno == ERROR_ACCESS_DENIED;
#else
  return errno == EACCES || errno == EPERM;
#endif
}

WriteFault FaultOfFailedOpen(const std::string& path) {
  if (!AccessWasDenied()) return WriteFault::Other;
  // Windows refuses to open a directory as a file in the same words.
  return IsDirectory(path) ? WriteFault::Other : WriteFault::AccessDenied;
}

// Until this returns, the bytes may sit in a cache a power cut loses.
bool SyncToDisk(std::FILE* file) {
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

WriteFault WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return FaultOfFailedOpen(path);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool synced = std::fflush(file) == 0 && SyncToDisk(file);
  const bool closed = std::fclose(file) == 0;
  return written && synced && closed ? WriteFault::None : WriteFault::Other;
}

#ifdef _WIN32
bool IsWindows9x() { return (GetVersion() & 0x80000000) != 0; }

using MoveFileExFunction = BOOL WINAPI(LPCSTR, LPCSTR, DWORD);

// Windows 95, 98 and ME export MoveFileExA but fail every call to it.
MoveFileExFunction* ReplacingMove() {
  if (IsWindows9x()) return nullptr;
  const FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), "MoveFileExA");
  return reinterpret_cast<MoveFileExFunction*>(reinterpret_cast<void (*)()>(found));
}
#endif

bool MoveOver(const std::string& from, const std::string& to) {
#ifdef _WIN32
  if (MoveFileExFunction* move = ReplacingMove()) {
    return move(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }
  return ReplaceThroughBackup(from, to);
#else
  return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

// A missing file can be created; one that exists must open for writing
// (without being truncated). Directories and write-protected files fail
// here rather than half way through a save.
WriteFault ReplaceFault(const std::string& path) {
  errno = 0;
  if (std::FILE* existing = std::fopen(path.c_str(), "r+b")) {
    std::fclose(existing);
    return WriteFault::None;
  }
  return errno == ENOENT ? WriteFault::None : FaultOfFailedOpen(path);
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
  if (std::optional<std::string> bytes = ReadWholeFile(path)) return bytes;
  // A replace cut short between its two renames left only the backup.
  if (!IsFile(path)) return ReadWholeFile(BackupPath(path));
  return std::nullopt;
}

bool IsFile(const std::string& path) { return KindOf(path) == PathKind::File; }

std::string BackupPath(const std::string& path) { return path + kBackupSuffix; }

bool RestoreCutShortReplace(const std::string& path) {
  if (IsFile(path)) return true;
  const std::string backup = BackupPath(path);
  return IsFile(backup) && std::rename(backup.c_str(), path.c_str()) == 0;
}

bool ReplaceThroughBackup(const std::string& from, const std::string& to) {
  const std::string backup = BackupPath(to);
  if (IsFile(to)) {
    // Beside an existing file, a backup is what a replace cut short after
    // its second rename left.
    std::remove(backup.c_str());
    if (std::rename(to.c_str(), backup.c_str()) != 0) return false;
  }
  if (std::rename(from.c_str(), to.c_str()) != 0) {
    std::rename(backup.c_str(), to.c_str());
    return false;
  }
  std::remove(backup.c_str());
  return true;
}

WriteFault StageFileContent(const std::string& path, const std::string& bytes) {
  WriteFault fault = ReplaceFault(path);
  if (fault == WriteFault::None) fault = WriteWholeFile(StagedPath(path), bytes);
  if (fault != WriteFault::None) DiscardStagedFile(path);
  return fault;
}

bool CommitStagedFile(const std::string& path) { return MoveOver(StagedPath(path), path); }

void DiscardStagedFile(const std::string& path) { std::remove(StagedPath(path).c_str()); }

bool ReplaceFileContent(const std::string& path, const std::string& bytes) {
  if (StageFileContent(path, bytes) == WriteFault::None && CommitStagedFile(path)) return true;
  DiscardStagedFile(path);
  return false;
}

bool EnsureFileExists(const std::string& path) {
  if (ReadFileBytes(path)) return true;
  // Append mode creates a missing file and never truncates one that exists.
  if (std::FILE* created = std::fopen(path.c_str(), "ab")) std::fclose(created);
  return ReadFileBytes(path).has_value();
}

bool MakeDirectory(const std::string& path) {
#ifdef _WIN32
  _mkdir(path.c_str());
#else
  mkdir(path.c_str(), 0777);
#endif
  return IsDirectory(path);
}

bool ChangeDirectory(const std::string& path) {
#ifdef _WIN32
  return _chdir(path.c_str()) == 0;
#else
  return chdir(path.c_str()) == 0;
#endif
}

// Asked without entering: a working directory that cannot be named could
// not be returned to.
bool CanEnterDirectory(const std::string& path) {
  if (!IsDirectory(path)) return false;
#ifdef _WIN32
  // 95, 98 and ME keep no rights on folders, and open none as a file.
  if (IsWindows9x()) return true;
  // Opened for traversal, as entering it opens it.
  const DWORD shared = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  const HANDLE directory =
      CreateFileA(path.c_str(), FILE_TRAVERSE, shared, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (directory == INVALID_HANDLE_VALUE) return false;
  CloseHandle(directory);
  return true;
#else
  return access(path.c_str(), X_OK) == 0;
#endif
}

std::string CurrentDirectory() {
  char buffer[4096];
#ifdef _WIN32
  return _getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string();
#else
  return getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string();
#endif
}

}  // namespace kavrin
