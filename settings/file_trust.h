// Whether a settings file that every account reads can be changed by another
// account: judged from the security Windows keeps for it, held as bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavrin {

// Security identifiers as their bytes: revision, sub-authority count, the
// 6-byte authority, then each sub-authority as a little-endian 32-bit number.
constexpr std::string_view kSystemSid("\x01\x01\0\0\0\0\0\x05\x12\0\0\0", 12);  // S-1-5-18
constexpr std::string_view kAdministratorsSid("\x01\x02\0\0\0\0\0\x05\x20\0\0\0\x20\x02\0\0", 16);  // S-1-5-32-544
constexpr std::string_view kUsersSid("\x01\x02\0\0\0\0\0\x05\x20\0\0\0\x21\x02\0\0", 16);  // S-1-5-32-545
// Mandatory labels are S-1-16-level; High is level 0x3000.
constexpr std::string_view kLabelAuthority("\x01\x01\0\0\0\0\0\x10", 8);
constexpr uint32_t kHighLabelLevel = 0x3000;

// The entry types and flags the rule tells apart.
constexpr uint8_t kAccessAllowedEntry = 0x00;
constexpr uint8_t kAccessDeniedEntry = 0x01;
constexpr uint8_t kMandatoryLabelEntry = 0x11;
constexpr uint8_t kInheritOnlyFlag = 0x08;
constexpr uint32_t kNoWriteUp = 0x1;
// The rights that change a file, its attributes or who may do so:
// FILE_WRITE_DATA, FILE_APPEND_DATA, FILE_WRITE_EA, FILE_WRITE_ATTRIBUTES,
// DELETE, WRITE_DAC, WRITE_OWNER, GENERIC_WRITE and GENERIC_ALL.
constexpr uint32_t kChangeRights = 0x0002 | 0x0004 | 0x0010 | 0x0100 | 0x00010000 | 0x00040000 | 0x00080000 |
                                   0x40000000 | 0x10000000;

// One entry of an access control list. `mask` and `sid` are read only for
// the allow, deny and label types.
struct AccessEntry {
  uint8_t type = kAccessAllowedEntry;
  uint8_t flags = 0;
  uint32_t mask = 0;
  std::string sid;
};

struct FileSecurity {
  std::string owner;                             // "" when the descriptor names none
  std::optional<std::vector<AccessEntry>> dacl;  // nullopt: a NULL or missing DACL
  std::vector<AccessEntry> sacl;                 // where the mandatory label is (Vista on)
};

// The self-relative security descriptor as Windows returns it; nullopt when
// the bytes are not one.
std::optional<FileSecurity> ReadSecurityDescriptor(const std::string& bytes);

// Whether no account but `user`, Administrators and SYSTEM can change the
// file. Always where the volume keeps no ACLs (9x, FAT): nothing can be
// protected there. Otherwise its owner must be one of those three, and
// either a High or System label with no-write-up keeps standard users out,
// or its DACL lets no one else change it. `security` is nullopt when it
// could not be read.
bool TrustsSharedFile(bool volumeKeepsAcls, const std::optional<FileSecurity>& security, const std::string& user);

// The self-relative security descriptor that Kavrin gives the shared launch
// file: SYSTEM and Administrators full control, Users read and execute;
// protected from inheritance when `protect` (2000 on). Owned by
// Administrators when `byAdministrators`, and then without an entry of the
// saving `user`, whom every other account would have to distrust; else
// owned by its creator, `user`, who gets full control.
std::string SharedFileSecurity(const std::string& user, bool byAdministrators, bool protect);

// Whether a group of an access token, with these attributes, lets the
// token make Administrators the owner of what it creates: the group is
// enabled, may own, and is not for denying only (an administrator not
// elevated under UAC).
bool MayOwnAsAdministrators(const std::string& groupSid, uint32_t attributes);

}  // namespace kavrin
