// Starts as the program does and creates the live-spelling rich edit, then
// tells by its exit code which riched20.dll it got: 0 the system's, 3 one
// planted beside it, 4 none.
#include <windows.h>

#include "common/SystemLibrary_win.h"
#include "windows/SpellRichEdit_win.h"

int main() {
  wx::RestrictDllSearchToSystem();
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  {
    wx::TSpellRichEdit edit;
    edit.Create(parent, 1, 0, 0, 100, 100, 0);
  }
  HMODULE rich = GetModuleHandleW(L"riched20.dll");
  if (!rich) return 4;
  return GetProcAddress(rich, "WendrixPlantedLibrary") ? 3 : 0;
}
