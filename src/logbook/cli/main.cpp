#include "logbook/cli/log_commands.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // Qt finds its SQLite driver through the application's plugin paths.
    QCoreApplication application(argc, argv);
    return orvanta::runLogCommand(arguments, std::cout, std::cerr);
}
