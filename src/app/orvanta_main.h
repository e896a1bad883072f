#pragma once

#include <QStringList>

#include <functional>

class QApplication;

namespace orvanta {

class ParallelPort;
class Station;

// What the end-to-end tests change in the real program: nothing but the
// parallel port, which needs privileges, and a look at the running station.
struct MainHooks {
    ParallelPort *parallelPort = nullptr;
    std::function<void(Station &)> started;
};

// The program: reads the command line, builds the real devices and the
// station, and runs until the main window is closed. Returns the exit status.
// --help and --version are answered before, by main, without a display.
int runOrvanta(QApplication &app, const QStringList &arguments, const MainHooks &hooks = {});

} // namespace orvanta
