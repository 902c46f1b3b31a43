#include "common/MappedFile.h"

#include <windows.h>

#include <utility>

#include "common/AnsiText.h"

namespace wx {

MappedFile::~MappedFile() { Close(); }

MappedFile::MappedFile(MappedFile&& other) noexcept { *this = std::move(other); }

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
  if (this != &other) {
    Close();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    open_ = std::exchange(other.open_, false);
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

bool MappedFile::Open(const std::string& path) {
  Close();
  std::wstring wpath = Utf8ToWide(path);
  HANDLE file = CreateFileW(wpath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) > SIZE_MAX) {
    CloseHandle(file);
    return false;
  }
  if (size.QuadPart > 0) {
    HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!mapping) {
      CloseHandle(file);
      return false;
    }
    void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    CloseHandle(mapping);  // the view keeps the mapping alive
    if (!view) {
      CloseHandle(file);
      return false;
    }
    data_ = static_cast<const uint8_t*>(view);
  }
  CloseHandle(file);
  size_ = static_cast<size_t>(size.QuadPart);
  open_ = true;
  return true;
}

void MappedFile::Close() {
  if (data_) UnmapViewOfFile(data_);
  data_ = nullptr;
  size_ = 0;
  open_ = false;
}

}  // namespace wx
