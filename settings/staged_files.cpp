#include "settings/staged_files.h"

#include "settings/file_system.h"
#include "settings/text_mode.h"

namespace kavrin {

StagedFiles::~StagedFiles() {
  for (const std::string& path : staged_) DiscardStagedFile(path);
}

bool StagedFiles::Stage(const std::string& path, const std::string& text) {
  if (!StageFileContent(path, ToDiskText(text))) return false;
  staged_.push_back(path);
  return true;
}

std::string StagedFiles::Commit() {
  std::string failed;
  for (const std::string& path : staged_) {
    if (failed.empty() && !CommitStagedFile(path)) failed = path;
  }
  if (failed.empty()) staged_.clear();
  return failed;
}

}  // namespace kavrin
