// Clipboard commands: Unicode text, a generated bitmap with a known pixel
// pattern (to check that a program leaves non-text contents intact), and the
// list of formats present.
#include "Driver.h"

namespace wxd {
namespace {

// Opens the clipboard for the lifetime of the object, retrying while another
// program holds it.
class OpenClipboardScope {
public:
    OpenClipboardScope() {
        if (!waitUntil(3000, [] { return OpenClipboard(nullptr) != 0; })) fail(L"the clipboard stays locked by another program");
    }
    ~OpenClipboardScope() { CloseClipboard(); }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

HGLOBAL globalCopy(const void* data, size_t size) {
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!mem) fail(L"out of memory");
    memcpy(GlobalLock(mem), data, size);
    GlobalUnlock(mem);
    return mem;
}

void setData(UINT format, HGLOBAL mem) {
    if (!SetClipboardData(format, mem)) {
        GlobalFree(mem);
        fail(L"SetClipboardData failed for format " + std::to_wstring(format));
    }
}

bool readText(std::wstring* text) {
    OpenClipboardScope open;
    HANDLE h = GetClipboardData(CF_UNICODETEXT);
    if (!h) return false;
    const auto* p = static_cast<const wchar_t*>(GlobalLock(h));
    if (!p) return false;
    size_t max = GlobalSize(h) / sizeof(wchar_t);
    *text = std::wstring(p, wcsnlen(p, max));
    GlobalUnlock(h);
    return true;
}

CommandRegistrar getTextCmd(L"clipboard-get-text", L"  (prints the Unicode text; fails when there is none)", 0, [](const Args&) {
    std::wstring text;
    if (!readText(&text)) fail(L"no text on the clipboard");
    out(text);
});

CommandRegistrar waitTextCmd(L"clipboard-wait-text", L"TEXT [TIMEOUT_MS]  (waits until the clipboard text equals TEXT)", 1,
                             [](const Args& a) {
                                 std::wstring text;
                                 bool have = false;
                                 if (!waitUntil(optTimeout(a, 1, 5000), [&] { return (have = readText(&text)) && text == a[0]; }))
                                     fail(have ? L"clipboard text is '" + escape(text) + L"', expected '" + escape(a[0]) + L"'"
                                               : L"no text on the clipboard, expected '" + escape(a[0]) + L"'");
                             });

CommandRegistrar setTextCmd(L"clipboard-set-text", L"TEXT  (replaces the clipboard contents with Unicode TEXT)", 1,
                            [](const Args& a) {
                                OpenClipboardScope open;
                                EmptyClipboard();
                                setData(CF_UNICODETEXT, globalCopy(a[0].c_str(), (a[0].size() + 1) * sizeof(wchar_t)));
                            });

CommandRegistrar setFileCmd(L"clipboard-set-file", L"FILE  (replaces the clipboard contents with the UTF-8 text of FILE)", 1,
                            [](const Args& a) {
                                HANDLE f = CreateFileW(a[0].c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
                                if (f == INVALID_HANDLE_VALUE) fail(L"cannot open " + a[0]);
                                const DWORD size = GetFileSize(f, nullptr);
                                std::string bytes(size == INVALID_FILE_SIZE ? 0 : size, '\0');
                                DWORD got = 0;
                                const BOOL read = ReadFile(f, bytes.data(), DWORD(bytes.size()), &got, nullptr);
                                CloseHandle(f);
                                if (!read || got != bytes.size()) fail(L"cannot read " + a[0]);
                                const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), nullptr, 0);
                                std::wstring text(size_t(n), L'\0');
                                MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), text.data(), n);
                                OpenClipboardScope open;
                                EmptyClipboard();
                                setData(CF_UNICODETEXT, globalCopy(text.c_str(), (text.size() + 1) * sizeof(wchar_t)));
                            });

CommandRegistrar clearCmd(L"clipboard-clear", L"  (empties the clipboard)", 0, [](const Args&) {
    OpenClipboardScope open;
    if (!EmptyClipboard()) fail(L"EmptyClipboard failed");
});

// The test pattern: every pixel differs from its neighbours, so a scaled,
// shifted or truncated copy is told apart from the original.
COLORREF patternPixel(int x, int y) {
    return RGB((x * 37 + y * 11) & 0xFF, (x * 5 + y * 53 + 7) & 0xFF, (x ^ (y * 3)) & 0xFF);
}

CommandRegistrar setBitmapCmd(L"clipboard-set-bitmap", L"W H  (a 32-bit device-independent bitmap with the test pattern)", 2,
                              [](const Args& a) {
                                  int w = static_cast<int>(parseNumber(a[0], L"width"));
                                  int h = static_cast<int>(parseNumber(a[1], L"height"));
                                  if (w <= 0 || h <= 0 || w > 4096 || h > 4096) fail(L"bitmap size out of range");
                                  std::vector<unsigned char> dib(sizeof(BITMAPINFOHEADER) + static_cast<size_t>(w) * h * 4);
                                  auto* bih = reinterpret_cast<BITMAPINFOHEADER*>(dib.data());
                                  bih->biSize = sizeof(BITMAPINFOHEADER);
                                  bih->biWidth = w;
                                  bih->biHeight = h;  // bottom-up rows
                                  bih->biPlanes = 1;
                                  bih->biBitCount = 32;
                                  bih->biCompression = BI_RGB;
                                  unsigned char* px = dib.data() + sizeof(BITMAPINFOHEADER);
                                  for (int y = 0; y < h; ++y)
                                      for (int x = 0; x < w; ++x) {
                                          COLORREF c = patternPixel(x, y);
                                          unsigned char* p = px + (static_cast<size_t>(h - 1 - y) * w + x) * 4;
                                          p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c), p[3] = 0;
                                      }
                                  OpenClipboardScope open;
                                  EmptyClipboard();
                                  setData(CF_DIB, globalCopy(dib.data(), dib.size()));
                              });

CommandRegistrar checkBitmapCmd(
    L"clipboard-check-bitmap", L"W H  (checks that the clipboard holds the test-pattern bitmap of that size)", 2,
    [](const Args& a) {
        int w = static_cast<int>(parseNumber(a[0], L"width"));
        int h = static_cast<int>(parseNumber(a[1], L"height"));
        OpenClipboardScope open;
        HANDLE mem = GetClipboardData(CF_DIB);
        if (!mem) fail(L"no bitmap on the clipboard");
        size_t size = GlobalSize(mem);
        const auto* base = static_cast<const unsigned char*>(GlobalLock(mem));
        if (!base || size < sizeof(BITMAPINFOHEADER)) fail(L"clipboard bitmap unreadable");
        BITMAPINFOHEADER bih;
        memcpy(&bih, base, sizeof bih);
        bool topDown = bih.biHeight < 0;
        int bh = topDown ? -bih.biHeight : bih.biHeight;
        if (bih.biWidth != w || bh != h) {
            GlobalUnlock(mem);
            fail(L"clipboard bitmap is " + std::to_wstring(bih.biWidth) + L"x" + std::to_wstring(bh) + L", expected " +
                 std::to_wstring(w) + L"x" + std::to_wstring(h));
        }
        if ((bih.biBitCount != 24 && bih.biBitCount != 32) || (bih.biCompression != BI_RGB && bih.biCompression != BI_BITFIELDS)) {
            GlobalUnlock(mem);
            fail(L"clipboard bitmap has an unexpected pixel format (" + std::to_wstring(bih.biBitCount) + L" bits)");
        }
        size_t offset = bih.biSize + (bih.biCompression == BI_BITFIELDS ? 12 : 0) + bih.biClrUsed * 4;
        size_t stride = ((static_cast<size_t>(w) * bih.biBitCount + 31) / 32) * 4;
        if (offset > size || stride * h > size - offset) {
            GlobalUnlock(mem);
            fail(L"clipboard bitmap is truncated");
        }
        int bad = 0;
        for (int y = 0; y < h; ++y) {
            const unsigned char* row = base + offset + stride * static_cast<size_t>(topDown ? y : h - 1 - y);
            for (int x = 0; x < w; ++x) {
                const unsigned char* p = row + static_cast<size_t>(x) * (bih.biBitCount / 8);
                COLORREF c = patternPixel(x, y);
                if (p[0] != GetBValue(c) || p[1] != GetGValue(c) || p[2] != GetRValue(c)) ++bad;
            }
        }
        GlobalUnlock(mem);
        if (bad) fail(std::to_wstring(bad) + L" pixels of the clipboard bitmap differ from the test pattern");
        out(L"bitmap " + std::to_wstring(w) + L"x" + std::to_wstring(h) + L" ok");
    });

std::wstring formatName(UINT f) {
    static const struct {
        UINT id;
        const wchar_t* name;
    } names[] = {{CF_TEXT, L"CF_TEXT"},         {CF_BITMAP, L"CF_BITMAP"},   {CF_METAFILEPICT, L"CF_METAFILEPICT"},
                 {CF_OEMTEXT, L"CF_OEMTEXT"},   {CF_DIB, L"CF_DIB"},         {CF_UNICODETEXT, L"CF_UNICODETEXT"},
                 {CF_ENHMETAFILE, L"CF_ENHMETAFILE"}, {CF_HDROP, L"CF_HDROP"}, {CF_LOCALE, L"CF_LOCALE"},
                 {CF_DIBV5, L"CF_DIBV5"},       {CF_PALETTE, L"CF_PALETTE"}};
    for (const auto& n : names)
        if (n.id == f) return n.name;
    wchar_t buf[256] = {};
    if (GetClipboardFormatNameW(f, buf, 256) > 0) return buf;
    return L"format" + std::to_wstring(f);
}

CommandRegistrar formatsCmd(L"clipboard-formats", L"  (one line per format: number and name)", 0, [](const Args&) {
    OpenClipboardScope open;
    for (UINT f = EnumClipboardFormats(0); f; f = EnumClipboardFormats(f)) out(std::to_wstring(f) + L"\t" + formatName(f));
});

}  // namespace
}  // namespace wxd
