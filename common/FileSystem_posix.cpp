#include <filesystem>
#include <system_error>

#include "common/FileSystem.h"

namespace wx {

// Natively the standard library answers: its size does not matter here.
FileFacts FactsOf(const std::string& path) {
  FileFacts facts;
  std::error_code ec;
  const std::filesystem::path p(path);
  const auto status = std::filesystem::status(p, ec);
  if (ec || !std::filesystem::exists(status)) return facts;
  facts.exists = true;
  facts.regular = std::filesystem::is_regular_file(status);
  facts.folder = std::filesystem::is_directory(status);
  if (facts.regular) {
    const uint64_t size = std::filesystem::file_size(p, ec);
    if (!ec) facts.size = size;
  }
  const auto time = std::filesystem::last_write_time(p, ec);
  if (!ec) facts.time = int64_t(time.time_since_epoch().count());
  return facts;
}

bool RenamePath(const std::string& from, const std::string& to) {
  std::error_code ec;
  std::filesystem::rename(from, to, ec);
  return !ec;
}

bool RemoveFilePath(const std::string& path) {
  std::error_code ec;
  return std::filesystem::remove(path, ec) && !ec;
}

bool MakeFolders(const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return std::filesystem::is_directory(folder, ec);
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code e2;
    if (it->is_regular_file(e2)) names.push_back(it->path().filename().string());
  }
  return names;
}

std::string WorkingFolder() {
  std::error_code ec;
  std::string folder = std::filesystem::current_path(ec).string();
  return ec ? std::string() : folder;
}

}  // namespace wx
