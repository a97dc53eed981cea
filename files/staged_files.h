// Files written together: all staged first, then put in place one by one.
#pragma once

#include <string>
#include <vector>

#include "files/file_system.h"

namespace kavrin {

// Staging writes each new content beside its file; nothing visible changes
// until Commit. Whatever is still staged when the object goes is removed.
class StagedFiles {
 public:
  StagedFiles() = default;
  ~StagedFiles();
  StagedFiles(const StagedFiles&) = delete;
  StagedFiles& operator=(const StagedFiles&) = delete;

  // Writes `text` (in-memory line ends) with `write` as the next content
  // of `path`. Says why when it cannot be written or `path` cannot be
  // replaced.
  WriteFault Stage(const std::string& path, const std::string& text, FileWriter write = WriteNewFile);

  // Removes everything staged and not yet put in place.
  void Discard();

  // Puts the staged files in place, in staging order, up to the first that
  // cannot be, which keeps its earlier content as the files after it do.
  // Returns how many were put in place.
  size_t Commit();

  // Every file staged, in staging order.
  const std::vector<std::string>& Paths() const { return paths_; }

 private:
  // Keeps `path` for Commit when it was staged.
  WriteFault Keep(const std::string& path, WriteFault fault);

  std::vector<std::string> paths_;
  size_t committed_ = 0;  // the first of paths_ are in place
};

}  // namespace kavrin
