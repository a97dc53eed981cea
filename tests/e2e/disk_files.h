// Files and folders of the Wine prefix as the scenarios prepare and check them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kavrin {

// The file's bytes exactly as on disk; nullopt when it does not exist.
std::optional<std::string> ReadFileBytes(const std::string& path);

// The file's bytes, or `fallback` when it cannot be read.
std::string ReadFileOr(const std::string& path, const std::string& fallback);

// Creates or truncates the file and writes the bytes; creates missing folders.
void WriteFileBytes(const std::string& path, const std::string& bytes);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Creates the folder and every missing parent.
void MakeDirectories(const std::string& path);

// Deletes a file, or a folder with everything in it; nothing if missing.
void RemoveTree(const std::string& path);

// Copies a file, creating the target's folders; replaces an existing target.
void CopyFileTo(const std::string& from, const std::string& to);

// The names (not paths) in `folder` that match the wildcard `pattern`.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern);

// The folder part of a path, without its last backslash.
std::string ParentOf(const std::string& path);

}  // namespace kavrin
