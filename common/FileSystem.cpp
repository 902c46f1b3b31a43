#include "common/FileSystem.h"

namespace wx {

namespace {

bool IsSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

// Where the path's root ends: past "C:", "C:\", "\\server\share\", "/".
size_t RootLength(const std::string& path) {
#ifdef _WIN32
  if (path.size() >= 2 && path[1] == ':') return path.size() > 2 && IsSeparator(path[2]) ? 3 : 2;
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    // A network path: the server and share names belong to the root.
    size_t at = 2, names = 0;
    while (at < path.size() && names < 2) {
      while (at < path.size() && !IsSeparator(path[at])) ++at;
      ++names;
      if (at < path.size()) ++at;
    }
    return at;
  }
#endif
  return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

}  // namespace

std::string ParentFolder(const std::string& path) {
  const size_t root = RootLength(path);
  size_t end = path.size();
  while (end > root && !IsSeparator(path[end - 1])) --end;  // the last name
  if (end <= root) return end == path.size() ? path : path.substr(0, root);
  while (end > root && IsSeparator(path[end - 1])) --end;   // its separators
  return path.substr(0, end);
}

std::string FileStem(const std::string& path) {
  size_t start = path.size();
  while (start > 0 && !IsSeparator(path[start - 1]) && !(start == 2 && path[1] == ':')) --start;
  std::string name = path.substr(start);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

}  // namespace wx
