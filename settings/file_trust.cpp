#include "settings/file_trust.h"

#include "files/little_endian.h"

namespace kavrin {
namespace {

// Self-relative security descriptor: revision, padding, control, then the
// offsets of owner, group, SACL and DACL.
constexpr size_t kDescriptorHeader = 20;
constexpr uint16_t kDaclPresent = 0x0004;
constexpr uint16_t kSaclPresent = 0x0010;
constexpr uint16_t kDaclProtected = 0x1000;
constexpr uint16_t kSelfRelative = 0x8000;
// ACL: revision, padding, size, entry count, padding.
constexpr size_t kAclHeader = 8;
constexpr uint8_t kAclRevision = 2;
// Entry: type, flags, size, then for these types the mask and the SID.
constexpr size_t kEntryHeader = 4;
constexpr uint32_t kFullControl = 0x001F01FF;    // FILE_ALL_ACCESS
constexpr uint32_t kReadAndExecute = 0x001200A9;  // FILE_GENERIC_READ | FILE_GENERIC_EXECUTE
constexpr uint32_t kEnabledGroup = 0x4;
constexpr uint32_t kOwnerGroup = 0x8;
constexpr uint32_t kDenyOnlyGroup = 0x10;

void PutLittle(std::string& bytes, uint32_t value, size_t width) {
  for (size_t i = 0; i < width; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The SID that starts at `at` and ends by `end`; nullopt when it does not fit.
std::optional<std::string> ReadSid(const std::string& bytes, size_t at, size_t end) {
  if (at + 8 > end || end > bytes.size() || bytes[at] != 1) return std::nullopt;
  const size_t size = 8 + 4 * static_cast<unsigned char>(bytes[at + 1]);
  if (at + size > end) return std::nullopt;
  return bytes.substr(at, size);
}

bool HasEntryMask(uint8_t type) {
  return type == kAccessAllowedEntry || type == kAccessDeniedEntry || type == kMandatoryLabelEntry;
}

std::optional<std::vector<AccessEntry>> ReadAcl(const std::string& bytes, size_t at) {
  if (at + kAclHeader > bytes.size()) return std::nullopt;
  const size_t end = at + LittleEndian(bytes, at + 2, 2);
  if (end > bytes.size() || end < at + kAclHeader) return std::nullopt;
  std::vector<AccessEntry> entries;
  size_t next = at + kAclHeader;
  for (uint32_t count = LittleEndian(bytes, at + 4, 2); count > 0; --count) {
    if (next + kEntryHeader > end) return std::nullopt;
    const size_t entryEnd = next + LittleEndian(bytes, next + 2, 2);
    if (entryEnd > end || entryEnd < next + kEntryHeader) return std::nullopt;
    AccessEntry entry;
    entry.type = static_cast<uint8_t>(bytes[next]);
    entry.flags = static_cast<uint8_t>(bytes[next + 1]);
    if (HasEntryMask(entry.type)) {
      if (next + kEntryHeader + 4 > entryEnd) return std::nullopt;
      entry.mask = LittleEndian(bytes, next + kEntryHeader);
      const std::optional<std::string> sid = ReadSid(bytes, next + kEntryHeader + 4, entryEnd);
      if (!sid) return std::nullopt;
      entry.sid = *sid;
    }
    entries.push_back(entry);
    next = entryEnd;
  }
  return entries;
}

bool IsTrustedSid(const std::string& sid, const std::string& user) {
  return sid == user || sid == kAdministratorsSid || sid == kSystemSid;
}

// A High or System label that keeps lower levels from writing: standard
// users run at Medium.
bool KeepsStandardUsersOut(const std::vector<AccessEntry>& sacl) {
  for (const AccessEntry& entry : sacl) {
    const bool effective = entry.type == kMandatoryLabelEntry && (entry.flags & kInheritOnlyFlag) == 0;
    const bool labelSid = entry.sid.size() == 12 && entry.sid.compare(0, 8, kLabelAuthority) == 0;
    if (effective && labelSid && (entry.mask & kNoWriteUp) != 0 && LittleEndian(entry.sid, 8) >= kHighLabelLevel) {
      return true;
    }
  }
  return false;
}

bool OthersMayChange(const std::vector<AccessEntry>& dacl, const std::string& user) {
  for (const AccessEntry& entry : dacl) {
    // Inherit-only entries apply to children; deny entries only take away.
    if ((entry.flags & kInheritOnlyFlag) != 0 || entry.type == kAccessDeniedEntry) continue;
    // Object and callback entries grant by rules not judged here.
    if (entry.type != kAccessAllowedEntry) return true;
    if (!IsTrustedSid(entry.sid, user) && (entry.mask & kChangeRights) != 0) return true;
  }
  return false;
}

void PutEntry(std::string& acl, uint32_t mask, std::string_view sid) {
  acl += static_cast<char>(kAccessAllowedEntry);
  acl += '\0';
  PutLittle(acl, static_cast<uint32_t>(kEntryHeader + 4 + sid.size()), 2);
  PutLittle(acl, mask, 4);
  acl.append(sid);
}

}  // namespace

std::optional<FileSecurity> ReadSecurityDescriptor(const std::string& bytes) {
  if (bytes.size() < kDescriptorHeader || bytes[0] != 1) return std::nullopt;
  const uint32_t control = LittleEndian(bytes, 2, 2);
  if ((control & kSelfRelative) == 0) return std::nullopt;
  FileSecurity security;
  if (const uint32_t owner = LittleEndian(bytes, 4); owner != 0) {
    const std::optional<std::string> sid = ReadSid(bytes, owner, bytes.size());
    if (!sid) return std::nullopt;
    security.owner = *sid;
  }
  if (const uint32_t sacl = LittleEndian(bytes, 12); (control & kSaclPresent) != 0 && sacl != 0) {
    std::optional<std::vector<AccessEntry>> entries = ReadAcl(bytes, sacl);
    if (!entries) return std::nullopt;
    security.sacl = std::move(*entries);
  }
  if (const uint32_t dacl = LittleEndian(bytes, 16); (control & kDaclPresent) != 0 && dacl != 0) {
    security.dacl = ReadAcl(bytes, dacl);
    if (!security.dacl) return std::nullopt;
  }
  return security;
}

bool TrustsSharedFile(bool volumeKeepsAcls, const std::optional<FileSecurity>& security, const std::string& user) {
  if (!volumeKeepsAcls) return true;
  if (!security || !IsTrustedSid(security->owner, user)) return false;
  if (KeepsStandardUsersOut(security->sacl)) return true;
  return security->dacl && !OthersMayChange(*security->dacl, user);
}

std::string SharedFileSecurity(const std::string& user, bool byAdministrators, bool protect) {
  std::string entries;
  PutEntry(entries, kFullControl, kSystemSid);
  PutEntry(entries, kFullControl, kAdministratorsSid);
  if (!byAdministrators) PutEntry(entries, kFullControl, user);
  PutEntry(entries, kReadAndExecute, kUsersSid);
  std::string acl;
  acl += static_cast<char>(kAclRevision);
  acl += '\0';
  PutLittle(acl, static_cast<uint32_t>(kAclHeader + entries.size()), 2);
  PutLittle(acl, byAdministrators ? 3 : 4, 2);
  PutLittle(acl, 0, 2);
  const std::string_view owner = byAdministrators ? kAdministratorsSid : std::string_view();
  const uint32_t control = kSelfRelative | kDaclPresent | (protect ? kDaclProtected : 0);
  std::string descriptor("\x01", 2);
  PutLittle(descriptor, control, 2);
  PutLittle(descriptor, static_cast<uint32_t>(owner.empty() ? 0 : kDescriptorHeader), 4);
  PutLittle(descriptor, 0, 4);  // no group
  PutLittle(descriptor, 0, 4);  // no SACL
  PutLittle(descriptor, static_cast<uint32_t>(kDescriptorHeader + owner.size()), 4);
  return descriptor.append(owner) + acl + entries;
}

bool MayOwnAsAdministrators(const std::string& groupSid, uint32_t attributes) {
  const uint32_t wanted = kEnabledGroup | kOwnerGroup;
  return groupSid == kAdministratorsSid && (attributes & (wanted | kDenyOnlyGroup)) == wanted;
}

}  // namespace kavrin
