// A library named like a library of Windows (riched20.dll), to be put beside
// a program: if the program loads it, its export shows it was this one.
#include <windows.h>

extern "C" __declspec(dllexport) int WendrixPlantedLibrary() { return 1; }

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
