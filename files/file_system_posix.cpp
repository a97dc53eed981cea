// The POSIX body of the file system edge, for the native build.
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "files/file_system.h"
#include "files/file_system_platform.h"

namespace kavrin {
namespace platform {

PathKind KindOf(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return PathKind::Missing;
  return S_ISDIR(info.st_mode) ? PathKind::Directory : PathKind::File;
}

int ProcessId() { return static_cast<int>(getpid()); }

bool AccessWasDenied() { return errno == EACCES || errno == EPERM; }

bool SyncToDisk(std::FILE* file) { return fsync(fileno(file)) == 0; }

bool MoveOver(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

bool MakeOneDirectory(const std::string& path) { return mkdir(path.c_str(), 0777) == 0; }

WriteFault CopyOver(const std::string& from, const std::string& to) {
  std::FILE* source = std::fopen(from.c_str(), "rb");
  if (source == nullptr) return WriteFault::Other;
  std::FILE* copy = std::fopen(to.c_str(), "wb");
  const WriteFault refused = copy == nullptr && AccessWasDenied() ? WriteFault::AccessDenied : WriteFault::Other;
  bool copied = copy != nullptr;
  std::string piece(1 << 16, '\0');
  size_t got;
  while (copied && (got = std::fread(&piece[0], 1, piece.size(), source)) > 0) {
    copied = std::fwrite(piece.data(), 1, got, copy) == got;
  }
  copied = copied && std::ferror(source) == 0;
  std::fclose(source);
  if (copy != nullptr && std::fclose(copy) != 0) copied = false;
  return copied ? WriteFault::None : refused;
}

}  // namespace platform

std::optional<uint64_t> FileSize(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return static_cast<uint64_t>(info.st_size);
}

bool FolderHoldsMatch(const std::string& folder, const std::string& pattern) {
  DIR* listing = opendir(folder.c_str());
  if (listing == nullptr) return false;
  bool found = false;
  while (const dirent* entry = found ? nullptr : readdir(listing)) {
    found = fnmatch(pattern.c_str(), entry->d_name, FNM_CASEFOLD) == 0;
  }
  closedir(listing);
  return found;
}

bool ChangeDirectory(const std::string& path) { return chdir(path.c_str()) == 0; }

std::string CurrentDirectory() {
  char buffer[4096];
  return getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string();
}

// Asked without entering: a working directory that cannot be named could
// not be returned to.
bool CanEnterDirectory(const std::string& path) {
  return platform::KindOf(path) == platform::PathKind::Directory && access(path.c_str(), X_OK) == 0;
}

}  // namespace kavrin
