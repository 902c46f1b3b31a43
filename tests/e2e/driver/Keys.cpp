// Keyboard input with SendInput: key chords ("ctrl+a", "F8", "shift+Left*3")
// and typed text ("text:..." sends each character as a Unicode key event).
// The keys go to whatever window has the keyboard focus, and system hotkeys
// see them as they would a real keyboard's.
#include "Driver.h"

#include <algorithm>
#include <cwctype>

namespace wxd {
namespace {

struct KeyName {
    const wchar_t* name;
    WORD vk;
};

const KeyName kKeys[] = {
    {L"ctrl", VK_CONTROL},   {L"control", VK_CONTROL}, {L"shift", VK_SHIFT},   {L"alt", VK_MENU},
    {L"win", VK_LWIN},       {L"left", VK_LEFT},       {L"right", VK_RIGHT},   {L"up", VK_UP},
    {L"down", VK_DOWN},      {L"home", VK_HOME},       {L"end", VK_END},       {L"pgup", VK_PRIOR},
    {L"pageup", VK_PRIOR},   {L"pgdn", VK_NEXT},       {L"pagedown", VK_NEXT}, {L"insert", VK_INSERT},
    {L"ins", VK_INSERT},     {L"delete", VK_DELETE},   {L"del", VK_DELETE},    {L"backspace", VK_BACK},
    {L"bs", VK_BACK},        {L"tab", VK_TAB},         {L"enter", VK_RETURN},  {L"return", VK_RETURN},
    {L"escape", VK_ESCAPE},  {L"esc", VK_ESCAPE},      {L"space", VK_SPACE},   {L"apps", VK_APPS},
    {L"menu", VK_APPS},      {L"pause", VK_PAUSE},     {L"capslock", VK_CAPITAL}, {L"numlock", VK_NUMLOCK},
    {L"scrolllock", VK_SCROLL}, {L"printscreen", VK_SNAPSHOT},
};

bool isExtended(WORD vk) {
    switch (vk) {
        case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END: case VK_PRIOR:
        case VK_NEXT: case VK_INSERT: case VK_DELETE: case VK_LWIN: case VK_RWIN: case VK_APPS:
        case VK_NUMLOCK: case VK_SNAPSHOT:
            return true;
        default:
            return false;
    }
}

INPUT keyEvent(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (isExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}

INPUT unicodeEvent(wchar_t c, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = static_cast<WORD>(c);
    in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return in;
}

// A key name, or one character; returns the virtual key and whether the
// character needs Shift on the current layout.
WORD virtualKey(const std::wstring& name, bool* needsShift) {
    *needsShift = false;
    std::wstring lower;
    for (wchar_t c : name) lower += static_cast<wchar_t>(std::towlower(c));
    for (const KeyName& k : kKeys)
        if (lower == k.name) return k.vk;
    if (lower.size() >= 2 && lower[0] == L'f' && std::iswdigit(lower[1])) {
        int n = _wtoi(lower.c_str() + 1);
        if (n >= 1 && n <= 24) return static_cast<WORD>(VK_F1 + n - 1);
    }
    if (name.size() == 1) {
        wchar_t c = name[0];
        if (std::iswalpha(c) && c < 128) return static_cast<WORD>(std::towupper(c));
        if (std::iswdigit(c)) return static_cast<WORD>(c);
        SHORT scan = VkKeyScanW(c);
        if (scan != -1) {
            *needsShift = (scan >> 8) & 1;
            return static_cast<WORD>(scan & 0xFF);
        }
    }
    if (lower.size() > 2 && lower[0] == L'0' && lower[1] == L'x') return static_cast<WORD>(parseNumber(lower, L"key"));
    fail(L"unknown key '" + name + L"'");
}

void send(std::vector<INPUT>& events) {
    if (events.empty()) return;
    UINT sent = SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    if (sent != events.size()) fail(L"SendInput sent " + std::to_wstring(sent) + L" of " + std::to_wstring(events.size()) + L" events");
    events.clear();
}

void typeText(const std::wstring& text, DWORD delayMs) {
    std::vector<INPUT> events;
    for (wchar_t c : text) {
        if (c == L'\n') {
            events.push_back(keyEvent(VK_RETURN, false));
            events.push_back(keyEvent(VK_RETURN, true));
        } else if (c == L'\t') {
            events.push_back(keyEvent(VK_TAB, false));
            events.push_back(keyEvent(VK_TAB, true));
        } else if (c != L'\r') {
            events.push_back(unicodeEvent(c, false));
            events.push_back(unicodeEvent(c, true));
        }
        send(events);
        if (delayMs) Sleep(delayMs);
    }
}

struct Chord {
    std::vector<WORD> mods;
    WORD key = 0;
    int repeat = 1;
};

// "ctrl+shift+F8*2": modifiers, a key and a repeat count.
Chord parseChord(const std::wstring& token) {
    Chord c;
    std::wstring chord = token;
    if (size_t star = chord.rfind(L'*'); star != std::wstring::npos && star > 0 && star + 1 < chord.size()) {
        c.repeat = static_cast<int>(parseNumber(chord.substr(star + 1), L"repeat count"));
        chord.resize(star);
    }
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        // A '+' right after another '+' (or at the start) is the plus key itself.
        size_t plus = chord.find(L'+', start + 1);
        if (plus == std::wstring::npos) {
            parts.push_back(chord.substr(start));
            break;
        }
        parts.push_back(chord.substr(start, plus - start));
        start = plus + 1;
    }
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        bool shift = false;
        c.mods.push_back(virtualKey(parts[i], &shift));
    }
    bool needsShift = false;
    c.key = virtualKey(parts.back(), &needsShift);
    if (needsShift && std::find(c.mods.begin(), c.mods.end(), static_cast<WORD>(VK_SHIFT)) == c.mods.end())
        c.mods.push_back(VK_SHIFT);
    return c;
}

// The control with the keyboard focus in the foreground window's thread.
HWND focusedControl() {
    HWND fg = GetForegroundWindow();
    if (!fg) return nullptr;
    DWORD me = GetCurrentThreadId();
    DWORD t = GetWindowThreadProcessId(fg, nullptr);
    if (t == me || !AttachThreadInput(me, t, TRUE)) return nullptr;
    HWND focus = GetFocus();
    AttachThreadInput(me, t, FALSE);
    return focus;
}

// Typed keys wait in the target's input queue; a key pressed next (a hotkey
// that moves the focus) or a message sent next would overtake them. When the
// focused control shows its text, wait until the typed text has arrived.
void waitForTypedText(HWND focus, const std::wstring& text) {
    if (!focus || text.find_first_of(L"\r\n\t") != std::wstring::npos) return;
    try {
        waitUntil(3000, [&] { return windowText(focus).find(text) != std::wstring::npos; });
    } catch (const Failure&) {
        // A control that does not answer WM_GETTEXT: nothing to wait for.
    }
}

void pressChord(const std::wstring& token, DWORD delayMs) {
    Chord c = parseChord(token);
    for (int r = 0; r < c.repeat; ++r) {
        std::vector<INPUT> events;
        for (WORD m : c.mods) events.push_back(keyEvent(m, false));
        events.push_back(keyEvent(c.key, false));
        events.push_back(keyEvent(c.key, true));
        for (auto it = c.mods.rbegin(); it != c.mods.rend(); ++it) events.push_back(keyEvent(*it, true));
        send(events);
        if (delayMs) Sleep(delayMs);
    }
}

UINT hotkeyModifiers(const Chord& c) {
    UINT mods = 0;
    for (WORD m : c.mods) {
        if (m == VK_CONTROL) mods |= MOD_CONTROL;
        else if (m == VK_SHIFT) mods |= MOD_SHIFT;
        else if (m == VK_MENU) mods |= MOD_ALT;
        else if (m == VK_LWIN) mods |= MOD_WIN;
        else fail(L"not a modifier in a hotkey");
    }
    return mods;
}

// Whether another program holds a system hotkey: registering it fails then.
CommandRegistrar hotkeyFreeCmd(L"hotkey-free", L"CHORD  (succeeds when no program has registered the hotkey, e.g. F8, ctrl+F11)", 1,
                               [](const Args& a) {
                                   Chord c = parseChord(a[0]);
                                   if (!RegisterHotKey(nullptr, 1, hotkeyModifiers(c), c.key)) fail(a[0] + L" is registered by a program");
                                   UnregisterHotKey(nullptr, 1);
                                   out(L"free");
                               });

// A stand-in for a program with a system hotkey: prints "ready", then
// "hotkey" for each WM_HOTKEY, until COUNT arrived or SECONDS passed.
CommandRegistrar hotkeyHostCmd(L"hotkey-host", L"CHORD [SECONDS] [COUNT]  (registers a hotkey and prints each press)", 1,
                               [](const Args& a) {
                                   Chord c = parseChord(a[0]);
                                   int seconds = a.size() > 1 ? static_cast<int>(parseNumber(a[1], L"seconds")) : 30;
                                   int left = a.size() > 2 ? static_cast<int>(parseNumber(a[2], L"count")) : 1;
                                   if (!RegisterHotKey(nullptr, 1, hotkeyModifiers(c), c.key)) fail(L"cannot register " + a[0]);
                                   out(L"ready");
                                   SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);
                                   MSG m;
                                   while (left > 0 && GetMessageW(&m, nullptr, 0, 0) > 0) {
                                       if (m.message == WM_HOTKEY) {
                                           out(L"hotkey");
                                           --left;
                                       } else if (m.message == WM_TIMER && !m.hwnd) {
                                           break;
                                       }
                                       DispatchMessageW(&m);
                                   }
                                   UnregisterHotKey(nullptr, 1);
                                   if (left > 0) fail(L"timed out");
                               });

CommandRegistrar keysCmd(
    L"keys",
    L"CHORD...  (each CHORD such as ctrl+a, F8, shift+Left*3, ctrl+shift+F8, or text:CHARACTERS; "
    L"down:KEY / up:KEY hold or release a key)",
    1, [](const Args& a) {
        const DWORD delay = 15;
        for (const std::wstring& token : a) {
            if (token.rfind(L"text:", 0) == 0) {
                HWND focus = focusedControl();
                typeText(token.substr(5), delay);
                waitForTypedText(focus, token.substr(5));
            } else if (token.rfind(L"down:", 0) == 0 || token.rfind(L"up:", 0) == 0) {
                bool up = token[0] == L'u';
                bool shift = false;
                std::vector<INPUT> events{keyEvent(virtualKey(token.substr(up ? 3 : 5), &shift), up)};
                send(events);
                Sleep(delay);
            } else {
                pressChord(token, delay);
            }
        }
        Sleep(50);
    });

}  // namespace
}  // namespace wxd
