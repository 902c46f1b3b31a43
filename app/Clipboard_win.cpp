#include "app/Clipboard_win.h"

namespace wx {

bool OpenClipboardWait(HWND owner, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (OpenClipboard(owner)) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(1);
  }
}

ClipboardState ReadClipboardText(HWND owner, std::wstring& text, DWORD timeoutMs) {
  text.clear();
  if (!OpenClipboardWait(owner, timeoutMs)) return ClipboardState::Locked;
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
    SIZE_T bytes = GlobalSize(h);
    if (const wchar_t* p = static_cast<const wchar_t*>(GlobalLock(h))) {
      size_t max = bytes / sizeof(wchar_t), n = 0;
      while (n < max && p[n]) ++n;
      text.assign(p, n);
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return text.empty() ? ClipboardState::Empty : ClipboardState::Text;
}

std::wstring GetClipboardText(HWND owner) {
  std::wstring text;
  ReadClipboardText(owner, text);
  return text;
}

bool EmptyClipboardWait(HWND owner, DWORD timeoutMs) {
  if (!OpenClipboardWait(owner, timeoutMs)) return false;
  bool ok = EmptyClipboard() != 0;
  CloseClipboard();
  return ok;
}

bool SetClipboardText(HWND owner, const std::wstring& text) {
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (!mem) return false;
  if (void* p = GlobalLock(mem)) {
    memcpy(p, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(mem);
  }
  if (!OpenClipboardWait(owner)) {
    GlobalFree(mem);
    return false;
  }
  bool ok = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, mem) != nullptr;
  CloseClipboard();
  if (!ok) GlobalFree(mem);
  return ok;
}

std::wstring TrimText(const std::wstring& text) {
  size_t a = 0, b = text.size();
  while (a < b && text[a] <= L' ') ++a;
  while (b > a && text[b - 1] <= L' ') --b;
  return text.substr(a, b - a);
}

}  // namespace wx
