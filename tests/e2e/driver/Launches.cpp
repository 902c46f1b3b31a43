// A stand-in for a program the tested program starts (a browser): records the
// arguments it was started with.
#include "Driver.h"

namespace wxd {
namespace {

CommandRegistrar recordLaunch(L"record-launch", L"FILE ARG...  (writes each ARG on a line of FILE, UTF-8)", 1,
                              [](const Args& a) {
                                  std::wstring text;
                                  for (size_t i = 1; i < a.size(); ++i) text += a[i] + L"\n";
                                  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                              nullptr, 0, nullptr, nullptr);
                                  std::string bytes(static_cast<size_t>(n), '\0');
                                  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                      bytes.data(), n, nullptr, nullptr);
                                  HANDLE f = CreateFileW(a[0].c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                         FILE_ATTRIBUTE_NORMAL, nullptr);
                                  if (f == INVALID_HANDLE_VALUE) fail(L"cannot write " + a[0]);
                                  DWORD written = 0;
                                  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
                                  CloseHandle(f);
                              });

}  // namespace
}  // namespace wxd
