#include "app/orvanta_main.h"
#include "app/station_options.h"
#include "app/version.h"
#include "platform/interface_language.h"
#include "remote/remote_setup.h"

#include <QApplication>
#include <QProcessEnvironment>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    // Answered before any window system is needed: QApplication aborts without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("orvanta %s\n", qPrintable(orvanta::orvantaVersion()));
        return 0;
    }
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString error;
    auto options = orvanta::parseStationOptions(arguments, &error);
    // The usage, a wrong option and a password set over ssh need no display
    // either. Their messages follow the desktop's language, as the
    // command-line programs' do: the settings are not read yet.
    if (!options || options->help || !options->remotePasswordRole.isEmpty()) {
        const QCoreApplication core(argc, argv);
        const orvanta::InterfaceTranslations translations(
            orvanta::chooseInterfaceLanguage({}, QProcessEnvironment::systemEnvironment()).language);
        options = orvanta::parseStationOptions(arguments, &error);
        if (!options) {
            std::fprintf(stderr, "orvanta: %s\n%s", qPrintable(error), qPrintable(orvanta::stationUsage()));
            return 2;
        }
        if (options->help) {
            std::fputs(qPrintable(orvanta::stationUsage()), stdout);
            return 0;
        }
        return orvanta::setRemotePasswordFromInput(options->settingsFile, options->remotePasswordRole);
    }
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Orvanta"));
    return orvanta::runOrvanta(app, app.arguments());
}
