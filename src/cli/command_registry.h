#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "cli/arguments.h"

namespace quillux::cli {

// A command's entry point: it prints its result and returns the exit status. Bad use is
// reported by throwing UsageError (exit 2, nothing on standard output).
using CommandFunction = std::function<int(Arguments& arguments)>;

struct Command {
    std::string name;     // "format", or "dmx" for a command with subcommands
    std::string summary;  // one line for `quillux-calc --help`
    std::string usage;    // the option list for `quillux-calc COMMAND --help`
    CommandFunction run;
};

// Every command registers itself from its own source file with a static CommandRegistration,
// so adding a command never touches the others.
std::map<std::string, Command>& CommandTable();

struct CommandRegistration {
    explicit CommandRegistration(Command command);
};

}  // namespace quillux::cli
