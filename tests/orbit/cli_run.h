#pragma once

#include "orbit/cli/commands.h"

#include <sstream>
#include <string>
#include <vector>

// Runs orvanta-orbit's commands in the test process.
namespace orvanta::orbit::test {

struct CommandRun {
    int status = 0;
    std::string out;
    std::string err;
};

inline CommandRun run(const std::vector<std::string> &arguments)
{
    std::ostringstream out, err;
    const int status = cli::runOrbitCommand(arguments, out, err);
    return {status, out.str(), err.str()};
}

inline std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

} // namespace orvanta::orbit::test
