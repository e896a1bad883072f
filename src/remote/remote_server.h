#pragma once

#include "remote/connection_guard.h"
#include "remote/remote_sessions.h"
#include "remote/remote_settings.h"
#include "remote/remote_state.h"

#include <QElapsedTimer>
#include <QHttpServer>
#include <QObject>
#include <QThreadPool>
#include <QWebSocketProtocol>

#include <set>
#include <vector>

class QWebSocket;

namespace orvanta {

class RemoteStation;
struct Refusal;

// The remote station's server: the page, the JSON API and the live
// WebSocket, over Qt's HTTP server, on loopback or over TLS. Everything runs
// on the window's thread except the password checks, which are slow on
// purpose and run on a thread pool of their own.
class RemoteServer : public QObject {
    Q_OBJECT
public:
    explicit RemoteServer(RemoteStation &station, QObject *parent = nullptr);
    ~RemoteServer() override;

    // Listens as the settings say. Returns why it cannot, in French, or empty.
    QString start(const RemoteSettings &settings, const RemoteLimits &limits = {});
    void stop();
    bool listening() const { return listening_; }
    quint16 port() const { return port_; }

    // After each tick: one state message to every live client.
    void publish();
    // Ends every session and closes every live client.
    void cutAllSessions();
    // A password changed: every session ends.
    void setPasswordHashes(const QByteArray &operatorHash, const QByteArray &viewerHash);

    struct Connected {
        RemoteRole role;
        QString address;
    };
    std::vector<Connected> sessions();
    int liveClients() const { return int(clients_.size()); }
    int openConnections() const { return guard_ ? guard_->open() : 0; }

signals:
    void sessionsChanged();
    // Wrong passwords keep coming from an address: said once per address.
    void loginsRefused(const QString &address);

private:
    struct Caller;
    struct LiveClient {
        QWebSocket *socket;
        QByteArray sessionKey; // SessionBook::key of its token: no hashing per tick
        int refused = 0; // messages it sent that were refused
    };

    void answer(const QHttpServerRequest &request, QHttpServerResponder &&responder);
    void login(const QHttpServerRequest &request, QHttpServerResponder &&responder);
    void loginChecked(QPointer<QTcpSocket> socket, std::shared_ptr<QHttpServerResponder> responder,
                      const QString &address, std::optional<RemoteRole> role);
    void command(const QString &path, const QHttpServerRequest &request, QHttpServerResponder &responder);
    std::optional<Refusal> liveRefusal(const QHttpServerRequest &request);
    void liveConnected();
    void liveMessage(QWebSocket *socket, const QString &text);
    void closeClients(QByteArray token, QWebSocketProtocol::CloseCode code, const QString &reason);
    void dropClient(QWebSocket *socket, QWebSocketProtocol::CloseCode code, const QString &reason);

    Caller caller(const QByteArray &authorization, const QByteArray &cookie);
    bool hostAllowed(const QByteArray &host) const;
    bool sameOrigin(const QByteArray &origin, const QByteArray &host) const;
    void send(QHttpServerResponder &responder, int status, const QByteArray &type, const QByteArray &body,
              const std::vector<std::pair<QByteArray, QByteArray>> &extra = {}) const;
    void sendJson(QHttpServerResponder &responder, int status, const QJsonObject &object,
                  const std::vector<std::pair<QByteArray, QByteArray>> &extra = {}) const;
    void refuse(QHttpServerResponder &responder, const Refusal &refusal) const;
    std::int64_t nowMs() const { return clock_.elapsed(); }

    RemoteStation &station_;
    QThreadPool checks_; // the password checks; waited for before anything else goes
    std::unique_ptr<QHttpServer> http_;
    std::unique_ptr<ConnectionGuard> guard_;
    RemoteSettings settings_;
    QElapsedTimer clock_;
    SessionBook sessions_{0};
    LoginThrottle throttle_{1000};
    std::set<QString> checking_; // addresses with a password being checked
    std::set<QString> toldRefused_;
    std::set<QString> certificateNames_; // the names a TLS client may use as Host
    std::vector<LiveClient> clients_;
    RemoteSky sentSky_; // the sky whose paths the live clients last got
    int passwordGeneration_ = 0; // a password check belongs to the passwords it was made against
    bool listening_ = false;
    bool tls_ = false;
    quint16 port_ = 0;
};

} // namespace orvanta
