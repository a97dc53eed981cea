#include "settings/file_trust.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

constexpr SidKind kUser = SidKind::Account;
constexpr SidKind kSystem = SidKind::System;
constexpr SidKind kAdministrators = SidKind::Administrators;
// The rule trusts no group but Administrators: Users, Everyone,
// Authenticated Users and any other account are all Other.
constexpr SidKind kOther = SidKind::Other;
constexpr uint32_t kFull = 0x001F01FF;
constexpr uint32_t kRead = 0x001200A9;
constexpr uint32_t kModify = 0x001301BF;
constexpr uint8_t kObjectAllowedEntry = 0x05;
constexpr uint8_t kInherited = 0x10;

AccessEntry Allow(SidKind sid, uint32_t mask, uint8_t flags = 0) { return {kAccessAllowedEntry, flags, mask, sid}; }

// What Windows gives a file saved with Kavrin's security.
const std::vector<AccessEntry> kOwnDacl = {Allow(kSystem, kFull), Allow(kAdministrators, kFull), Allow(kUser, kFull),
                                           Allow(kOther, kRead)};

std::vector<AccessEntry> OwnDaclAnd(AccessEntry extra) {
  std::vector<AccessEntry> dacl = kOwnDacl;
  dacl.push_back(extra);
  return dacl;
}

// A file created in C:\ of Vista and later: the root's inherited entries,
// Authenticated Users among them.
const std::vector<AccessEntry> kRootDacl = {
    Allow(kAdministrators, kFull, kInherited), Allow(kSystem, kFull, kInherited), Allow(kOther, kRead, kInherited),
    Allow(kOther, kModify, kInherited)};

TEST(FileTrust, TrustsOnlyWhatNoOtherAccountCanChange) {
  const struct {
    const char* what;
    bool keepsAcls;
    std::optional<FileSecurity> security;
    bool trusted;
  } rows[] = {
      {"9x or FAT: nothing to judge", false, std::nullopt, true},
      {"security unreadable", true, std::nullopt, false},
      {"Kavrin's own save, owned by the user", true, FileSecurity{kUser, kOwnDacl}, true},
      {"owned by Administrators", true, FileSecurity{kAdministrators, kOwnDacl}, true},
      {"owned by SYSTEM", true, FileSecurity{kSystem, kOwnDacl}, true},
      {"owned by another account, or by none", true, FileSecurity{kOther, kOwnDacl}, false},
      {"NULL DACL: everyone may do anything", true, FileSecurity{kUser, std::nullopt}, false},
      {"an empty DACL: no one may", true, FileSecurity{kUser, std::vector<AccessEntry>{}}, true},
      {"others may read", true, FileSecurity{kUser, OwnDaclAnd(Allow(kOther, kRead))}, true},
      {"inherit-only entries apply to children", true,
       FileSecurity{kUser, OwnDaclAnd(Allow(kOther, kFull, kInheritOnlyFlag))}, true},
      {"a deny entry only takes away", true, FileSecurity{kUser, OwnDaclAnd({kAccessDeniedEntry, 0, kFull, kOther})},
       true},
      {"an object entry is not judged", true,
       FileSecurity{kUser, OwnDaclAnd({kObjectAllowedEntry, 0, kRead, kOther})}, false},
      // Its High label kept standard users out, not the service accounts
      // that run at System level and hold Authenticated Users.
      {"a file in C:\\ of Vista: Authenticated Users may modify", true, FileSecurity{kAdministrators, kRootDacl},
       false},
  };
  for (const auto& row : rows) EXPECT_EQ(TrustsSharedFile(row.keepsAcls, row.security), row.trusted) << row.what;
}

TEST(FileTrust, EachRightThatChangesTheFileRefusesItForAnyOtherAccount) {
  const uint32_t rights[] = {0x2, 0x4, 0x10, 0x100, 0x10000, 0x40000, 0x80000, 0x40000000, 0x10000000};
  for (const uint32_t right : rights) {
    const FileSecurity others{kUser, OwnDaclAnd(Allow(kOther, kRead | right))};
    EXPECT_FALSE(TrustsSharedFile(true, others)) << std::hex << right;
    // The user's own entry may hold it.
    const FileSecurity own{kUser, std::vector<AccessEntry>{Allow(kUser, right)}};
    EXPECT_TRUE(TrustsSharedFile(true, own)) << std::hex << right;
  }
}

TEST(FileTrust, OnlyAnEnabledOwnerGroupOfAdministratorsMayOwn) {
  constexpr uint32_t kEnabled = 0x4, kOwner = 0x8, kDenyOnly = 0x10;
  const std::string administrators(kAdministratorsSid);
  // S-1-5-32-545, one byte from Administrators.
  const std::string users = std::string(kAdministratorsSid.substr(0, 12)) + std::string("\x21\x02\0\0", 4);
  EXPECT_TRUE(MayOwnAsAdministrators(administrators, 0x7 | kOwner));
  EXPECT_FALSE(MayOwnAsAdministrators(administrators, kOwner | kDenyOnly)) << "not elevated under UAC";
  EXPECT_FALSE(MayOwnAsAdministrators(administrators, kEnabled)) << "may not own";
  EXPECT_FALSE(MayOwnAsAdministrators(users, kEnabled | kOwner));
}

}  // namespace
}  // namespace kavrin
