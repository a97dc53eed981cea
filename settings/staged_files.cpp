#include "settings/staged_files.h"

#include "settings/file_system.h"
#include "settings/text_mode.h"

namespace kavrin {

StagedFiles::~StagedFiles() { Discard(); }

WriteFault StagedFiles::Stage(const std::string& path, const std::string& text) {
  return Keep(path, StageFileContent(path, ToDiskText(text)));
}

WriteFault StagedFiles::StageShared(const std::string& path, const std::string& text) {
  return Keep(path, StageSharedFileContent(path, ToDiskText(text)));
}

WriteFault StagedFiles::Keep(const std::string& path, WriteFault fault) {
  if (fault == WriteFault::None) staged_.push_back(path);
  return fault;
}

void StagedFiles::Discard() {
  for (const std::string& path : staged_) DiscardStagedFile(path);
  staged_.clear();
}

std::string StagedFiles::Commit() {
  // What failed and what comes after it stay staged, for the destructor.
  while (!staged_.empty()) {
    if (!CommitStagedFile(staged_.front())) return staged_.front();
    staged_.erase(staged_.begin());
  }
  return std::string();
}

}  // namespace kavrin
