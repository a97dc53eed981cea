// A disk of a few paths held in memory, asked as the play check and the
// mends ask the real one. Paths compare without regard to case, as
// Windows compares them.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "files/exe_path.h"
#include "games/path_questions.h"

namespace kavrin::testing {

class FakeDisk : public PathQuestions {
 public:
  // Each path and every folder above it. A last part with a dot names a
  // file that holds its own path, any other a folder.
  explicit FakeDisk(const std::vector<std::string>& paths = {}) {
    for (const std::string& path : paths) {
      const size_t slash = path.rfind('\\');
      const bool file = path.find('.', slash == std::string::npos ? 0 : slash) != std::string::npos;
      if (file) {
        File(path, path);
      } else {
        Folder(path);
      }
    }
  }
  FakeDisk& File(const std::string& path, const std::string& bytes) {
    AddFolders(path);
    entries_[Key(path)] = {false, bytes};
    return *this;
  }
  FakeDisk& Folder(const std::string& path) {
    AddFolders(path + "\\");
    return *this;
  }

  bool Exists(const std::string& path) const override { return entries_.count(Key(path)) != 0; }
  bool CanEnter(const std::string& path) const override {
    const auto entry = entries_.find(Key(path));
    return entry != entries_.end() && entry->second.folder;
  }
  bool HoldsMatch(const std::string& folder, const std::string& pattern) const override {
    for (const auto& [path, entry] : entries_) {
      if (!entry.folder && ExeDirectory(path) == Key(folder) + "\\" && Matches(LowerCase(pattern), ExeName(path))) {
        return true;
      }
    }
    return false;
  }
  std::optional<std::string> ReadPart(const std::string& path, uint32_t offset, uint32_t length) const override {
    const auto entry = entries_.find(Key(path));
    if (entry == entries_.end() || entry->second.folder) return std::nullopt;
    return offset <= entry->second.bytes.size() ? entry->second.bytes.substr(offset, length) : std::string();
  }
  std::optional<uint64_t> FileSize(const std::string& path) const override {
    const auto entry = entries_.find(Key(path));
    if (entry == entries_.end() || entry->second.folder) return std::nullopt;
    return entry->second.bytes.size();
  }
  bool SameBytes(const std::string& a, const std::string& b) const override {
    const auto first = ReadPart(a, 0, ~0u);
    return first && first == ReadPart(b, 0, ~0u);
  }

 private:
  struct Entry {
    bool folder;
    std::string bytes;
  };

  void AddFolders(const std::string& path) {
    for (size_t slash = path.find('\\'); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
      if (slash > 0 && path[slash - 1] != '\\') entries_[Key(path.substr(0, slash))] = {true, ""};
    }
  }
  // As Windows finds a path: in any case, with "/" for "\\" and doubled
  // or trailing separators.
  static std::string Key(const std::string& path) { return LowerCase(DisplayPath(path)); }
  // "*" stands for any characters.
  static bool Matches(const std::string& pattern, const std::string& name) {
    if (pattern.empty()) return name.empty();
    if (pattern[0] == '*') {
      for (size_t skip = 0; skip <= name.size(); ++skip) {
        if (Matches(pattern.substr(1), name.substr(skip))) return true;
      }
      return false;
    }
    return !name.empty() && pattern[0] == name[0] && Matches(pattern.substr(1), name.substr(1));
  }

  std::map<std::string, Entry> entries_;
};

// The bytes of a pak holding the files given, name and bytes, in order.
inline std::string MakePak(const std::vector<std::pair<std::string, std::string>>& files) {
  auto number = [](uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
  };
  std::string contents, directory;
  for (const auto& [name, bytes] : files) {
    directory += name + std::string(56 - name.size(), '\0') + number(12 + contents.size()) + number(bytes.size());
    contents += bytes;
  }
  return "PACK" + number(12 + contents.size()) + number(directory.size()) + contents + directory;
}

}  // namespace kavrin::testing
