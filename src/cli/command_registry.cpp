#include "cli/command_registry.h"

namespace quillux::cli {

std::map<std::string, Command>& CommandTable() {
    static std::map<std::string, Command> table;
    return table;
}

CommandRegistration::CommandRegistration(Command command) {
    std::string name = command.name;
    CommandTable().emplace(std::move(name), std::move(command));
}

}  // namespace quillux::cli
