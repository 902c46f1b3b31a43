#include <filesystem>
#include <string>

namespace wx {

std::string PlatformAppDir() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  return exe.parent_path().string() + "/";
}

}  // namespace wx
