// Shared pieces of the end-to-end test driver: the command table, output,
// argument parsing and window lookup. The driver runs inside Wine beside the
// program under test and the programs it works on.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wxd {

using Args = std::vector<std::wstring>;

// A failed command: the message is printed on stderr and the driver exits 1.
struct Failure {
    std::wstring message;
};
[[noreturn]] void fail(const std::wstring& message);

// One driver command. Commands register themselves from their own files.
struct Command {
    const wchar_t* name;
    const wchar_t* usage;
    size_t minArgs;
    void (*run)(const Args& args);
};
std::vector<Command>& commandTable();
struct CommandRegistrar {
    CommandRegistrar(const wchar_t* name, const wchar_t* usage, size_t minArgs, void (*run)(const Args&));
};

// Runs commands separated by "--"; returns the exit code (0, 1 failure, 2 usage).
int runSequence(const std::vector<std::wstring>& argv);

// In the serving mode every reply ends with a line of kServeEndMark and the
// exit code, and error lines go to stdout behind kServeErrorMark.
extern bool gServing;
inline constexpr const wchar_t* kServeEndMark = L"\x1f" L"END ";
inline constexpr const wchar_t* kServeErrorMark = L"\x1f" L"ERR ";

// Output as UTF-8 lines on stdout / stderr.
void out(const std::wstring& line);
void errLine(const std::wstring& line);

// Argument helpers.
unsigned long long parseNumber(const std::wstring& text, const wchar_t* what);
int optTimeout(const Args& args, size_t index, int defaultMs);
std::wstring hex(HWND hwnd);
std::wstring escape(const std::wstring& text);  // \r \n \t and backslash made visible
std::wstring stripAmpersands(const std::wstring& text);
bool iequals(const std::wstring& a, const std::wstring& b);

// Polls `done` every 50 ms until it returns true or the time is up.
bool waitUntil(int timeoutMs, const std::function<bool()>& done);

// Window lookup.
// A window reference is "0xHEX" (a window handle), "~PART" (a visible top-level
// window whose title contains PART) or a full top-level title. Title references
// are waited for up to timeoutMs.
HWND resolveWindow(const std::wstring& ref, int timeoutMs = 5000);
// Finds a top-level window by title (exact or containing) and optional class.
HWND findTopLevel(const std::wstring& title, bool substring, const std::wstring& cls, bool visibleOnly);
// A child description is "CLASS" (first descendant of that class), "CLASS:N"
// (the N-th, counted from 1), "#ID" (control id) or "0xHEX".
HWND resolveChild(HWND parent, const std::wstring& which);
// Resolves REF and an optional CHILD from args[at], args[at + 1].
HWND resolveTarget(const Args& args, size_t at);
std::vector<HWND> descendants(HWND parent);

// The items of a list box, combo box, list view or tree view (tree items in
// depth-first order, indented by two spaces per level); selected receives the
// index of the selected item or -1.
std::vector<std::wstring> listItems(HWND list, int* selected);

// Makes top the foreground window, with the keyboard focus on focus (if any).
void bringToFront(HWND top, HWND focus);
// Real mouse clicks (SendInput) at a point in hwnd's client area; the window is
// brought to the front first so that nothing covers the point.
enum class Click { Left, Double, Right };
void mouseClick(HWND hwnd, POINT client, Click kind);

std::wstring className(HWND hwnd);
std::wstring windowText(HWND hwnd);  // WM_GETTEXT; works across processes
LRESULT sendTimeout(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, int timeoutMs = 3000);

// Memory inside another process, for control messages that carry pointers
// (list views, tree views, notifications); Windows does not copy those across.
class RemoteBuffer {
public:
    RemoteBuffer(HWND owner, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    void write(const void* data, size_t size, size_t offset = 0);
    void read(void* data, size_t size, size_t offset = 0) const;
    LPARAM address(size_t offset = 0) const { return reinterpret_cast<LPARAM>(static_cast<char*>(remote_) + offset); }

private:
    HANDLE process_ = nullptr;
    void* remote_ = nullptr;
};

}  // namespace wxd
