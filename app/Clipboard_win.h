// Clipboard text as Unicode, opened with a bounded wait while another program
// holds the clipboard.
#pragma once

#include <windows.h>

#include <string>

#include "app/SelectionCapture.h"

namespace wx {

// Opens the clipboard for owner, trying for up to timeoutMs and yielding the
// processor between tries. Returns false when it stays locked.
bool OpenClipboardWait(HWND owner, DWORD timeoutMs = 2000);

// The clipboard's Unicode text (reads are bounded by the memory block's size,
// so text without a terminator is safe). Locked when another program keeps
// the clipboard open for longer than timeoutMs; Text only when not empty.
ClipboardState ReadClipboardText(HWND owner, std::wstring& text, DWORD timeoutMs = 2000);
// The same, empty also when the clipboard is locked.
std::wstring GetClipboardText(HWND owner);
// Replaces the clipboard with text; false when the clipboard could not be
// opened, emptied or set.
bool SetClipboardText(HWND owner, const std::wstring& text);
// Empties the clipboard; false when it could not be opened or emptied.
bool EmptyClipboardWait(HWND owner, DWORD timeoutMs = 2000);

// Leading and trailing blanks and control characters removed.
std::wstring TrimText(const std::wstring& text);

}  // namespace wx
