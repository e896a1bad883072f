#include "orbit/cli/commands.h"

#include <iostream>

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return orvanta::orbit::cli::runOrbitCommand(arguments, std::cout, std::cerr);
}
