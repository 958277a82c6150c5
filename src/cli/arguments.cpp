#include "cli/arguments.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace quillux::cli {

Arguments::Arguments(std::vector<std::string> words, std::set<std::string> flagNames)
    : declaredFlags_(std::move(flagNames)) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--help" || word == "-h") {
            help_ = true;
        } else if (word.rfind("--", 0) == 0 && word.size() > 2) {
            std::string name = word.substr(2);
            std::string value;
            if (auto eq = name.find('='); eq != std::string::npos) {
                value = name.substr(eq + 1);
                name = name.substr(0, eq);
                options_.emplace(name, value);
            } else if (declaredFlags_.count(name)) {
                flags_.insert(name);
            } else {
                if (i + 1 >= words.size()) throw UsageError("option --" + name + " needs a value");
                options_.emplace(name, words[++i]);
            }
        } else {
            positionals_.push_back(word);
        }
    }
}

std::string Arguments::Subcommand(const std::set<std::string>& allowed) {
    if (positionals_.empty()) throw UsageError("a subcommand is required");
    const std::string word = positionals_.front();
    if (!allowed.count(word)) throw UsageError("unknown subcommand '" + word + "'");
    positionals_.erase(positionals_.begin());
    return word;
}

bool Arguments::Flag(const std::string& name) {
    used_.insert(name);
    return flags_.count(name) > 0;
}

std::optional<std::string> Arguments::Text(const std::string& name) {
    used_.insert(name);
    auto range = options_.equal_range(name);
    if (range.first == range.second) return std::nullopt;
    if (std::next(range.first) != range.second) throw UsageError("option --" + name + " given twice");
    return range.first->second;
}

std::string Arguments::RequiredText(const std::string& name) {
    auto text = Text(name);
    if (!text) throw UsageError("missing option --" + name);
    return *text;
}

std::vector<std::string> Arguments::Repeated(const std::string& name) {
    used_.insert(name);
    std::vector<std::string> values;
    auto range = options_.equal_range(name);
    for (auto it = range.first; it != range.second; ++it) values.push_back(it->second);
    return values;
}

double Arguments::ParseNumber(const std::string& name, const std::string& text) {
    if (text == "inf" || text == "+inf") return std::numeric_limits<double>::infinity();
    if (text == "-inf") return -std::numeric_limits<double>::infinity();
    if (text == "nan") return std::numeric_limits<double>::quiet_NaN();
    double value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last || !std::isfinite(value)) {
        throw UsageError("option --" + name + " needs a number, not '" + text + "'");
    }
    return value;
}

long long Arguments::ParseInteger(const std::string& name, const std::string& text) {
    long long value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last) {
        throw UsageError("option --" + name + " needs a whole number, not '" + text + "'");
    }
    return value;
}

std::optional<double> Arguments::Number(const std::string& name) {
    auto text = Text(name);
    if (!text) return std::nullopt;
    return ParseNumber(name, *text);
}

double Arguments::RequiredNumber(const std::string& name) {
    return ParseNumber(name, RequiredText(name));
}

double Arguments::NumberOr(const std::string& name, double fallback) {
    return Number(name).value_or(fallback);
}

std::optional<long long> Arguments::Integer(const std::string& name) {
    auto text = Text(name);
    if (!text) return std::nullopt;
    return ParseInteger(name, *text);
}

long long Arguments::RequiredInteger(const std::string& name) {
    return ParseInteger(name, RequiredText(name));
}

std::string Arguments::Choice(const std::string& name, const std::set<std::string>& allowed,
                              std::optional<std::string> fallback) {
    auto text = Text(name);
    if (!text) {
        if (fallback) return *fallback;
        throw UsageError("missing option --" + name);
    }
    if (!allowed.count(*text)) throw UsageError("option --" + name + " does not take '" + *text + "'");
    return *text;
}

void Arguments::Finish() {
    for (const auto& [name, value] : options_) {
        if (!used_.count(name)) throw UsageError("unknown option --" + name);
    }
    for (const auto& name : flags_) {
        if (!used_.count(name)) throw UsageError("unknown option --" + name);
    }
    if (!positionals_.empty()) throw UsageError("unexpected word '" + positionals_.front() + "'");
}

}  // namespace quillux::cli
