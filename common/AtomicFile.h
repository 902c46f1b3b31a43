// Saving user data without ever losing it: the new contents go to a temporary
// file in the same folder, which then replaces the old file in one rename.
#pragma once

#include <string>
#include <string_view>

namespace wx {

// Writes bytes to path (UTF-8) through a temporary sibling and a rename over
// the old file. Returns false, leaving the old file untouched, on any failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace wx
