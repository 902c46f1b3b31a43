// The serving mode: one driver process answers many requests, which saves
// starting a Wine process per command. A request on stdin is the argument
// count and the arguments, each UTF-8 and ended by a NUL byte (what bash's
// printf '%s\0' writes); the reply is the command's output followed by the
// end line (see Driver.h). The loop ends at the end of stdin.
#include "Driver.h"

namespace wxd {
namespace {

std::wstring fromUtf8(const std::string& s) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

// Reads NUL-terminated strings from stdin.
class RequestReader {
public:
    bool next(std::string* token) {
        for (;;) {
            size_t nul = buffer_.find('\0', pos_);
            if (nul != std::string::npos) {
                *token = buffer_.substr(pos_, nul - pos_);
                pos_ = nul + 1;
                return true;
            }
            buffer_.erase(0, pos_);
            pos_ = 0;
            char chunk[4096];
            DWORD got = 0;
            if (!ReadFile(GetStdHandle(STD_INPUT_HANDLE), chunk, sizeof chunk, &got, nullptr) || got == 0) return false;
            buffer_.append(chunk, got);
        }
    }

private:
    std::string buffer_;
    size_t pos_ = 0;
};

CommandRegistrar serveCmd(L"serve", L"  (answers requests from stdin until it ends; used by lib.sh)", 0, [](const Args&) {
    gServing = true;
    RequestReader reader;
    std::string token;
    while (reader.next(&token)) {
        unsigned long count = strtoul(token.c_str(), nullptr, 10);
        std::vector<std::wstring> argv;
        bool complete = true;
        for (unsigned long i = 0; i < count && complete; ++i) {
            complete = reader.next(&token);
            argv.push_back(fromUtf8(token));
        }
        if (!complete) break;
        int code = 2;
        if (!argv.empty() && argv[0] == L"serve")
            errLine(L"wxdriver: serve cannot be nested");
        else
            code = runSequence(argv);
        out(kServeEndMark + std::to_wstring(code));
    }
    gServing = false;
});

}  // namespace
}  // namespace wxd
