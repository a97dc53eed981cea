#include "settings/file_trust.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

std::string Little(uint32_t value, size_t width) {
  std::string bytes;
  for (size_t i = 0; i < width; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

std::string Sid(uint8_t authority, std::initializer_list<uint32_t> subAuthorities) {
  std::string sid{'\x01', static_cast<char>(subAuthorities.size()), 0, 0, 0, 0, 0, static_cast<char>(authority)};
  for (uint32_t sub : subAuthorities) sid += Little(sub, 4);
  return sid;
}

const std::string kUser = Sid(5, {21, 1, 2, 3, 1001});
const std::string kOtherUser = Sid(5, {21, 1, 2, 3, 1002});
const std::string kEveryone = Sid(1, {0});
const std::string kAuthenticatedUsers = Sid(5, {11});
const std::string kSystem(kSystemSid);
const std::string kAdministrators(kAdministratorsSid);
const std::string kUsers(kUsersSid);
constexpr uint32_t kFull = 0x001F01FF;
constexpr uint32_t kRead = 0x001200A9;
constexpr uint32_t kModify = 0x001301BF;
constexpr uint8_t kObjectAllowedEntry = 0x05;
constexpr uint8_t kInherited = 0x10;

AccessEntry Allow(const std::string& sid, uint32_t mask, uint8_t flags = 0) {
  return {kAccessAllowedEntry, flags, mask, sid};
}

AccessEntry Label(uint32_t level, uint32_t policy, uint8_t flags = 0) {
  return {kMandatoryLabelEntry, flags, policy, Sid(16, {level})};
}

// What Windows gives a file saved with Kavrin's security.
const std::vector<AccessEntry> kOwnDacl = {Allow(kSystem, kFull), Allow(kAdministrators, kFull), Allow(kUser, kFull),
                                           Allow(kUsers, kRead)};

std::vector<AccessEntry> OwnDaclAnd(AccessEntry extra) {
  std::vector<AccessEntry> dacl = kOwnDacl;
  dacl.push_back(extra);
  return dacl;
}

// A file created in C:\ of Vista and later: the root's inherited entries,
// Authenticated Users among them, and its High no-write-up label.
const std::vector<AccessEntry> kRootDacl = {
    Allow(kAdministrators, kFull, kInherited), Allow(kSystem, kFull, kInherited), Allow(kUsers, kRead, kInherited),
    Allow(kAuthenticatedUsers, kModify, kInherited)};
const AccessEntry kHighNoWriteUp = Label(0x3000, kNoWriteUp, kInherited);

std::string Acl(const std::vector<AccessEntry>& entries) {
  std::string body;
  for (const AccessEntry& entry : entries) {
    body += std::string{static_cast<char>(entry.type), static_cast<char>(entry.flags)} +
            Little(8 + entry.sid.size(), 2) + Little(entry.mask, 4) + entry.sid;
  }
  return std::string{'\x02', 0} + Little(8 + body.size(), 2) + Little(entries.size(), 2) + Little(0, 2) + body;
}

// The self-relative security descriptor Windows would give: owner, SACL,
// then the DACL.
std::string Descriptor(const FileSecurity& security) {
  const std::string sacl = security.sacl.empty() ? "" : Acl(security.sacl);
  const std::string dacl = security.dacl ? Acl(*security.dacl) : "";
  const size_t saclAt = 20 + security.owner.size();
  const uint32_t control = 0x8000 | (dacl.empty() ? 0 : 0x0004) | (sacl.empty() ? 0 : 0x0010);
  return std::string{'\x01', 0} + Little(control, 2) + Little(security.owner.empty() ? 0 : 20, 4) + Little(0, 4) +
         Little(sacl.empty() ? 0 : saclAt, 4) + Little(dacl.empty() ? 0 : saclAt + sacl.size(), 4) +
         security.owner + sacl + dacl;
}

TEST(FileTrust, TrustsOnlyWhatNoOtherAccountCanChange) {
  const struct {
    const char* what;
    bool keepsAcls;
    std::optional<FileSecurity> security;
    bool trusted;
  } rows[] = {
      {"9x or FAT: nothing to judge", false, std::nullopt, true},
      {"security unreadable", true, std::nullopt, false},
      {"Kavrin's own save, owned by the user", true, FileSecurity{kUser, kOwnDacl, {}}, true},
      {"owned by Administrators", true, FileSecurity{kAdministrators, kOwnDacl, {}}, true},
      {"owned by another user", true, FileSecurity{kOtherUser, kOwnDacl, {}}, false},
      {"NULL DACL: everyone may do anything", true, FileSecurity{kUser, std::nullopt, {}}, false},
      {"others may read", true, FileSecurity{kUser, OwnDaclAnd(Allow(kEveryone, kRead)), {}}, true},
      {"inherit-only entries apply to children", true,
       FileSecurity{kUser, OwnDaclAnd(Allow(kEveryone, kFull, kInheritOnlyFlag)), {}}, true},
      {"a deny entry only takes away", true,
       FileSecurity{kUser, OwnDaclAnd({kAccessDeniedEntry, 0, kFull, kEveryone}), {}}, true},
      {"an object entry is not judged", true,
       FileSecurity{kUser, OwnDaclAnd({kObjectAllowedEntry, 0, kRead, ""}), {}}, false},
      {"a file moved into C:\\, kept its old entries", true, FileSecurity{kAdministrators, kRootDacl, {}}, false},
      {"Vista's root: High no-write-up keeps standard users out", true,
       FileSecurity{kAdministrators, kRootDacl, {kHighNoWriteUp}}, true},
      {"the label but another owner", true, FileSecurity{kOtherUser, kRootDacl, {kHighNoWriteUp}}, false},
      {"a Medium label: users write at Medium", true, FileSecurity{kUser, kRootDacl, {Label(0x2000, kNoWriteUp)}},
       false},
      {"High without no-write-up", true, FileSecurity{kUser, kRootDacl, {Label(0x3000, 0)}}, false},
      {"the root's own label, inherit-only", true,
       FileSecurity{kUser, kRootDacl, {Label(0x3000, kNoWriteUp, kInheritOnlyFlag)}}, false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(TrustsSharedFile(row.keepsAcls, row.security, kUser), row.trusted) << row.what;
    if (!row.security) continue;
    const std::optional<FileSecurity> read = ReadSecurityDescriptor(Descriptor(*row.security));
    EXPECT_EQ(TrustsSharedFile(row.keepsAcls, read, kUser), row.trusted) << row.what << ", read as Windows gives it";
  }
}

TEST(FileTrust, EachRightThatChangesTheFileRefusesItForAnyOtherAccount) {
  const uint32_t rights[] = {0x2, 0x4, 0x10, 0x100, 0x10000, 0x40000, 0x80000, 0x40000000, 0x10000000};
  for (const uint32_t right : rights) {
    const FileSecurity others{kUser, OwnDaclAnd(Allow(kEveryone, kRead | right)), {}};
    EXPECT_FALSE(TrustsSharedFile(true, others, kUser)) << std::hex << right;
    // The user's own entry may hold it.
    const FileSecurity own{kUser, std::vector<AccessEntry>{Allow(kUser, right)}, {}};
    EXPECT_TRUE(TrustsSharedFile(true, own, kUser)) << std::hex << right;
  }
}

TEST(FileTrust, ReadsNoSecurityDescriptorCutShortOrOverrunning) {
  const std::string whole = Descriptor(FileSecurity{kAdministrators, kRootDacl, {kHighNoWriteUp}});
  ASSERT_TRUE(ReadSecurityDescriptor(whole));
  for (const size_t length : {size_t{0}, size_t{19}, size_t{30}, whole.size() - 1}) {
    EXPECT_FALSE(ReadSecurityDescriptor(whole.substr(0, length))) << length;
  }
  // The first DACL entry's size, past its list.
  std::string overrun = whole;
  overrun[whole.size() - Acl(kRootDacl).size() + 8 + 2] = '\x7F';
  EXPECT_FALSE(ReadSecurityDescriptor(overrun));
}

TEST(FileTrust, KavrinsOwnSecurityIsTrustedForTheUserAndAsAdministrators) {
  for (const bool byAdministrators : {false, true}) {
    for (const bool protect : {false, true}) {
      const std::string bytes = SharedFileSecurity(kUser, byAdministrators, protect);
      EXPECT_EQ((static_cast<unsigned char>(bytes[3]) & 0x10) != 0, protect) << "protected DACL";
      std::optional<FileSecurity> read = ReadSecurityDescriptor(bytes);
      ASSERT_TRUE(read);
      // Without an owner of its own, the file is its creator's.
      EXPECT_EQ(read->owner, byAdministrators ? kAdministrators : "");
      if (!byAdministrators) read->owner = kUser;
      EXPECT_TRUE(TrustsSharedFile(true, read, kUser));
      // Another user may read and run an administrator's file, and would
      // distrust a standard user's.
      EXPECT_EQ(TrustsSharedFile(true, read, kOtherUser), byAdministrators);
    }
  }
}

TEST(FileTrust, OnlyAnEnabledOwnerGroupOfAdministratorsMayOwn) {
  constexpr uint32_t kEnabled = 0x4, kOwner = 0x8, kDenyOnly = 0x10;
  EXPECT_TRUE(MayOwnAsAdministrators(kAdministrators, 0x7 | kOwner));
  EXPECT_FALSE(MayOwnAsAdministrators(kAdministrators, kOwner | kDenyOnly)) << "not elevated under UAC";
  EXPECT_FALSE(MayOwnAsAdministrators(kAdministrators, kEnabled)) << "may not own";
  EXPECT_FALSE(MayOwnAsAdministrators(kUsers, kEnabled | kOwner));
}

}  // namespace
}  // namespace kavrin
