#include "data/element_update_command.h"
#include "orbit/cli/cli_text.h"
#include "orbit/cli/commands.h"
#include "platform/interface_language.h"

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QTranslator>

#include <iostream>
#include <optional>

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);

    // The language of the messages and the usage follows LC_ALL, LC_MESSAGES
    // and LANG. The orbit commands read their texts straight from the
    // translation, without an application object; the update downloads from
    // Qt's event loop, which needs one, and translates through it.
    QTranslator english;
    const bool inEnglish = orvanta::chooseInterfaceLanguage({}, QProcessEnvironment::systemEnvironment()).language
                               == orvanta::InterfaceLanguage::English
                           && english.load(QStringLiteral("orvanta_en"), QStringLiteral(":/i18n"));
    if (inEnglish)
        orvanta::orbit::cli::setTextTranslator([&english](const char *context, const char *text) {
            const QString found = english.translate(context, text);
            return found.isEmpty() ? std::string(text) : found.toStdString();
        });

    if (!arguments.empty() && arguments.front() == "update") {
        const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
        QCoreApplication application(argc, argv);
        if (inEnglish)
            QCoreApplication::installTranslator(&english);
        return orvanta::runElementUpdateCommand(rest, std::cout, std::cerr);
    }
    return orvanta::orbit::cli::runOrbitCommand(arguments, std::cout, std::cerr);
}
