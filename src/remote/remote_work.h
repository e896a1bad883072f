#pragma once

#include "remote/remote_server.h"
#include "remote/remote_settings.h"
#include "remote/remote_setup.h"

#include <QObject>

#include <optional>

class QLabel;
class QMainWindow;
class QMenu;

namespace orvanta {

class DistanceWindow;
class RemoteStation;
class SettingsStore;

// The remote station as the main window holds it: the server, started as
// the settings or the command line say, the entries "Station a distance"
// and "Couper les sessions a distance" of the menu "Configuration", and the
// status line that says who is connected. Nothing here ever shows a
// message box: a refusal to start or a flood of wrong passwords is said on
// the status line, once until its cause changes.
class RemoteWork : public QObject {
public:
    struct Links {
        QMainWindow &window;
        QMenu *menu; // "Configuration", where the remote station's entries go
        SettingsStore &store;
        RemoteStation &station;
        std::optional<RemoteListen> oneRun; // --remote: on for this run, at this address
    };

    explicit RemoteWork(Links links);
    ~RemoteWork() override;

    void start();
    // After each tick.
    void ticked();
    RemoteServer &server() { return server_; }

private:
    void restart();
    void showSessions();
    void say(const QString &text);

    Links links_;
    RemoteServer server_;
    RemoteSetup setup_;
    DistanceWindow *dialog_;
    QLabel *status_ = nullptr;
    QString refusal_; // why the server is not running, once said
    QString shown_;
};

} // namespace orvanta
