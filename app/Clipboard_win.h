// Clipboard text as Unicode, opened with a bounded wait while another program
// holds the clipboard.
#pragma once

#include <windows.h>

#include <string>

namespace wx {

// Opens the clipboard for owner, trying for up to timeoutMs and yielding the
// processor between tries. Returns false when it stays locked.
bool OpenClipboardWait(HWND owner, DWORD timeoutMs = 2000);

// The clipboard's Unicode text, empty when there is none (reads are bounded by
// the memory block's size, so text without a terminator is safe).
std::wstring GetClipboardText(HWND owner);
// Replaces the clipboard with text; false when the clipboard could not be set.
bool SetClipboardText(HWND owner, const std::wstring& text);

// Leading and trailing blanks and control characters removed.
std::wstring TrimText(const std::wstring& text);

}  // namespace wx
