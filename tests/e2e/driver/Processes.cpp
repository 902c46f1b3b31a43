// Processes and named objects inside the Wine prefix: listing and ending
// programs, and checking a program's single-instance mutex.
#include "Driver.h"

#include <tlhelp32.h>

namespace wxd {
namespace {

template <class F>
void forEachProcess(F f) {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) fail(L"cannot list processes");
    PROCESSENTRY32W pe{};
    pe.dwSize = sizeof pe;
    for (BOOL ok = Process32FirstW(snap, &pe); ok; ok = Process32NextW(snap, &pe)) f(pe);
    CloseHandle(snap);
}

CommandRegistrar processesCmd(L"processes", L"  (one line per process: id and program file name)", 0, [](const Args&) {
    forEachProcess([](const PROCESSENTRY32W& pe) { out(std::to_wstring(pe.th32ProcessID) + L"\t" + pe.szExeFile); });
});

CommandRegistrar runningCmd(L"process-running", L"EXE_NAME  (succeeds when a process of that file name runs; prints the count)", 1,
                            [](const Args& a) {
                                int n = 0;
                                forEachProcess([&](const PROCESSENTRY32W& pe) { n += iequals(pe.szExeFile, a[0]) ? 1 : 0; });
                                if (!n) fail(L"no process " + a[0]);
                                out(std::to_wstring(n));
                            });

CommandRegistrar killCmd(L"kill-process", L"EXE_NAME  (ends every process of that file name at once, as a crash would)", 1,
                         [](const Args& a) {
                             int n = 0;
                             forEachProcess([&](const PROCESSENTRY32W& pe) {
                                 if (!iequals(pe.szExeFile, a[0])) return;
                                 HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pe.th32ProcessID);
                                 if (!p) return;
                                 if (TerminateProcess(p, 1)) {
                                     WaitForSingleObject(p, 5000);
                                     ++n;
                                 }
                                 CloseHandle(p);
                             });
                             if (!n) fail(L"no process " + a[0] + L" to end");
                             out(std::to_wstring(n));
                         });

CommandRegistrar mutexCmd(L"mutex-exists", L"NAME  (succeeds when a named mutex exists)", 1, [](const Args& a) {
    HANDLE m = OpenMutexW(SYNCHRONIZE, FALSE, a[0].c_str());
    if (!m) fail(L"no mutex " + a[0]);
    CloseHandle(m);
    out(L"exists");
});

}  // namespace
}  // namespace wxd
