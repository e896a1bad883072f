#pragma once

#include "remote/remote_settings.h"

#include <QString>

#include <functional>

namespace orvanta {

class SettingsStore;

// What the dialog "Station a distance" does, without its window: the
// settings as edited, checked before they are kept, and the passwords,
// hashed at once and never kept in clear.
class RemoteSetup {
public:
    RemoteSetup(SettingsStore &store, std::function<void()> applied);

    const RemoteSettings &settings() const { return settings_; }
    void load();

    // The edited values; an error in French, or empty when kept.
    QString apply(bool enabled, const QString &address, const QString &port, const QString &certificateFile,
                  const QString &keyFile, const QString &idleHours);
    // A new password for a role (empty: nobody with that role).
    QString setPassword(RemoteRole role, const QString &password, const QString &again);

private:
    SettingsStore &store_;
    std::function<void()> applied_;
    RemoteSettings settings_;
};

// "orvanta --set-remote-password operator|viewer": reads the password from
// the standard input, keeps its hash in the settings file. The exit status.
int setRemotePasswordFromInput(const QString &settingsFile, const QString &role);

} // namespace orvanta
