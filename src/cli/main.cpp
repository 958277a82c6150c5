#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_registry.h"

using quillux::cli::Arguments;
using quillux::cli::CommandTable;
using quillux::cli::UsageError;

namespace {

void PrintOverview() {
    std::cout << "usage: quillux-calc COMMAND [SUBCOMMAND] [--option value ...]\n\ncommands:\n";
    for (const auto& [name, command] : CommandTable()) {
        std::cout << "  " << name << std::string(name.size() < 14 ? 14 - name.size() : 1, ' ')
                  << command.summary << '\n';
    }
    std::cout << "\n`quillux-calc COMMAND --help` lists a command's options.\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        std::cerr << "quillux-calc: a command is required (see quillux-calc --help)\n";
        return 2;
    }
    if (words.front() == "--help" || words.front() == "-h" || words.front() == "help") {
        PrintOverview();
        return 0;
    }
    auto found = CommandTable().find(words.front());
    if (found == CommandTable().end()) {
        std::cerr << "quillux-calc: unknown command '" << words.front() << "'\n";
        return 2;
    }
    const auto& command = found->second;
    words.erase(words.begin());
    try {
        // Flags are declared by each command through its usage; the parser is told the
        // known flag names so that "--offset" needs no value.
        static const std::set<std::string> kFlags = {"offset", "dip"};
        Arguments arguments(words, kFlags);
        if (arguments.HelpRequested()) {
            std::cout << "usage: quillux-calc " << command.name << ' ' << command.usage << '\n';
            return 0;
        }
        return command.run(arguments);
    } catch (const UsageError& error) {
        std::cerr << "quillux-calc: " << error.what() << '\n';
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "quillux-calc: " << error.what() << '\n';
        return 1;
    }
}
