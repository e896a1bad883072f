#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace orvanta {

class SettingsStore;

// Who a password lets in: an operator acts, a viewer only watches.
enum class RemoteRole { Viewer, Operator };

QString roleName(RemoteRole role);        // "operator", "viewer": the API's words
QString roleCaption(RemoteRole role);     // "operateur", "observateur": the window's

// The section "Distance" of the settings: the remote station's server.
struct RemoteSettings {
    bool enabled = false;
    QString address = QStringLiteral("127.0.0.1");
    int port = 8470;
    QString certificateFile; // PEM, required on any address but loopback
    QString keyFile;         // PEM
    QByteArray operatorHash; // crypto_pwhash strings; empty: nobody in with this role
    QByteArray viewerHash;
    int idleHours = 12;          // a session unused that long ends
    int failureDelayMs = 1000;   // the first wait after a wrong password, doubled at each next one
};

RemoteSettings loadRemoteSettings(const SettingsStore &store);
// Saves everything but the password hashes (see saveRemotePasswordHash).
void saveRemoteSettings(SettingsStore &store, const RemoteSettings &settings);
void saveRemotePasswordHash(SettingsStore &store, RemoteRole role, const QByteArray &hash);

// Why the server must not start with these settings, or empty: any address
// but loopback needs TLS; nobody may come in without a password.
QString remoteStartRefusal(const RemoteSettings &settings);
bool isLoopbackAddress(const QString &address);

// "--remote [ADDRESS:]PORT": the address and port to listen on for one run.
struct RemoteListen {
    QString address = QStringLiteral("127.0.0.1");
    int port = 0;
};
std::optional<RemoteListen> parseRemoteListen(const QString &text, QString *error);

} // namespace orvanta
