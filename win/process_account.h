// Who this process runs as, from its access token. The 9x line keeps no
// accounts: its token functions are stubs that fail, and every answer
// here is then empty.
#pragma once

#include <cstdint>
#include <string>

namespace kavrin {

// The security identifier of this process's account, as its bytes; ""
// when Windows does not say.
std::string ProcessAccountSid();

// Whether `matches` holds for one of the token's groups, given the group's
// identifier (its bytes) and attributes (SE_GROUP_...). NT 4.0 gives the
// groups too, where it lacks CheckTokenMembership.
bool AnyProcessGroup(bool (*matches)(const std::string& sid, uint32_t attributes));

}  // namespace kavrin
