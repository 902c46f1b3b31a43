#include "app/Help_win.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <string>

#include "app/AppErrors.h"
#include "common/AnsiText.h"
#include "common/FileSystem.h"

namespace wx {

namespace {

// The command line that opens .html files, with "%1" replaced by the URL
// (appended when the command has no "%1"); empty when none is registered.
std::wstring BrowserCommand(const std::wstring& url) {
  wchar_t command[2048];
  DWORD n = DWORD(std::size(command));
  if (AssocQueryStringW(ASSOCF_NOTRUNCATE, ASSOCSTR_COMMAND, L".html", L"open", command, &n) != S_OK) return {};
  std::wstring cmd(command);
  size_t at = cmd.find(L"%1");
  if (at == std::wstring::npos) return cmd + L" \"" + url + L"\"";
  bool quoted = at > 0 && cmd[at - 1] == L'"';
  cmd.replace(at, 2, quoted ? url : L"\"" + url + L"\"");
  return cmd;
}

}  // namespace

void ShowHelp(HWND owner, HelpRequest request, int context) {
  const std::string help = AppFilePath(kWinHelpFile);
  if (IsRegularFile(help)) {
    const std::wstring hlp = Utf8ToWide(help);
    UINT command = request == HelpRequest::Contents ? HELP_FINDER
                   : request == HelpRequest::Index  ? HELP_PARTIALKEY
                                                    : HELP_CONTEXT;
    WinHelpW(owner, hlp.c_str(), command, request == HelpRequest::Context ? ULONG_PTR(context) : 0);
    return;
  }
  CheckAppFile(kHtmlHelpFile);
  std::wstring url = Utf8ToWide(FileUrl(AppFilePath(kHtmlHelpFile), HelpAnchor(request, context)));
  // The anchor only survives when the browser is given the URL itself:
  // opening the file through the shell would drop it.
  std::wstring command = BrowserCommand(url);
  if (!command.empty()) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      CloseHandle(pi.hThread);
      CloseHandle(pi.hProcess);
      return;
    }
  }
  auto rc = reinterpret_cast<INT_PTR>(ShellExecuteW(owner, nullptr, url.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (rc <= 32) throw EBrowserError();
}

}  // namespace wx
