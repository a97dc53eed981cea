// The shared launch file's security descriptor, read into FileSecurity and
// built, with Windows' own calls. Windows only (file_security_win32.cpp):
// the POSIX build keeps no ACLs. A descriptor is Windows'
// PSECURITY_DESCRIPTOR, in either form.
#pragma once

#include <optional>
#include <string>

#include "settings/file_trust.h"

namespace kavrin {

// The owner and DACL of `descriptor`, each SID told apart by Windows.
// `account` is this process's SID as its bytes (ProcessAccountSid); one
// that is empty or not a whole SID matches nothing. nullopt when Windows
// cannot read the descriptor or finds its DACL invalid.
std::optional<FileSecurity> ReadFileSecurity(void* descriptor, const std::string& account);

// The self-relative security descriptor that Kavrin gives the shared launch
// file: SYSTEM and Administrators full control, Users read and execute,
// protected from inheritance where Windows has it (2000 on). Owned by
// Administrators when `byAdministrators`, and then without an entry of the
// saving `user` (its SID's bytes), whom every other account would have to
// distrust; else owned by its creator, `user`, who gets full control.
// "" when Windows cannot build it.
std::string SharedFileSecurity(const std::string& user, bool byAdministrators);

}  // namespace kavrin
