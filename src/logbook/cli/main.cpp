#include "logbook/cli/log_commands.h"
#include "orbit/cli/cli_text.h"
#include "platform/interface_language.h"

#include <QCoreApplication>
#include <QProcessEnvironment>

#include <iostream>

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // Qt finds its SQLite driver through the application's plugin paths.
    QCoreApplication application(argc, argv);
    // The messages follow LC_ALL, LC_MESSAGES and LANG, the options' own too.
    const orvanta::InterfaceTranslations translations(
        orvanta::chooseInterfaceLanguage({}, QProcessEnvironment::systemEnvironment()).language);
    orvanta::orbit::cli::setTextTranslator(
        [](const char *context, const char *text) { return QCoreApplication::translate(context, text).toStdString(); });
    return orvanta::runLogCommand(arguments, std::cout, std::cerr);
}
