#include "app/orvanta_main.h"
#include "app/station_options.h"
#include "app/version.h"
#include "remote/remote_setup.h"

#include <QApplication>

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
    const auto options = orvanta::parseStationOptions(arguments, &error);
    if (options && options->help) {
        std::fputs(qPrintable(orvanta::stationUsage()), stdout);
        return 0;
    }
    // For a station set up over ssh: no display either.
    if (options && !options->remotePasswordRole.isEmpty())
        return orvanta::setRemotePasswordFromInput(options->settingsFile, options->remotePasswordRole);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Orvanta"));
    return orvanta::runOrvanta(app, app.arguments());
}
