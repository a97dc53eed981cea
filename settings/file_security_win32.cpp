// The Windows body of settings/file_security.h. Every call is looked up at
// run time, as GetKernelObjectSecurity is: 9x exports them only as stubs
// that fail. All are there from NT 3.1 on but SetSecurityDescriptorControl,
// which came with 2000.
#include "settings/file_security.h"

#include <vector>

#include "win/system_function.h"

namespace kavrin {
namespace {

template <typename Function>
Function* Advapi32(const char* name) {
  return SystemFunction<Function>("advapi32.dll", name);
}

// A SID of the NT authority, S-1-5-a or S-1-5-a-b, laid out as winnt.h's
// SID with room for a second sub-authority.
struct NtSid {
  BYTE revision;
  BYTE subAuthorityCount;
  SID_IDENTIFIER_AUTHORITY authority;
  DWORD subAuthority[2];
};

constexpr NtSid kSystem = {SID_REVISION, 1, SECURITY_NT_AUTHORITY, {SECURITY_LOCAL_SYSTEM_RID}};
constexpr NtSid kAdministrators = {
    SID_REVISION, 2, SECURITY_NT_AUTHORITY, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS}};
constexpr NtSid kUsers = {SID_REVISION, 2, SECURITY_NT_AUTHORITY, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS}};

// Windows takes a SID through a pointer to non-const, and only reads these.
PSID Sid(const NtSid& sid) { return const_cast<NtSid*>(&sid); }

struct SidCalls {
  decltype(&IsValidSid) isValid = Advapi32<decltype(IsValidSid)>("IsValidSid");
  decltype(&GetLengthSid) length = Advapi32<decltype(GetLengthSid)>("GetLengthSid");
  decltype(&EqualSid) equal = Advapi32<decltype(EqualSid)>("EqualSid");

  bool Found() const { return isValid != nullptr && length != nullptr && equal != nullptr; }

  // `bytes` as a SID, if Windows finds them one of exactly their size;
  // else null. Found() first.
  PSID FromBytes(const std::string& bytes) const {
    PSID sid = const_cast<char*>(bytes.data());
    return !bytes.empty() && isValid(sid) && length(sid) == bytes.size() ? sid : nullptr;
  }
};

SidKind KindOf(const SidCalls& sids, PSID sid, PSID account) {
  if (sid == nullptr || !sids.isValid(sid)) return SidKind::Other;
  if (sids.equal(sid, Sid(kSystem))) return SidKind::System;
  if (sids.equal(sid, Sid(kAdministrators))) return SidKind::Administrators;
  if (account != nullptr && sids.equal(sid, account)) return SidKind::Account;
  return SidKind::Other;
}

AccessEntry ReadEntry(const SidCalls& sids, void* ace, PSID account) {
  const auto* header = static_cast<const ACE_HEADER*>(ace);
  AccessEntry entry;
  entry.type = header->AceType;
  entry.flags = header->AceFlags;
  // Allow and deny entries share this layout; the rule reads only the
  // type of the others, which keep their SID elsewhere.
  if (entry.type == ACCESS_ALLOWED_ACE_TYPE || entry.type == ACCESS_DENIED_ACE_TYPE) {
    auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
    entry.mask = allowed->Mask;
    entry.sid = KindOf(sids, &allowed->SidStart, account);
  }
  return entry;
}

std::optional<std::vector<AccessEntry>> ReadDacl(const SidCalls& sids, PACL dacl, PSID account) {
  auto* isValid = Advapi32<decltype(IsValidAcl)>("IsValidAcl");
  auto* getAce = Advapi32<decltype(GetAce)>("GetAce");
  if (isValid == nullptr || getAce == nullptr || !isValid(dacl)) return std::nullopt;
  std::vector<AccessEntry> entries;
  for (DWORD i = 0; i < dacl->AceCount; ++i) {
    void* ace = nullptr;
    if (!getAce(dacl, i, &ace)) return std::nullopt;
    entries.push_back(ReadEntry(sids, ace, account));
  }
  return entries;
}

// The descriptor's entries in the order of earlier versions' files.
struct Grant {
  PSID sid;
  DWORD rights;
};

std::vector<Grant> SharedFileGrants(PSID user) {
  const DWORD readAndExecute = FILE_GENERIC_READ | FILE_GENERIC_EXECUTE;
  std::vector<Grant> grants = {{Sid(kSystem), FILE_ALL_ACCESS}, {Sid(kAdministrators), FILE_ALL_ACCESS}};
  if (user != nullptr) grants.push_back({user, FILE_ALL_ACCESS});
  grants.push_back({Sid(kUsers), readAndExecute});
  return grants;
}

// An ACL of these entries, in DWORDs as an ACL must be aligned; empty when
// Windows cannot build it.
std::vector<DWORD> AclOf(const SidCalls& sids, const std::vector<Grant>& grants) {
  auto* initialize = Advapi32<decltype(InitializeAcl)>("InitializeAcl");
  auto* addAllowed = Advapi32<decltype(AddAccessAllowedAce)>("AddAccessAllowedAce");
  if (initialize == nullptr || addAllowed == nullptr) return {};
  // Each entry's size as winnt.h lays it out: the SID in place of SidStart.
  DWORD size = sizeof(ACL);
  for (const Grant& grant : grants) size += sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD) + sids.length(grant.sid);
  std::vector<DWORD> acl(size / sizeof(DWORD));
  if (!initialize(reinterpret_cast<PACL>(acl.data()), size, ACL_REVISION)) return {};
  for (const Grant& grant : grants) {
    if (!addAllowed(reinterpret_cast<PACL>(acl.data()), ACL_REVISION, grant.rights, grant.sid)) return {};
  }
  return acl;
}

// Keeps what the folder would pass on out of the file, where Windows has
// inheritance (2000 on); before that there is none to keep out.
bool ProtectFromInheritance(PSECURITY_DESCRIPTOR descriptor) {
  auto* setControl = Advapi32<decltype(SetSecurityDescriptorControl)>("SetSecurityDescriptorControl");
  return setControl == nullptr || setControl(descriptor, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
}

std::string SelfRelative(PSECURITY_DESCRIPTOR absolute) {
  auto* makeSelfRelative = Advapi32<decltype(MakeSelfRelativeSD)>("MakeSelfRelativeSD");
  if (makeSelfRelative == nullptr) return {};
  // Asked for its size first, then written into exactly that.
  DWORD size = 0;
  makeSelfRelative(absolute, nullptr, &size);
  std::string bytes(size, '\0');
  return size != 0 && makeSelfRelative(absolute, bytes.data(), &size) ? bytes : std::string();
}

}  // namespace

std::optional<FileSecurity> ReadFileSecurity(void* descriptor, const std::string& account) {
  const SidCalls sids;
  auto* getOwner = Advapi32<decltype(GetSecurityDescriptorOwner)>("GetSecurityDescriptorOwner");
  auto* getDacl = Advapi32<decltype(GetSecurityDescriptorDacl)>("GetSecurityDescriptorDacl");
  if (!sids.Found() || getOwner == nullptr || getDacl == nullptr) return std::nullopt;
  PSID owner = nullptr;
  PACL dacl = nullptr;
  BOOL present = FALSE;
  BOOL defaulted = FALSE;
  if (!getOwner(descriptor, &owner, &defaulted) || !getDacl(descriptor, &present, &dacl, &defaulted)) {
    return std::nullopt;
  }
  const PSID accountSid = sids.FromBytes(account);
  FileSecurity security;
  security.owner = KindOf(sids, owner, accountSid);
  // Without a DACL, or with a NULL one, everyone may do anything.
  if (!present || dacl == nullptr) return security;
  security.dacl = ReadDacl(sids, dacl, accountSid);
  if (!security.dacl) return std::nullopt;
  return security;
}

std::string SharedFileSecurity(const std::string& user, bool byAdministrators) {
  const SidCalls sids;
  auto* initialize = Advapi32<decltype(InitializeSecurityDescriptor)>("InitializeSecurityDescriptor");
  auto* setOwner = Advapi32<decltype(SetSecurityDescriptorOwner)>("SetSecurityDescriptorOwner");
  auto* setDacl = Advapi32<decltype(SetSecurityDescriptorDacl)>("SetSecurityDescriptorDacl");
  if (!sids.Found() || initialize == nullptr || setOwner == nullptr || setDacl == nullptr) return {};
  PSID userSid = nullptr;
  if (!byAdministrators) {
    userSid = sids.FromBytes(user);
    if (userSid == nullptr) return {};
  }
  std::vector<DWORD> acl = AclOf(sids, SharedFileGrants(userSid));
  SECURITY_DESCRIPTOR descriptor;
  // Without an owner of its own, the file is its creator's.
  const bool built = !acl.empty() && initialize(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
                     (!byAdministrators || setOwner(&descriptor, Sid(kAdministrators), FALSE)) &&
                     setDacl(&descriptor, TRUE, reinterpret_cast<PACL>(acl.data()), FALSE) &&
                     ProtectFromInheritance(&descriptor);
  return built ? SelfRelative(&descriptor) : std::string();
}

}  // namespace kavrin
