#include "data/element_update_command.h"
#include "orbit/cli/commands.h"

#include <iostream>

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty() && arguments.front() == "update") {
        const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
        return orvanta::runElementUpdateCommand(rest, std::cout, std::cerr);
    }
    return orvanta::orbit::cli::runOrbitCommand(arguments, std::cout, std::cerr);
}
