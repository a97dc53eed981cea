// Files written together: all staged first, then put in place one by one.
#pragma once

#include <string>
#include <vector>

#include "settings/file_system.h"

namespace kavrin {

// Staging writes each new content beside its file; nothing visible changes
// until Commit. Whatever is still staged when the object goes is removed.
class StagedFiles {
 public:
  StagedFiles() = default;
  ~StagedFiles();
  StagedFiles(const StagedFiles&) = delete;
  StagedFiles& operator=(const StagedFiles&) = delete;

  // Writes `text` (in-memory line ends) as the next content of `path`.
  // Says why when it cannot be written or `path` cannot be replaced.
  WriteFault Stage(const std::string& path, const std::string& text);

  // Removes everything staged so far; nothing visible changes.
  void Discard();

  // What Commit did with each staged file, in staging order.
  struct Outcome {
    std::vector<std::string> replaced;  // now holding their new content
    std::vector<std::string> kept;      // the first that could not be replaced, then those after it
  };
  // Puts the staged files in place, in staging order, up to the first that
  // cannot be; that one and the files after it keep their earlier content.
  Outcome Commit();

 private:
  std::vector<std::string> staged_;
};

}  // namespace kavrin
