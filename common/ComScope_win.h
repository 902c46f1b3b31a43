// COM for the calling thread while the scope lives: single-threaded, as the
// shell's dialogs and links need. Undone only when this scope set it up (or
// added to the thread's count); a thread already in another mode is left so.
#pragma once

#include <objbase.h>

namespace wx {

class ComScope {
 public:
  ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT hr_;
};

}  // namespace wx
