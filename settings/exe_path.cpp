#include "settings/exe_path.h"

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

}  // namespace kavrin
