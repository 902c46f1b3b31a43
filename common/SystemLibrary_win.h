// Libraries of Windows are loaded from the system folder only, never from the
// program's folder or the current folder, where someone may have put a file
// of the same name (DLL planting).
#pragma once

#include <windows.h>

namespace wx {

// At start: every later LoadLibrary of the process searches the system folder
// only. Windows 7 without the update that brought SetDefaultDllDirectories
// lacks the call; it is looked up, and skipped where missing.
void RestrictDllSearchToSystem();

// Loads a library of Windows (a bare file name such as L"riched20.dll") from
// the system folder; null when it is not there.
HMODULE LoadSystemLibrary(const wchar_t* name);

}  // namespace wx
