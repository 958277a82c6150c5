#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace quillux::test_support {

struct CalcRun {
    int status;
    std::string out;
};

// Runs the built quillux-calc with `arguments` (shell words), standard error sent to
// /dev/null; returns its exit status and standard output.
inline CalcRun RunCalc(const std::string& arguments) {
    const std::string command = std::string("'") + QUILLUX_CALC + "' " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return {-1, ""};
    std::string out;
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, read);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

}  // namespace quillux::test_support
