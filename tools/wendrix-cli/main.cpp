// wendrix-cli: the language services on the command line.
#include "CliCommand.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>

namespace wx::cli {

static std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

void RegisterCommand(const Command& command) { Registry().push_back(command); }

const std::vector<Command>& Commands() { return Registry(); }

std::string ExecutableDir() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  return exe.parent_path().string();
}

}  // namespace wx::cli

static void PrintUsage(FILE* out) {
  std::fprintf(out, "usage: wendrix-cli COMMAND [ARGS...]\n\ncommands:\n");
  auto commands = wx::cli::Commands();
  std::sort(commands.begin(), commands.end(),
            [](const auto& a, const auto& b) { return std::strcmp(a.name, b.name) < 0; });
  for (const auto& c : commands) std::fprintf(out, "  %s %s\n", c.name, c.usage);
}

int main(int argc, char** argv) {
  if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
    PrintUsage(argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  for (const auto& c : wx::cli::Commands()) {
    if (std::strcmp(c.name, argv[1]) == 0) {
      std::vector<std::string> args(argv + 2, argv + argc);
      try {
        return c.run(args);
      } catch (const std::exception& e) {
        std::fprintf(stderr, "wendrix-cli %s: %s\n", c.name, e.what());
        return 2;
      }
    }
  }
  std::fprintf(stderr, "wendrix-cli: unknown command '%s'\n\n", argv[1]);
  PrintUsage(stderr);
  return 2;
}
