#include "app/orvanta_main.h"

#include "app/engine_language.h"
#include "app/station.h"
#include "app/station_options.h"
#include "config/configuration.h"
#include "config/device_setup.h"
#include "data/station_folder.h"
#include "platform/desktop_help_viewer.h"
#include "platform/ini_settings_store.h"
#include "platform/interface_language.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_serial_line.h"
#include "platform/qt_sound_player.h"
#include "platform/switchable_parallel_port.h"
#include "platform/text_numbers.h"
#include "platform/utc_clock.h"
#include "platform/waiter.h"
#include "tracking/rehearsal_clock.h"

#include <QApplication>
#include <QDir>
#include <QProcessEnvironment>

#include <cstdio>
#include <memory>

namespace orvanta {

namespace {
constexpr int kDefaultLptAddress = 0x378;
} // namespace

int runOrvanta(QApplication &app, const QStringList &arguments, const MainHooks &hooks)
{
    QString error;
    const auto options = parseStationOptions(arguments, &error);
    if (!options) {
        std::fprintf(stderr, "orvanta: %s\n%s", qPrintable(error), qPrintable(stationUsage()));
        return 2;
    }
    QtMessageBoxes messages;
    IniSettingsStore store(options->settingsFile, messages);
    // Before the station folder is chosen and the first window made: every
    // text is in the chosen language, the standard buttons of questions
    // included.
    const LanguageChoice language = chooseInterfaceLanguage(
        store.get(kApplication, kSetupSection, kLanguageKey), QProcessEnvironment::systemEnvironment());
    const InterfaceTranslations translations(language.language);
    if (!translations.problem().isEmpty())
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(translations.problem()));
    translateEngineTexts();
    const StationFolderChoice folder = chooseStationFolder(options->stationFolder, QDir::currentPath(),
                                                           QApplication::applicationDirPath(),
                                                           QProcessEnvironment::systemEnvironment());
    if (!folder.error.isEmpty()) {
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(folder.error));
        return 2;
    }
    QtSerialLine receiverLine(receiverDevice(store), QStringLiteral("19200,n,8,1"), messages);
    QtSerialLine rotorLine(rotorDevice(store), QStringLiteral("4800,n,8,1"), messages);
    Station *running = nullptr;
    // The FodTrack's base address is the configuration's, read at each write.
    SwitchableParallelPort linuxPort(parallelDevice(store), [&running] {
        return running ? int(roundHalfEven(running->config().Adresse_LPT)) : kDefaultLptAddress;
    }, messages);
    ParallelPort &parallelPort = hooks.parallelPort ? *hooks.parallelPort : linuxPort;
    DeviceSetup deviceSetup(store, receiverLine, rotorLine, linuxPort, messages);
    QtSoundPlayer sound;
    EventLoopWaiter waiter;
    DesktopHelpViewer help(messages, language.language);
    SystemUtcClock systemClock;
    std::unique_ptr<RehearsalClock> rehearsal;
    if (options->startTime.isValid())
        rehearsal = std::make_unique<RehearsalClock>(options->startTime);
    const UtcClock &clock = rehearsal ? static_cast<const UtcClock &>(*rehearsal) : systemClock;

    Station station(StationPlatform{store, messages, clock, waiter, receiverLine, rotorLine, parallelPort, sound, help,
                                    folder.folder, &deviceSetup, nullptr, options->remote});
    running = &station;
    messages.setParent(&station.window());
    station.start();
    if (!folder.notice.isEmpty())
        static_cast<MessageBoxes &>(messages).information(folder.notice);
    if (!language.problem.isEmpty())
        static_cast<MessageBoxes &>(messages).information(language.problem);
    if (hooks.started)
        hooks.started(station);
    return app.exec();
}

} // namespace orvanta
