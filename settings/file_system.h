// The file system edge: every read, write and directory change goes here.
#pragma once

#include <optional>
#include <string>

namespace kavrin {

// The whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Writes the bytes whole to a temporary file beside `path` and checks that
// `path` itself can be replaced (it is no directory and not write-protected).
// `path` does not change yet. Returns false, leaving nothing behind, on any
// failure.
bool StageFileContent(const std::string& path, const std::string& bytes);

// Puts the staged content in place of `path` in one step, so `path` holds
// either its old or its new content, never a mix.
bool CommitStagedFile(const std::string& path);

// Removes a staged content that will not be committed.
void DiscardStagedFile(const std::string& path);

// Stages and commits in one go. Returns false (old file untouched) on any
// failure.
bool ReplaceFileContent(const std::string& path, const std::string& bytes);

// Creates an empty file when none can be opened for reading. Never changes
// an existing file. Returns whether the file can be read afterwards.
bool EnsureFileExists(const std::string& path);

// Changes the process's working directory; false when it cannot be entered.
bool ChangeDirectory(const std::string& path);

// The process's working directory ("" if unknown).
std::string CurrentDirectory();

// Whether the directory can be entered; the working directory is left as
// it was.
bool CanEnterDirectory(const std::string& path);

}  // namespace kavrin
