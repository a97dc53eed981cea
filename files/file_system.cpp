// The portable part of the file system edge; what differs between systems
// is in the body that CMake chooses (file_system_platform.h).
#include "files/file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "files/exe_path.h"
#include "files/file_system_platform.h"

namespace kavrin {
namespace {

using platform::PathKind;

const char kTempSuffix[] = ".kavrin-new";
const char kBackupSuffix[] = ".kavrin-old";
// Comparisons go in pieces this large: each read is a system call under
// Wine, and a demo of any size needs little memory.
constexpr size_t kPiece = 1 << 16;

// Per process, so two saves running at once never write the same one.
std::string StagedPath(const std::string& path) {
  return path + "." + std::to_string(platform::ProcessId()) + kTempSuffix;
}

bool IsDirectory(const std::string& path) { return platform::KindOf(path) == PathKind::Directory; }

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

WriteFault FaultOfFailedOpen(const std::string& path) {
  if (!platform::AccessWasDenied()) return WriteFault::Other;
  // Windows refuses to open a directory as a file in the same words.
  return IsDirectory(path) ? WriteFault::Other : WriteFault::AccessDenied;
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

std::optional<std::string> ReadFilePart(const std::string& path, uint32_t offset, uint32_t length) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string bytes(length, '\0');
  const bool placed = offset <= 0x7FFFFFFF && std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0;
  bytes.resize(placed ? std::fread(&bytes[0], 1, length, file) : 0);
  const bool failed = !placed || std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return bytes;
}

bool SameFileBytes(const std::string& a, const std::string& b) {
  std::FILE* first = std::fopen(a.c_str(), "rb");
  std::FILE* second = first != nullptr ? std::fopen(b.c_str(), "rb") : nullptr;
  bool same = second != nullptr;
  // A piece of each, side by side.
  std::string pieces(2 * kPiece, '\0');
  for (size_t got = kPiece; same && got == kPiece;) {
    got = std::fread(&pieces[0], 1, kPiece, first);
    same = std::fread(&pieces[kPiece], 1, kPiece, second) == got && std::memcmp(&pieces[0], &pieces[kPiece], got) == 0;
  }
  same = same && std::ferror(first) == 0 && std::ferror(second) == 0;
  if (second != nullptr) std::fclose(second);
  if (first != nullptr) std::fclose(first);
  return same;
}

bool IsFile(const std::string& path) { return platform::KindOf(path) == PathKind::File; }

bool PathExists(const std::string& path) { return platform::KindOf(path) != PathKind::Missing; }

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

WriteFault WriteNewFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return FaultOfFailedOpen(path);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool synced = std::fflush(file) == 0 && platform::SyncToDisk(file);
  const bool closed = std::fclose(file) == 0;
  return written && synced && closed ? WriteFault::None : WriteFault::Other;
}

WriteFault StageFileContent(const std::string& path, const std::string& bytes, FileWriter write) {
  WriteFault fault = ReplaceFault(path);
  if (fault == WriteFault::None) fault = write(StagedPath(path), bytes);
  if (fault != WriteFault::None) DiscardStagedFile(path);
  return fault;
}

bool CommitStagedFile(const std::string& path) { return platform::MoveOver(StagedPath(path), path); }

void DiscardStagedFile(const std::string& path) { std::remove(StagedPath(path).c_str()); }

WriteFault ReplaceFileContent(const std::string& path, const std::string& bytes) {
  const WriteFault fault = StageFileContent(path, bytes);
  if (fault != WriteFault::None) return fault;
  if (CommitStagedFile(path)) return WriteFault::None;
  DiscardStagedFile(path);
  return WriteFault::Other;
}

std::string WriteFaultText(const std::string& path, const char* what, WriteFault fault) {
  const std::string text = DisplayPath(path) + "\n" + what;
  if (fault != WriteFault::AccessDenied) return text + '.';
  return text + ": Windows does not let this account write in that folder. Choose a game folder this account "
                "may write to, or run the configuration as administrator.";
}

WriteFault MakeFolder(const std::string& path) {
  if (platform::MakeOneDirectory(path)) return WriteFault::None;
  // Asked before IsDirectory asks the system again, which sets errno anew.
  const bool denied = platform::AccessWasDenied();
  if (IsDirectory(path)) return WriteFault::None;
  return denied ? WriteFault::AccessDenied : WriteFault::Other;
}

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool MakeDirectory(const std::string& path) { return MakeFolder(path) == WriteFault::None; }

WriteFault CopyFileContent(const std::string& from, const std::string& to) {
  const std::string staged = StagedPath(to);
  WriteFault fault = platform::CopyOver(from, staged);
  if (fault == WriteFault::None && !platform::MoveOver(staged, to)) fault = WriteFault::Other;
  if (fault != WriteFault::None) std::remove(staged.c_str());
  return fault;
}

bool EnsureFileExists(const std::string& path) {
  if (ReadFileBytes(path)) return true;
  // Append mode creates a missing file and never truncates one that exists.
  if (std::FILE* created = std::fopen(path.c_str(), "ab")) std::fclose(created);
  return ReadFileBytes(path).has_value();
}

}  // namespace kavrin
