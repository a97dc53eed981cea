#include "files/exe_path.h"

namespace kavrin {

std::string ExeDirectory(const std::string& path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ExeName(const std::string& path) {
  const size_t slash = path.rfind('\\');
  const size_t start = slash == std::string::npos ? 0 : slash + 1;
  return path.substr(start, kMaxFileNameLength);
}

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (name.empty() || folder.empty() || folder.back() == '\\') return folder + name;
  return folder + '\\' + name;
}

std::string DisplayPath(const std::string& path) {
  std::string shown;
  for (size_t i = 0; i < path.size(); ++i) {
    const char c = path[i] == '/' ? '\\' : path[i];
    if (c == '\\' && i > 1 && shown.back() == '\\') continue;
    shown += c;
  }
  if (shown.size() > 1 && shown.back() == '\\' && shown[shown.size() - 2] != ':') shown.pop_back();
  return shown;
}

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace kavrin
