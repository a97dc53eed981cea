// The demo list file: one full demo path per line, in list order.
#pragma once

#include <string>
#include <vector>

namespace kavrin {

constexpr const char* kDemoListFileName = "demos.sc2";
constexpr const char* kDemoListFilePath = "c:/demos.sc2";

// The most demos the dialog carries to a save.
constexpr size_t kMaxDemos = 100;

// Every path followed by "\n"; "" for no paths. Paths go in unchanged.
std::string BuildDemoListText(const std::vector<std::string>& demos);

// The entries of the file's bytes in file order: every line of at least two
// characters, at most `maxEntries` of them.
std::vector<std::string> ReadDemoList(const std::string& diskText, size_t maxEntries);

}  // namespace kavrin
