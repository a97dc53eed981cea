// The launch file: game directory, executable name and argument line.
#pragma once

#include <string>
#include <vector>

namespace kavrin {

constexpr const char* kLaunchFileName = "q2scr.sc2";
constexpr const char* kLaunchFilePath = "c:/q2scr.sc2";

// The file's text (in-memory line ends) for the executable and mod the user
// chose: directory, lowercased name and the argument line of its family,
// which for a QuakeWorld client starts with the first of `demos`.
std::string BuildLaunchFileText(const std::string& exePath, const std::string& modDir,
                                const std::vector<std::string>& demos = {});

// The dialog's fields as read back from the launch file.
struct LaunchFields {
  std::string exePath;
  std::string modDir;
};

// Reads the fields back from the file's bytes. The mod comes back as it was
// written, without surrounding blanks, for every argument line we write.
LaunchFields ReadLaunchFields(const std::string& diskText);

}  // namespace kavrin
