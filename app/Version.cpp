#include "app/Version.h"

#include <cstdio>

namespace wx {

std::string FormatVersion(const FileVersion& v, bool withRelease) {
  char buf[48];
  if (withRelease || v.release != 0)
    std::snprintf(buf, sizeof buf, "%d.%d.%d", v.major, v.minor, v.release);
  else
    std::snprintf(buf, sizeof buf, "%d.%d", v.major, v.minor);
  return buf;
}

}  // namespace wx
