// The command-line tool's subcommands register themselves here, one file each
// (thesaurus, define, list, pipe ...), so that adding a command touches no other file.
#pragma once

#include <string>
#include <vector>

namespace wx::cli {

using CommandFn = int (*)(const std::vector<std::string>& args);

struct Command {
  const char* name;
  const char* usage;  // one line: arguments and what the command prints
  CommandFn run;
};

// Registers a command; used through a static CommandRegistrar in each command's file.
void RegisterCommand(const Command& command);
const std::vector<Command>& Commands();

struct CommandRegistrar {
  explicit CommandRegistrar(const Command& command) { RegisterCommand(command); }
};

// Folder of the running executable, for finding data installed beside the tools.
std::string ExecutableDir();

}  // namespace wx::cli
