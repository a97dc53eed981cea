// What the play check and the mends ask of the disk: the dialog's own
// questions of the file system (ui/dialog_disk.h), or a test's fake.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kavrin {

class PathQuestions {
 public:
  virtual ~PathQuestions() = default;
  // Whether a file or folder exists.
  virtual bool Exists(const std::string& path) const = 0;
  // Whether the save could enter the folder.
  virtual bool CanEnter(const std::string& path) const = 0;
  // Whether the folder holds a file matching `pattern` ("*.dm2"), in any case.
  virtual bool HoldsMatch(const std::string& folder, const std::string& pattern) const = 0;
  // At most `length` bytes of a file from `offset`, fewer at its end;
  // nullopt when it cannot be read.
  virtual std::optional<std::string> ReadPart(const std::string& path, uint32_t offset, uint32_t length) const = 0;
  // The size in bytes of a file; nullopt for a folder or when it cannot be asked.
  virtual std::optional<uint64_t> FileSize(const std::string& path) const = 0;
  // Whether two files can be read and hold the same bytes.
  virtual bool SameBytes(const std::string& a, const std::string& b) const = 0;
};

}  // namespace kavrin
