#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillux::cli {

// Bad use of the tool: unknown command or option, missing option, a number that is not one.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The words after the command: positional words (subcommands) and "--name value" options.
// Flags are options without a value; which names are flags is declared by the command.
class Arguments {
public:
    Arguments(std::vector<std::string> words, std::set<std::string> flagNames);

    // Positional words in order (for example a subcommand).
    const std::vector<std::string>& Positionals() const { return positionals_; }
    std::string Subcommand(const std::set<std::string>& allowed);

    bool HelpRequested() const { return help_; }
    bool Flag(const std::string& name);

    // Options read once each; after the command has read what it knows, Finish() rejects
    // anything left over.
    std::optional<std::string> Text(const std::string& name);
    std::string RequiredText(const std::string& name);
    std::vector<std::string> Repeated(const std::string& name);
    // Numbers always use "." whatever the locale; "inf", "-inf", "nan" are accepted.
    std::optional<double> Number(const std::string& name);
    double RequiredNumber(const std::string& name);
    double NumberOr(const std::string& name, double fallback);
    std::optional<long long> Integer(const std::string& name);
    long long RequiredInteger(const std::string& name);
    std::string Choice(const std::string& name, const std::set<std::string>& allowed,
                       std::optional<std::string> fallback = std::nullopt);
    void Finish();

    static double ParseNumber(const std::string& name, const std::string& text);
    static long long ParseInteger(const std::string& name, const std::string& text);

private:
    std::vector<std::string> positionals_;
    std::multimap<std::string, std::string> options_;
    std::set<std::string> flags_;
    std::set<std::string> declaredFlags_;
    std::set<std::string> used_;
    bool help_ = false;
};

}  // namespace quillux::cli
