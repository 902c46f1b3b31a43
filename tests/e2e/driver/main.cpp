// wxdriver: runs one command, or several separated by "--", and prints the
// results on stdout. Exit code 0 when every command succeeded, 1 otherwise,
// 2 for a usage error.
#include "Driver.h"

#include <cstdio>

namespace wxd {

std::vector<Command>& commandTable() {
    static std::vector<Command> table;
    return table;
}

CommandRegistrar::CommandRegistrar(const wchar_t* name, const wchar_t* usage, size_t minArgs,
                                   void (*run)(const Args&)) {
    commandTable().push_back({name, usage, minArgs, run});
}

void fail(const std::wstring& message) { throw Failure{message}; }

static void writeUtf8(DWORD stdHandle, const std::wstring& line) {
    std::wstring text = line + L"\n";
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(stdHandle), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

bool gServing = false;

void out(const std::wstring& line) { writeUtf8(STD_OUTPUT_HANDLE, line); }
void errLine(const std::wstring& line) {
    if (gServing)
        writeUtf8(STD_OUTPUT_HANDLE, kServeErrorMark + line);
    else
        writeUtf8(STD_ERROR_HANDLE, line);
}

static void usage() {
    errLine(L"usage: wxdriver COMMAND ARGS... [-- COMMAND ARGS...]...");
    for (const Command& c : commandTable()) errLine(std::wstring(L"  ") + c.name + L" " + c.usage);
}

static const Command* findCommand(const std::wstring& name) {
    for (const Command& c : commandTable())
        if (name == c.name) return &c;
    return nullptr;
}

int runSequence(const std::vector<std::wstring>& argv) {
    std::vector<Args> sequence(1);
    for (const std::wstring& arg : argv) {
        if (arg == L"--")
            sequence.emplace_back();
        else
            sequence.back().push_back(arg);
    }
    if (sequence.front().empty()) {
        usage();
        return 2;
    }
    for (const Args& step : sequence) {
        if (step.empty()) continue;
        const Command* command = findCommand(step[0]);
        if (!command) {
            errLine(L"wxdriver: unknown command '" + step[0] + L"'");
            usage();
            return 2;
        }
        Args args(step.begin() + 1, step.end());
        if (args.size() < command->minArgs) {
            errLine(std::wstring(L"wxdriver: usage: ") + command->name + L" " + command->usage);
            return 2;
        }
        try {
            command->run(args);
        } catch (const Failure& f) {
            errLine(L"wxdriver: " + step[0] + L": " + f.message);
            return 1;
        }
    }
    return 0;
}

}  // namespace wxd

int wmain(int argc, wchar_t** argv) { return wxd::runSequence(std::vector<std::wstring>(argv + 1, argv + argc)); }

