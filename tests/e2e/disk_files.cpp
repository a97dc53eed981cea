#include "disk_files.h"

#include <windows.h>

namespace kavrin {

std::optional<std::string> ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  return bytes;
}

std::string ReadFileOr(const std::string& path, const std::string& fallback) {
  return ReadFileBytes(path).value_or(fallback);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  MakeDirectories(ParentOf(path));
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeDirectories(const std::string& path) {
  if (path.empty() || DirectoryExists(path)) return;
  MakeDirectories(ParentOf(path));
  CreateDirectoryA(path.c_str(), nullptr);
}

void RemoveTree(const std::string& path) {
  if (FileExists(path)) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    return;
  }
  if (!DirectoryExists(path)) return;
  for (const std::string& name : ListFiles(path, "*")) {
    if (name != "." && name != "..") RemoveTree(path + "\\" + name);
  }
  RemoveDirectoryA(path.c_str());
}

void CopyFileTo(const std::string& from, const std::string& to) {
  MakeDirectories(ParentOf(to));
  CopyFileA(from.c_str(), to.c_str(), FALSE);
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

std::string ParentOf(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos || slash + 1 == path.size()) return "";  // none, or a root
  if (slash == 2 && path[1] == ':') return path.substr(0, 3);  // the root "c:\" keeps its backslash
  return path.substr(0, slash);
}

}  // namespace kavrin
