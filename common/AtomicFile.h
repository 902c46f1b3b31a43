// Saving user data without ever losing it: the new contents go to a temporary
// file in the same folder, which then replaces the old file in one rename.
#pragma once

#include <string>
#include <string_view>

namespace wx {

// Writes bytes to path (UTF-8) through a temporary sibling and a rename over
// the old file. Returns false, leaving the old file untouched, on any failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Whether a file could be created at path (UTF-8), without creating one there:
// the folder must exist and take a new file, tried with a uniquely named
// sibling created exclusively and removed again. The path itself is never
// opened, so a file another program creates there meanwhile is left alone.
bool CanCreateFileAt(const std::string& path);

// Reads a whole file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Reads at most limit bytes from the start of a file; false when it cannot be
// read.
bool ReadFileStart(const std::string& path, size_t limit, std::string& bytes);

}  // namespace wx
