// Splitting a Windows path at its last backslash.
#pragma once

#include <string>

namespace kavrin {

// Longest file name we keep of a path; longer names are cut.
constexpr size_t kMaxFileNameLength = 100;

// The path up to and including its last backslash; "" without one.
std::string ExeDirectory(const std::string& path);

// The text after the last backslash (the whole path without one), cut to
// kMaxFileNameLength characters. Bytes are compared one by one, so a
// backslash byte inside a double-byte character counts as a backslash.
std::string ExeName(const std::string& path);

// ASCII-only lowercasing, so double-byte characters are left intact.
std::string LowerCase(std::string text);

}  // namespace kavrin
