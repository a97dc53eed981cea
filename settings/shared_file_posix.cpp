// The POSIX body of settings/shared_file.h, for the native build: no ACLs
// to judge or give, as on a FAT volume.
#include "settings/shared_file.h"

#include <cstdio>

#include "files/file_system_platform.h"

namespace kavrin {

SharedFileRead ReadSharedFile(const std::string& path) { return {ReadFileBytes(path), false}; }

WriteFault CreateSharedFile(const std::string& path, const std::string& bytes) {
  std::remove(path.c_str());
  std::FILE* file = std::fopen(path.c_str(), "wbx");
  if (file == nullptr) return platform::AccessWasDenied() ? WriteFault::AccessDenied : WriteFault::Other;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool synced = std::fflush(file) == 0 && platform::SyncToDisk(file);
  const bool closed = std::fclose(file) == 0;
  if (written && synced && closed) return WriteFault::None;
  std::remove(path.c_str());
  return WriteFault::Other;
}

}  // namespace kavrin
