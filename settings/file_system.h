// The file system edge: every read, write and directory change goes here.
#pragma once

#include <optional>
#include <string>

namespace kavrin {

// The whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Writes the bytes to a temporary file beside `path`, then puts it in place
// of the old file in one step, so `path` holds either its old or its new
// content, never a mix. Returns false (old file untouched) on any failure.
bool ReplaceFileContent(const std::string& path, const std::string& bytes);

// Creates an empty file when none can be opened for reading. Never changes
// an existing file. Returns whether the file can be read afterwards.
bool EnsureFileExists(const std::string& path);

// Changes the process's working directory; false when it cannot be entered.
bool ChangeDirectory(const std::string& path);

// The process's working directory ("" if unknown).
std::string CurrentDirectory();

}  // namespace kavrin
