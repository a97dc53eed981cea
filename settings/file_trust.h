// Whether a settings file that every account reads can be changed by another
// account: judged from its owner and DACL as Windows reads them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavrin {

// The Administrators group, S-1-5-32-544, as its bytes: revision,
// sub-authority count, the 6-byte authority, then each sub-authority as a
// little-endian 32-bit number.
constexpr std::string_view kAdministratorsSid("\x01\x02\0\0\0\0\0\x05\x20\0\0\0\x20\x02\0\0", 16);

// The entry types and flags the rule tells apart, as Windows numbers them.
constexpr uint8_t kAccessAllowedEntry = 0x00;
constexpr uint8_t kAccessDeniedEntry = 0x01;
constexpr uint8_t kInheritOnlyFlag = 0x08;
// The rights that change a file, its attributes or who may do so:
// FILE_WRITE_DATA, FILE_APPEND_DATA, FILE_WRITE_EA, FILE_WRITE_ATTRIBUTES,
// DELETE, WRITE_DAC, WRITE_OWNER, GENERIC_WRITE and GENERIC_ALL.
constexpr uint32_t kChangeRights = 0x0002 | 0x0004 | 0x0010 | 0x0100 | 0x00010000 | 0x00040000 | 0x00080000 |
                                   0x40000000 | 0x10000000;

// The accounts the rule tells apart; Account is the one this process runs
// as. A SID that is missing or that Windows finds invalid is Other, and so
// is this process's own when it could not be read.
enum class SidKind : uint8_t { Other, System, Administrators, Account };

// One entry of a DACL. `mask` and `sid` are read only for the allow and
// deny types.
struct AccessEntry {
  uint8_t type = kAccessAllowedEntry;
  uint8_t flags = 0;
  uint32_t mask = 0;
  SidKind sid = SidKind::Other;
};

struct FileSecurity {
  SidKind owner = SidKind::Other;                // Other too when the descriptor names none
  std::optional<std::vector<AccessEntry>> dacl;  // nullopt: a NULL or missing DACL
};

// Whether no account but this process's, Administrators and SYSTEM can
// change the file. Always where the volume keeps no ACLs (9x, FAT): nothing
// can be protected there. Otherwise its owner must be one of those three,
// and its DACL must let no one else change it. `security` is nullopt when
// it could not be read.
bool TrustsSharedFile(bool volumeKeepsAcls, const std::optional<FileSecurity>& security);

// Whether a group of an access token, with these attributes, lets the
// token make Administrators the owner of what it creates: the group is
// enabled, may own, and is not for denying only (an administrator not
// elevated under UAC).
bool MayOwnAsAdministrators(const std::string& groupSid, uint32_t attributes);

}  // namespace kavrin
