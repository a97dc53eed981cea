#include "settings/staged_files.h"

#include "settings/file_system.h"
#include "settings/text_mode.h"

namespace kavrin {

StagedFiles::~StagedFiles() { Discard(); }

WriteFault StagedFiles::Stage(const std::string& path, const std::string& text) {
  const WriteFault fault = StageFileContent(path, ToDiskText(text));
  if (fault == WriteFault::None) staged_.push_back(path);
  return fault;
}

void StagedFiles::Discard() {
  for (const std::string& path : staged_) DiscardStagedFile(path);
  staged_.clear();
}

StagedFiles::Outcome StagedFiles::Commit() {
  Outcome outcome;
  // What failed and what comes after it stay staged, for the destructor.
  while (!staged_.empty() && CommitStagedFile(staged_.front())) {
    outcome.replaced.push_back(staged_.front());
    staged_.erase(staged_.begin());
  }
  outcome.kept = staged_;
  return outcome;
}

}  // namespace kavrin
