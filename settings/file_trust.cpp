#include "settings/file_trust.h"

namespace kavrin {
namespace {

constexpr uint32_t kEnabledGroup = 0x4;
constexpr uint32_t kOwnerGroup = 0x8;
constexpr uint32_t kDenyOnlyGroup = 0x10;

bool IsTrusted(SidKind sid) { return sid != SidKind::Other; }

bool OthersMayChange(const std::vector<AccessEntry>& dacl) {
  for (const AccessEntry& entry : dacl) {
    // Inherit-only entries apply to children; deny entries only take away.
    if ((entry.flags & kInheritOnlyFlag) != 0 || entry.type == kAccessDeniedEntry) continue;
    // Object and callback entries grant by rules not judged here.
    if (entry.type != kAccessAllowedEntry) return true;
    if (!IsTrusted(entry.sid) && (entry.mask & kChangeRights) != 0) return true;
  }
  return false;
}

}  // namespace

bool TrustsSharedFile(bool volumeKeepsAcls, const std::optional<FileSecurity>& security) {
  if (!volumeKeepsAcls) return true;
  if (!security || !IsTrusted(security->owner)) return false;
  return security->dacl && !OthersMayChange(*security->dacl);
}

bool MayOwnAsAdministrators(const std::string& groupSid, uint32_t attributes) {
  const uint32_t wanted = kEnabledGroup | kOwnerGroup;
  return groupSid == kAdministratorsSid && (attributes & (wanted | kDenyOnlyGroup)) == wanted;
}

}  // namespace kavrin
