// Numbers stored least significant byte first, as in pak files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kavrin {

// The `width`-byte number at `at`; the caller has checked that it fits.
inline uint32_t LittleEndian(const std::string& bytes, size_t at, size_t width = 4) {
  uint32_t value = 0;
  for (size_t i = width; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace kavrin
