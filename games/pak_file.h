// Quake's pak files: a header, the files' bytes, and a directory of names.
// Only the header and the directory are read to find a file inside.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "games/path_questions.h"

namespace kavrin {

// Where a part of a pak lies.
struct PakPlace {
  uint32_t offset;
  uint32_t length;
};

// Where the directory lies, from a pak's first 12 bytes: "PACK", then the
// directory's offset and length, little-endian. nullopt for bytes that are
// no pak header, or a directory the engine would refuse (over 2048 files).
std::optional<PakPlace> ReadPakHeader(const std::string& header);

// Where the file `name` lies, from a pak's directory: 64-byte entries of a
// 56-byte name, NUL-padded, then the file's offset and length. The name is
// compared as the engine compares it, exactly. nullopt when it is absent.
std::optional<PakPlace> FindInPakDirectory(const std::string& directory, const std::string& name);

// The bytes of `name` inside the pak file `path`, at most `longest` of
// them; nullopt when the pak is damaged or does not hold it.
std::optional<std::string> ReadFromPak(const PathQuestions& disk, const std::string& path, const std::string& name,
                                       uint32_t longest);

}  // namespace kavrin
