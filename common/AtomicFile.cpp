#include "common/AtomicFile.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

#include "common/AnsiText.h"

namespace wx {

namespace {
std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(Utf8ToWide(utf8));
}

// A sibling of target that no one else picks: time and a counter.
std::filesystem::path UniqueSibling(const std::filesystem::path& target, const wchar_t* tag) {
  static std::atomic<unsigned> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::filesystem::path temp = target;
  temp += tag + std::to_wstring(stamp % 1000000007) + L"_" + std::to_wstring(counter++);
  return temp;
}

}  // namespace

bool CanCreateFileAt(const std::string& path) {
  if (path.empty()) return false;
  std::filesystem::path target = PathOf(path);
  std::error_code ec;
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = std::filesystem::current_path(ec);
  if (ec || !std::filesystem::is_directory(folder, ec)) return false;
  std::filesystem::path probe = UniqueSibling(target, L".probe");
#ifdef _WIN32
  int fd = _wopen(probe.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return false;
  _close(fd);
#else
  int fd = ::open(probe.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600);
  if (fd < 0) return false;
  ::close(fd);
#endif
  std::filesystem::remove(probe, ec);  // ours alone: created exclusively
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::filesystem::path target = PathOf(path);
  std::filesystem::path temp = UniqueSibling(target, L".tmp");
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ec;
      std::filesystem::remove(temp, ec);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);  // replaces the old file in one step
  if (ec) {
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(PathOf(path), std::ios::binary);
  if (!in) return false;
  std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  bytes = std::move(data);
  return true;
}

}  // namespace wx
