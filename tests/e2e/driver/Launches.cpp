// record-launch: a stand-in for a program the tested program launches (a
// browser), which records the arguments it was started with; check-state: the
// state of a check box without listing the whole window.
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

namespace wxd {
namespace {

CommandRegistrar checkState(L"check-state", L"WINDOW CHILD  (0, 1 or 2: BM_GETCHECK of a check box or radio button; "
                                            L"then visible=, enabled=)",
                            2, [](const Args& a) {
                                HWND box = resolveTarget(a, 0);
                                LRESULT state = sendTimeout(box, BM_GETCHECK, 0, 0);
                                out(std::to_wstring(state) + L" visible=" + (IsWindowVisible(box) ? L"1" : L"0") +
                                    L" enabled=" + (IsWindowEnabled(box) ? L"1" : L"0"));
                            });

}  // namespace
}  // namespace wxd
