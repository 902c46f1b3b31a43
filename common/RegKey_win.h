// An open registry key, closed on destruction.
#pragma once

#include <windows.h>

namespace wx {

class HKeyHolder {
 public:
  HKeyHolder() = default;
  ~HKeyHolder() {
    if (key_) RegCloseKey(key_);
  }
  HKeyHolder(const HKeyHolder&) = delete;
  HKeyHolder& operator=(const HKeyHolder&) = delete;
  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace wx
