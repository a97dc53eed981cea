// Quake's pak files: a header, the files' bytes, and a directory of names.
// Only the header and the directory are read to find a file inside.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kavrin {

// Where the directory of a pak lies, from its first 12 bytes: "PACK",
// then the directory's offset and length, little-endian. nullopt for
// bytes that are no pak header, or a directory the engine would refuse
// (more than 2048 files).
struct PakPlace {
  uint32_t offset;
  uint32_t length;
};
constexpr uint32_t kPakHeaderLength = 12;
std::optional<PakPlace> ReadPakHeader(const std::string& header);

// The place of the file `name` in a pak's directory: 64-byte entries of a
// 56-byte name, NUL-padded, then the file's offset and length. The name
// is compared as the engine compares it, exactly. nullopt when it is not
// there.
std::optional<PakPlace> FindInPakDirectory(const std::string& directory, const std::string& name);

// Reads parts of one file: at most `length` bytes from `offset`, fewer at
// its end; nullopt when it cannot be read.
class FileParts {
 public:
  virtual ~FileParts() = default;
  virtual std::optional<std::string> Read(uint32_t offset, uint32_t length) const = 0;
};

// The bytes of `name` inside the pak, at most `longest` of them; nullopt
// when the pak is damaged or does not hold it.
std::optional<std::string> ReadFromPak(const FileParts& pak, const std::string& name, uint32_t longest);

}  // namespace kavrin
