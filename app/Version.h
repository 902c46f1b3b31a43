// The program's version as the About box shows it.
#pragma once

#include <string>

namespace wx {

struct FileVersion {
  int major = 0, minor = 0, release = 0;
};

// The first three numbers of a file's version resource (an empty name means
// the running program); false when the file has none. Windows only.
bool GetFileVersion(const std::string& fileName, FileVersion& out);

// "major.minor.release", or "major.minor" when the release is 0 and not asked for.
std::string FormatVersion(const FileVersion& v, bool withRelease);
// The same for a file; empty when it has no version.
std::string FormatVersion(const std::string& fileName, bool withRelease);

}  // namespace wx
