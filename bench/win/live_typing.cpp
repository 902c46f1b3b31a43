// Live spelling on long texts, under Windows (or Wine): for texts of 10 KB,
// 100 KB, 1 MB and 5 MB, the time from setting the text to the marks painted,
// the time of a key typed near the top and at the end (the character, its
// key release and the repaint: the median of 40) with the number of position
// questions (those the control answers by walking its text) a key asks, and
// the process's private memory before the window, with the text open and
// after the window is gone, with what its heaps hold then (blocks in use,
// free blocks kept, the resident memory) and after the program's
// GiveBackFreedMemory; each for our
// live-spelling rich edit and, in the same run, for a plain rich-edit control
// holding the same text (the peer: what a word processor built on the same
// control pays).
//
// usage: bench-live_typing.exe DICTIONARY TEXT [KB,KB...]
// DICTIONARY is a main dictionary file (american.qxm), TEXT a plain text
// (Windows-1252 or UTF-8 without characters outside it) repeated or cut to
// each size.
#include <windows.h>
#include <psapi.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <cwchar>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/AnsiText.h"
#include "common/FreedMemory_win.h"
#include "spelling/SpellCheckerBase.h"
#include "windows/SpellRichEdit_win.h"

using namespace wx;

namespace {

double Now() {
  static LARGE_INTEGER frequency{};
  if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// The process's committed private memory (the page file's share of it).
double PrivateMB() {
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  return double(pmc.PagefileUsage) / (1024.0 * 1024.0);
}

// Loads the text as a file is opened: streamed in, not set as one string.
void StreamIn(HWND edit, const std::wstring& text) {
  struct Source {
    const std::wstring* text;
    size_t at;
  } source{&text, 0};
  EDITSTREAM es{};
  es.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  es.pfnCallback = [](DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) -> DWORD {
    auto* s = reinterpret_cast<Source*>(cookie);
    const size_t bytes = std::min<size_t>(size_t(size) & ~size_t(1), (s->text->size() - s->at) * sizeof(wchar_t));
    std::memcpy(buffer, s->text->data() + s->at, bytes);
    s->at += bytes / sizeof(wchar_t);
    *done = LONG(bytes);
    return 0;
  };
  SendMessageW(edit, EM_STREAMIN, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&es));
}

// Lets the window's pending messages (paints, timers) run.
void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// The text repeated or cut to about `bytes` characters, at a line's end.
std::wstring Sized(const std::wstring& source, size_t bytes) {
  std::wstring out;
  while (out.size() < bytes) out += source;
  size_t cut = out.rfind(L'\n', bytes);
  if (cut == std::wstring::npos) cut = bytes;
  out.resize(cut);
  return out;
}

// What the process's heaps hold: blocks in use and free blocks kept
// committed, and the resident memory (working set), in MB.
struct HeapFigures {
  double used = 0, free = 0, resident = 0;
};
HeapFigures Heaps() {
  HeapFigures h;
  HANDLE heaps[64];
  const DWORD count = GetProcessHeaps(64, heaps);
  for (DWORD i = 0; i < count && i < 64; ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY e{};
    while (HeapWalk(heaps[i], &e)) {
      if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY)
        h.used += e.cbData;
      else if (!(e.wFlags & (PROCESS_HEAP_REGION | PROCESS_HEAP_UNCOMMITTED_RANGE)))
        h.free += e.cbData;
    }
    HeapUnlock(heaps[i]);
  }
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  h.used /= 1024.0 * 1024.0;
  h.free /= 1024.0 * 1024.0;
  h.resident = double(pmc.WorkingSetSize) / (1024.0 * 1024.0);
  return h;
}

struct Figures {
  double open = 0, keyTop = 0, keyEnd = 0, before = 0, open_mem = 0, after = 0;
  HeapFigures heapBefore, heapOpen, heapAfter, heapGivenBack;
  double askedTop = 0, askedEnd = 0;  // position questions asked per key
  std::string questions;  // what the control's position questions cost at the end
};

// Counts the questions sent to the control that make it walk its text to a
// position (a hook on the thread's sent messages sees the painter's own).
HWND countedEdit = nullptr;
long asked = 0;
LRESULT CALLBACK CountQuestions(int code, WPARAM wp, LPARAM lp) {
  const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
  if (code == HC_ACTION && m->hwnd == countedEdit) {
    switch (m->message) {
      case EM_LINEINDEX: case EM_POSFROMCHAR: case EM_EXLINEFROMCHAR: case EM_LINEFROMCHAR: case EM_CHARFROMPOS:
      case EM_GETFIRSTVISIBLELINE: case EM_GETTEXTRANGE: case EM_GETLINE: case EM_LINELENGTH:
        ++asked;
        break;
      default:
        break;
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

// Microseconds of each position question the painter may ask, at the end of
// the text.
std::string TimeQuestions(HWND edit) {
  const int length = GetWindowTextLengthW(edit);
  const int lines = int(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
  RECT rc;
  GetClientRect(edit, &rc);
  auto time = [](auto&& ask) {
    const double t0 = Now();
    for (int i = 0; i < 20; ++i) ask();
    return (Now() - t0) * 1000.0 / 20;
  };
  POINTL p{0, 0};
  POINTL bottom{1, rc.bottom - 2};
  char out[256];
  std::snprintf(out, sizeof out,
                "linecount %.0f, lineindex %.0f, posfromchar %.0f, linefromchar %.0f, charfrompos %.0f, "
                "firstvisible %.0f, getsel %.0f us",
                time([&] { SendMessageW(edit, EM_GETLINECOUNT, 0, 0); }),
                time([&] { SendMessageW(edit, EM_LINEINDEX, lines - 1, 0); }),
                time([&] { SendMessageW(edit, EM_POSFROMCHAR, WPARAM(&p), length); }),
                time([&] { SendMessageW(edit, EM_EXLINEFROMCHAR, 0, length); }),
                time([&] { SendMessageW(edit, EM_CHARFROMPOS, 0, LPARAM(&bottom)); }),
                time([&] { SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0); }),
                time([&] {
                  CHARRANGE cr;
                  SendMessageW(edit, EM_EXGETSEL, 0, LPARAM(&cr));
                }));
  return out;
}

// Types `count` characters at the caret, each followed by its key release and
// a repaint, and returns the median milliseconds of one (the machine may be
// busy with other work now and then: a mean would count that as ours).
double TypeKeys(HWND edit, int count, double* questionsPerKey) {
  const wchar_t keys[] = L"wrod ";
  countedEdit = edit;
  asked = 0;
  // Counting slows every message down: only when asked for, not timed then.
  HHOOK hook = questionsPerKey ? SetWindowsHookExW(WH_CALLWNDPROC, CountQuestions, nullptr, GetCurrentThreadId())
                               : nullptr;
  std::vector<double> times;
  for (int i = 0; i < count; ++i) {
    const wchar_t c = keys[i % 5];
    const double t0 = Now();
    SendMessageW(edit, WM_CHAR, c, 1);
    SendMessageW(edit, WM_KEYUP, c == L' ' ? VK_SPACE : 'W', 0xC0000001);
    UpdateWindow(edit);
    times.push_back(Now() - t0);
  }
  std::sort(times.begin(), times.end());
  const double ms = times[times.size() / 2];
  if (hook) UnhookWindowsHookEx(hook);
  if (questionsPerKey) *questionsPerKey = double(asked) / count;
  return ms;
}

Figures Measure(const std::wstring& text, TSpellCheckerBase* checker) {
  Figures f;
  Pump();
  f.before = PrivateMB();
  f.heapBefore = Heaps();
  HWND frame = CreateWindowExW(0, L"STATIC", L"live typing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 800, 600,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  // Instant Spell's editor: lines run on to the right (no wrapping);
  // WX_LIVE_WRAP=1 wraps them to the width instead.
  wchar_t wrap[4] = L"";
  const bool wraps = GetEnvironmentVariableW(L"WX_LIVE_WRAP", wrap, 4) > 0 && wrap[0] == L'1';
  const DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | ES_WANTRETURN | WS_VSCROLL |
                      (wraps ? 0 : ES_AUTOHSCROLL | WS_HSCROLL);
  TSpellRichEdit live;
  HWND edit = nullptr;
  if (checker) {
    live.Create(frame, 1, 0, 0, 780, 560, style);
    live.SetSpellEngine(checker);
    edit = live.Handle();
  } else {
    LoadLibraryW(L"riched20.dll");
    edit = CreateWindowExW(0, RICHEDIT_CLASSW, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 780, 560, frame, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  SendMessageW(edit, EM_EXLIMITTEXT, 0, 64 * 1024 * 1024);
  double t0 = Now();
  StreamIn(edit, text);
  UpdateWindow(edit);
  f.open = Now() - t0;
  // Near the top: the caret after the first word.
  SendMessageW(edit, EM_SETSEL, 10, 10);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  UpdateWindow(edit);
  f.keyTop = TypeKeys(edit, 40, nullptr);
  TypeKeys(edit, 10, &f.askedTop);
  // At the end.
  SendMessageW(edit, EM_SETSEL, WPARAM(-1), LPARAM(-1));
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  UpdateWindow(edit);
  f.keyEnd = TypeKeys(edit, 40, nullptr);
  TypeKeys(edit, 10, &f.askedEnd);
  f.questions = TimeQuestions(edit);
  Pump();
  f.open_mem = PrivateMB();
  f.heapOpen = Heaps();
  if (checker) live.SetSpellEngine(nullptr);
  DestroyWindow(frame);
  Pump();
  f.after = PrivateMB();
  f.heapAfter = Heaps();
  // What the program does when its spelling windows close.
  GiveBackFreedMemory();
  f.heapGivenBack = Heaps();
  return f;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: bench-live_typing.exe DICTIONARY TEXT [KB,KB...]\n");
    return 2;
  }
  const std::string dictionary = WideToUtf8(argv[1]);
  std::ifstream in(argv[2], std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  if (bytes.str().empty()) {
    std::fprintf(stderr, "no text in %ls\n", argv[2]);
    return 1;
  }
  std::wstring source = Utf8ToWide(bytes.str());
  // Line breaks as the control keeps them.
  std::wstring crlf;
  for (wchar_t c : source) {
    if (c == L'\r') continue;
    if (c == L'\n') crlf += L'\r';
    crlf += c;
  }

  const size_t slash = dictionary.find_last_of("\\/");
  TSpellConfigSettings settings;
  settings.ConfigStorage = TConfigStorage::csNone;
  settings.ConfigUseMSWordCustom = false;
  settings.ConfigDictionaryDir = {slash == std::string::npos ? std::string(".") : dictionary.substr(0, slash)};
  settings.ConfigDefaultMain = {slash == std::string::npos ? dictionary : dictionary.substr(slash + 1)};
  settings.ConfigDefaultCustom = {};
  TSpellCheckerBase checker(settings);

  std::printf("%-8s %-16s %10s %12s %12s %10s %10s %10s\n", "text", "control", "open ms", "key top ms",
              "key end ms", "MB before", "MB open", "MB after");
  // Sizes in KB from the third argument ("1024,5120"), or the four usual ones.
  std::vector<size_t> sizes{size_t(10) << 10, size_t(100) << 10, size_t(1) << 20, size_t(5) << 20};
  if (argc == 4) {
    sizes.clear();
    for (const wchar_t* p = argv[3]; *p;) {
      wchar_t* end = nullptr;
      const unsigned long kb = std::wcstoul(p, &end, 10);
      if (end == p) break;
      if (kb > 0 && kb <= (64u << 10)) sizes.push_back(size_t(kb) << 10);
      p = *end ? end + 1 : end;
    }
  }
  for (const size_t size : sizes) {
    const std::wstring text = Sized(crlf, size);
    char label[16];
    std::snprintf(label, sizeof label, size >= (1u << 20) ? "%zu MB" : "%zu KB",
                  size >= (1u << 20) ? size >> 20 : size >> 10);
    for (const bool ours : {true, false}) {
      const Figures f = Measure(text, ours ? &checker : nullptr);
      std::printf("%-8s %-16s %10.1f %12.2f %12.2f %10.1f %10.1f %10.1f\n", label,
                  ours ? "live spelling" : "plain rich edit", f.open, f.keyTop, f.keyEnd, f.before, f.open_mem,
                  f.after);
      std::printf("         heaps in use / free kept / resident MB: before %.1f/%.1f/%.1f, open %.1f/%.1f/%.1f, "
                  "after %.1f/%.1f/%.1f, pages given back %.1f/%.1f/%.1f\n",
                  f.heapBefore.used, f.heapBefore.free, f.heapBefore.resident, f.heapOpen.used, f.heapOpen.free,
                  f.heapOpen.resident, f.heapAfter.used, f.heapAfter.free, f.heapAfter.resident,
                  f.heapGivenBack.used, f.heapGivenBack.free, f.heapGivenBack.resident);
      std::printf("         position questions per key: %.1f at the top, %.1f at the end; each at the end: %s\n",
                  f.askedTop, f.askedEnd, f.questions.c_str());
      std::fflush(stdout);
    }
  }
  return 0;
}
