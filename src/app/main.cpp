#include "app/main_window.h"
#include "app/station_clock.h"
#include "app/station_folder.h"
#include "app/station_options.h"
#include "app/version.h"
#include "config/configuration.h"
#include "platform/ini_settings_store.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_serial_line.h"
#include "platform/utc_clock.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstring>

using namespace orvanta;

int main(int argc, char **argv)
{
    // Answered before any window system is needed.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("orvanta %s\n", qPrintable(orvantaVersion()));
        return 0;
    }
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Orvanta"));

    QString error;
    const auto options = parseStationOptions(app.arguments(), &error);
    if (!options) {
        std::fprintf(stderr, "orvanta: %s\nusage: orvanta [--station DOSSIER] [--settings FICHIER]\n",
                     qPrintable(error));
        return 2;
    }
    const StationFolderChoice station = chooseStationFolder(options->stationFolder, QDir::currentPath(),
                                                            QApplication::applicationDirPath(),
                                                            QProcessEnvironment::systemEnvironment());
    if (!station.error.isEmpty()) {
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(station.error));
        return 2;
    }

    MainWindow window;
    QtMessageBoxes messages(&window);
    IniSettingsStore store(options->settingsFile, messages);
    QtSerialLine receiverLine(receiverDevice(store), QStringLiteral("9600,n,8,1"), messages);
    QtSerialLine rotorLine(rotorDevice(store), QStringLiteral("19200,n,8,1"), messages);

    ConfigStation config;
    ConfigContext context{store, window, receiverLine, rotorLine, &messages};
    Charge_Config(config, context);

    SystemUtcClock utc;
    StationClock clock(utc, [&window](const QString &control, const QString &text) {
        window.setControlText(control, text);
    });
    clock.Lire_Heure_UTC();
    window.startClock(clock);

    QObject::connect(&window, &MainWindow::closing, [&] { Sauve_Config(config, store); });
    window.setWindowTitle(QStringLiteral("Orvanta ") + Version());
    window.show();
    if (!station.notice.isEmpty())
        messages.information(station.notice, QStringLiteral("Orvanta"), MessageBoxes::Icon::Information);
    return app.exec();
}
