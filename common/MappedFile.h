// A whole file mapped read-only into memory (POSIX mmap natively, a Win32 file
// mapping in the program). Move-only; the view is released on destruction.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace wx {

class MappedFile {
 public:
  MappedFile() = default;
  ~MappedFile();
  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&& other) noexcept;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  // Maps the file named by a UTF-8 path. Returns false (and stays closed) when
  // it cannot be opened or mapped. An empty file opens with size 0.
  bool Open(const std::string& path);
  void Close();

  bool is_open() const { return open_; }
  const uint8_t* data() const { return data_; }
  size_t size() const { return size_; }

 private:
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  bool open_ = false;
  void* handle_ = nullptr;  // platform mapping handle, if any
};

}  // namespace wx
