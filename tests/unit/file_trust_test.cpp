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
      {"owned by SYSTEM", true, FileSecurity{kSystem, kOwnDacl, {}}, true},
      {"owned by another user", true, FileSecurity{kOtherUser, kOwnDacl, {}}, false},
      {"no owner", true, FileSecurity{"", kOwnDacl, {}}, false},
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
      {"a System label does too", true, FileSecurity{kUser, kRootDacl, {Label(0x4000, kNoWriteUp)}}, true},
      {"the label even with a NULL DACL", true, FileSecurity{kUser, std::nullopt, {kHighNoWriteUp}}, true},
      {"the label but another owner", true, FileSecurity{kOtherUser, kRootDacl, {kHighNoWriteUp}}, false},
      {"a Medium label: users write at Medium", true, FileSecurity{kUser, kRootDacl, {Label(0x2000, kNoWriteUp)}},
       false},
      {"High without no-write-up", true, FileSecurity{kUser, kRootDacl, {Label(0x3000, 0)}}, false},
      {"the root's own label, inherit-only", true,
       FileSecurity{kUser, kRootDacl, {Label(0x3000, kNoWriteUp, kInheritOnlyFlag)}}, false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(TrustsSharedFile(row.keepsAcls, row.security, kUser), row.trusted) << row.what;
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

std::string Entry(uint8_t type, uint8_t flags, uint32_t mask, const std::string& sid) {
  return std::string{static_cast<char>(type), static_cast<char>(flags)} + Little(8 + sid.size(), 2) +
         Little(mask, 4) + sid;
}

std::string Acl(const std::string& entries, size_t count) {
  return std::string{'\x02', 0} + Little(8 + entries.size(), 2) + Little(count, 2) + Little(0, 2) + entries;
}

// Self-relative, owner first, then the SACL and the DACL.
std::string Descriptor(const std::string& owner, const std::string& sacl, const std::string& dacl) {
  const uint32_t control = 0x8000 | 0x0004 | (sacl.empty() ? 0 : 0x0010);
  const size_t saclAt = 20 + owner.size();
  return std::string{'\x01', 0} + Little(control, 2) + Little(20, 4) + Little(0, 4) +
         Little(sacl.empty() ? 0 : saclAt, 4) + Little(saclAt + sacl.size(), 4) + owner + sacl + dacl;
}

TEST(FileTrust, ReadsSecurityDescriptorsAsWindowsGivesThem) {
  const std::string rootDacl = Acl(Entry(0, kInherited, kFull, kAdministrators) + Entry(0, kInherited, kFull, kSystem) +
                                       Entry(0, kInherited, kRead, kUsers) +
                                       Entry(0, kInherited, kModify, kAuthenticatedUsers),
                                   4);
  const std::string label = Acl(Entry(kMandatoryLabelEntry, kInherited, kNoWriteUp, Sid(16, {0x3000})), 1);

  const std::optional<FileSecurity> vista = ReadSecurityDescriptor(Descriptor(kAdministrators, label, rootDacl));
  ASSERT_TRUE(vista);
  EXPECT_EQ(vista->owner, kAdministrators);
  ASSERT_TRUE(vista->dacl);
  ASSERT_EQ(vista->dacl->size(), 4u);
  EXPECT_EQ(vista->dacl->back().sid, kAuthenticatedUsers);
  EXPECT_EQ(vista->dacl->back().mask, kModify);
  EXPECT_EQ(vista->dacl->back().flags, kInherited);
  EXPECT_TRUE(TrustsSharedFile(true, vista, kUser));
  // XP gives no label: Authenticated Users may change it.
  EXPECT_FALSE(TrustsSharedFile(true, ReadSecurityDescriptor(Descriptor(kAdministrators, "", rootDacl)), kUser));

  // Cut short anywhere, or an entry running past its list: not read.
  const std::string whole = Descriptor(kAdministrators, label, rootDacl);
  for (const size_t length : {size_t{0}, size_t{19}, size_t{30}, whole.size() - 1}) {
    EXPECT_FALSE(ReadSecurityDescriptor(whole.substr(0, length))) << length;
  }
  std::string overrun = whole;
  overrun[20 + kAdministrators.size() + label.size() + 8 + 2] = '\x7F';
  EXPECT_FALSE(ReadSecurityDescriptor(overrun));
}

TEST(FileTrust, KavrinsOwnSecurityIsTrustedForTheUserAndAsAdministrators) {
  for (const bool byAdministrators : {false, true}) {
    for (const bool protect : {false, true}) {
      const std::string bytes = SharedFileSecurity(kUser, byAdministrators, protect);
      EXPECT_EQ((static_cast<unsigned char>(bytes[3]) & 0x10) != 0, protect) << "protected DACL";
      std::optional<FileSecurity> read = ReadSecurityDescriptor(bytes);
      ASSERT_TRUE(read);
      ASSERT_TRUE(read->dacl);
      EXPECT_EQ(read->dacl->size(), byAdministrators ? 3u : 4u);
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
