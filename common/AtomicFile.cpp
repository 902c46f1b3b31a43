#include "common/AtomicFile.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/AnsiText.h"

namespace wx {

namespace {
std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(Utf8ToWide(utf8));
}
}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path target = PathOf(path);
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::filesystem::path temp = target;
  temp += L".tmp" + std::to_wstring(stamp % 1000000007) + L"_" + std::to_wstring(counter++);
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
