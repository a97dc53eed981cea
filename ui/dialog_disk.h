// The disk as the configuration dialog asks it: where a network path
// (\\server\...) exists is asked once, for it may take seconds each time.
// Configuration mode runs with drive errors quieted (app/screen_saver_app.cpp).
#pragma once

#include <string>
#include <vector>

#include "games/path_questions.h"

namespace kavrin {

class DialogDisk : public PathQuestions {
 public:
  bool Exists(const std::string& path) const override;
  bool CanEnter(const std::string& path) const override;
  bool HoldsMatch(const std::string& folder, const std::string& pattern) const override;
  std::optional<std::string> ReadPart(const std::string& path, uint32_t offset, uint32_t length) const override;
  bool SameBytes(const std::string& a, const std::string& b) const override;
  std::optional<uint64_t> FileSize(const std::string& path) const override;

  // After the dialog wrote to the disk the answers kept may be stale.
  void Forget() { answers_.clear(); }

 private:
  // The answer `ask` gives about `path`, kept for a network path.
  bool Remembered(char question, const std::string& path, bool (*ask)(const std::string&)) const;

  struct Answer {
    char question;  // 'e' Exists, 'c' CanEnter
    std::string path;
    bool yes;
  };
  mutable std::vector<Answer> answers_;
};

}  // namespace kavrin
