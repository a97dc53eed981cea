#include "files/staged_files.h"

#include "files/file_system.h"
#include "files/text_mode.h"

namespace kavrin {

StagedFiles::~StagedFiles() { Discard(); }

WriteFault StagedFiles::Stage(const std::string& path, const std::string& text, FileWriter write) {
  return Keep(path, StageFileContent(path, ToDiskText(text), write));
}

WriteFault StagedFiles::Keep(const std::string& path, WriteFault fault) {
  if (fault == WriteFault::None) paths_.push_back(path);
  return fault;
}

void StagedFiles::Discard() {
  for (size_t i = committed_; i < paths_.size(); ++i) DiscardStagedFile(paths_[i]);
  paths_.erase(paths_.begin() + committed_, paths_.end());
}

size_t StagedFiles::Commit() {
  while (committed_ < paths_.size() && CommitStagedFile(paths_[committed_])) ++committed_;
  return committed_;
}

}  // namespace kavrin
