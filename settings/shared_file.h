// The launch file in c:\, which every account reads and, where Windows
// lets it, may have written: read only when no other account can change
// it, and written so that none can. One body per system beside this file.
#pragma once

#include <optional>
#include <string>

#include "files/file_system.h"

namespace kavrin {

struct SharedFileRead {
  std::optional<std::string> bytes;  // nullopt: missing, unreadable or refused
  bool refused = false;              // another account can change it
};

// Opens the file once and reads, from that handle, who may change it and
// then its bytes (TrustsSharedFile), so nothing changes between the two.
// An empty file is read whoever may change it. A missing file is read from
// its backup, as ReadFileBytes does, under the same rule. 9x reads it as
// any file.
SharedFileRead ReadSharedFile(const std::string& path);

// Creates `path` anew (removing a file left there) with the security of
// SharedFileSecurity (settings/file_security.h) wherever the volume keeps
// ACLs, owned by Administrators when this account may make it so, and
// writes the bytes flushed to the disk. On failure leaves nothing behind
// and says why.
WriteFault CreateSharedFile(const std::string& path, const std::string& bytes);

}  // namespace kavrin
