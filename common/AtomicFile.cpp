#include "common/AtomicFile.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

#include "common/AnsiText.h"
#include "common/FileSystem.h"

namespace wx {

namespace {

// A sibling of target that no one else picks: time and a counter.
std::string UniqueSibling(const std::string& target, const char* tag) {
  static std::atomic<unsigned> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  return target + tag + std::to_string(stamp % 1000000007) + "_" + std::to_string(counter++);
}

// Opens a file by its UTF-8 path with C stdio (wide on Windows): file streams
// would bring their locale machinery into the statically linked program.
std::FILE* OpenFile(const std::string& path, bool write) {
#ifdef _WIN32
  return _wfopen(Utf8ToWide(path).c_str(), write ? L"wb" : L"rb");
#else
  return std::fopen(path.c_str(), write ? "wb" : "rb");
#endif
}

// Reads up to limit bytes from an open file.
bool ReadUpTo(std::FILE* f, size_t limit, std::string& out) {
  out.clear();
  char chunk[65536];
  while (out.size() < limit) {
    size_t want = std::min(sizeof chunk, limit - out.size());
    size_t got = std::fread(chunk, 1, want, f);
    out.append(chunk, got);
    if (got < want) return !std::ferror(f);
  }
  return true;
}

}  // namespace

bool CanCreateFileAt(const std::string& path) {
  if (path.empty()) return false;
  std::string folder = ParentFolder(path);
  if (folder.empty()) folder = WorkingFolder();
  if (folder.empty() || !IsFolder(folder)) return false;
  const std::string probe = UniqueSibling(path, ".probe");
#ifdef _WIN32
  int fd = _wopen(Utf8ToWide(probe).c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return false;
  _close(fd);
#else
  int fd = ::open(probe.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600);
  if (fd < 0) return false;
  ::close(fd);
#endif
  RemoveFilePath(probe);  // ours alone: created exclusively
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string temp = UniqueSibling(path, ".tmp");
  std::FILE* out = OpenFile(temp, true);
  if (!out) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  written = std::fflush(out) == 0 && written;
  written = std::fclose(out) == 0 && written;
  // The rename replaces the old file in one step.
  if (!written || !RenamePath(temp, path)) {
    RemoveFilePath(temp);
    return false;
  }
  return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  return ReadFileStart(path, SIZE_MAX, bytes);
}

bool ReadFileStart(const std::string& path, size_t limit, std::string& bytes) {
  std::FILE* in = OpenFile(path, false);
  if (!in) return false;
  std::string data;
  bool read = ReadUpTo(in, limit, data);
  std::fclose(in);
  if (!read) return false;
  bytes = std::move(data);
  return true;
}

}  // namespace wx
