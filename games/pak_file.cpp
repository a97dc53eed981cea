#include "games/pak_file.h"

#include <algorithm>

#include "files/little_endian.h"

namespace kavrin {
namespace {

constexpr uint32_t kHeaderLength = 12;
constexpr uint32_t kEntryLength = 64;
constexpr uint32_t kNameLength = 56;
// The engines stop with an error on a pak of more files.
constexpr uint32_t kMostFiles = 2048;

}  // namespace

std::optional<PakPlace> ReadPakHeader(const std::string& header) {
  if (header.size() < kHeaderLength || header.compare(0, 4, "PACK") != 0) return std::nullopt;
  const PakPlace place{LittleEndian(header, 4), LittleEndian(header, 8)};
  if (place.length > kMostFiles * kEntryLength) return std::nullopt;
  return place;
}

std::optional<PakPlace> FindInPakDirectory(const std::string& directory, const std::string& name) {
  if (name.size() >= kNameLength) return std::nullopt;
  for (size_t entry = 0; entry + kEntryLength <= directory.size(); entry += kEntryLength) {
    const std::string stored = directory.substr(entry, kNameLength);
    if (stored.compare(0, name.size(), name) == 0 && stored[name.size()] == '\0') {
      return PakPlace{LittleEndian(directory, entry + kNameLength), LittleEndian(directory, entry + kNameLength + 4)};
    }
  }
  return std::nullopt;
}

std::optional<std::string> ReadFromPak(const PathQuestions& disk, const std::string& path, const std::string& name,
                                       uint32_t longest) {
  const std::optional<std::string> header = disk.ReadPart(path, 0, kHeaderLength);
  const std::optional<PakPlace> directory = header ? ReadPakHeader(*header) : std::nullopt;
  if (!directory) return std::nullopt;
  const std::optional<std::string> entries = disk.ReadPart(path, directory->offset, directory->length);
  // A directory cut short by the file's end is damage, not fewer files.
  if (!entries || entries->size() != directory->length) return std::nullopt;
  const std::optional<PakPlace> file = FindInPakDirectory(*entries, name);
  if (!file) return std::nullopt;
  return disk.ReadPart(path, file->offset, std::min(file->length, longest));
}

}  // namespace kavrin
