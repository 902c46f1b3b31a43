// The file-system questions and changes the portable code asks for, by UTF-8
// path. The Windows program answers them with the Windows API directly: the
// standard library's file-system and file-stream code would bring its locale
// machinery into the statically linked program, most of a megabyte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wx {

// What the file system says of a path. Nothing is set when it cannot be
// asked (no such path, no access).
struct FileFacts {
  bool exists = false;
  bool regular = false;  // a file, not a folder
  bool folder = false;
  uint64_t size = 0;     // of a file
  int64_t time = 0;      // last written, in the system's own units: compare only
};

FileFacts FactsOf(const std::string& path);
inline bool PathExists(const std::string& path) { return FactsOf(path).exists; }
inline bool IsRegularFile(const std::string& path) { return FactsOf(path).regular; }
inline bool IsFolder(const std::string& path) { return FactsOf(path).folder; }

// Renames a file, replacing a file of the new name in one step.
bool RenamePath(const std::string& from, const std::string& to);

// Removes a file; false when there was none or it stays.
bool RemoveFilePath(const std::string& path);

// Makes a folder and the folders above it that are missing; true when the
// folder exists afterwards.
bool MakeFolders(const std::string& folder);

// The names of the files (not folders) in a folder, in no particular order;
// empty when it cannot be read.
std::vector<std::string> FileNamesIn(const std::string& folder);

// The process's working folder; empty when it cannot be had.
std::string WorkingFolder();

// The folder part of a path ("C:\a\b.txt" -> "C:\a", "/a/b" -> "/a",
// "C:\b.txt" -> "C:\", "b.txt" -> ""): the text before the last separator,
// a root kept whole. On Windows both slashes separate.
std::string ParentFolder(const std::string& path);

// A path's last name without its extension ("C:\a\Tray.exe" -> "Tray").
std::string FileStem(const std::string& path);

}  // namespace wx
