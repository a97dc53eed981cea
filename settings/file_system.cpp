#include "settings/file_system.h"

#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace kavrin {
namespace {

const char kTempSuffix[] = ".kavrin-new";

std::string StagedPath(const std::string& path) { return path + kTempSuffix; }

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool flushed = std::fflush(file) == 0;
  const bool closed = std::fclose(file) == 0;
  return written && flushed && closed;
}

bool MoveOver(const std::string& from, const std::string& to) {
#ifdef _WIN32
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

// A missing file can be created; one that exists must open for writing
// (without being truncated). Directories and write-protected files fail
// here rather than half way through a save.
bool CanReplace(const std::string& path) {
  errno = 0;
  if (std::FILE* existing = std::fopen(path.c_str(), "r+b")) {
    std::fclose(existing);
    return true;
  }
  return errno == ENOENT;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
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

bool StageFileContent(const std::string& path, const std::string& bytes) {
  if (CanReplace(path) && WriteWholeFile(StagedPath(path), bytes)) return true;
  DiscardStagedFile(path);
  return false;
}

bool CommitStagedFile(const std::string& path) { return MoveOver(StagedPath(path), path); }

void DiscardStagedFile(const std::string& path) { std::remove(StagedPath(path).c_str()); }

bool ReplaceFileContent(const std::string& path, const std::string& bytes) {
  if (StageFileContent(path, bytes) && CommitStagedFile(path)) return true;
  DiscardStagedFile(path);
  return false;
}

bool EnsureFileExists(const std::string& path) {
  if (ReadFileBytes(path)) return true;
  // Append mode creates a missing file and never truncates one that exists.
  if (std::FILE* created = std::fopen(path.c_str(), "ab")) std::fclose(created);
  return ReadFileBytes(path).has_value();
}

bool ChangeDirectory(const std::string& path) {
#ifdef _WIN32
  return _chdir(path.c_str()) == 0;
#else
  return chdir(path.c_str()) == 0;
#endif
}

bool CanEnterDirectory(const std::string& path) {
  const std::string previous = CurrentDirectory();
  if (!ChangeDirectory(path)) return false;
  if (!previous.empty()) ChangeDirectory(previous);
  return true;
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
