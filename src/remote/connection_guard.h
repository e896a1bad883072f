#pragma once

#include <QObject>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTimer>

#include <memory>
#include <type_traits>

class QTcpSocket;

namespace orvanta {

// What one client may take of the server.
struct RemoteLimits {
    int maxConnections = 64;
    qint64 maxRequestBytes = 64 * 1024; // request line, headers and body together
    int requestTimeoutMs = 10 * 1000;   // from a request's first byte to its last
    int idleTimeoutMs = 120 * 1000;     // a kept-alive connection with no request
};

// Watches the connections of one listener before the HTTP server reads
// them: counts them, and closes one whose request is too big, malformed
// from its first line, too slow to come, or that idles. A connection that
// becomes a WebSocket is left to the WebSocket's own limits.
class ConnectionGuard {
public:
    explicit ConnectionGuard(RemoteLimits limits)
        : limits_(limits), open_(std::make_shared<int>(0)), refusing_(std::make_shared<int>(0))
    {
    }
    bool full() const { return *open_ >= limits_.maxConnections; }
    int open() const { return *open_; }
    void watch(QTcpSocket *socket);
    const RemoteLimits &limits() const { return limits_; }

    // A connection past the limit: answered 503 on a socket of its own (over
    // TLS once the handshake is done, tls then given), then closed. While
    // many such answers are on their way, further ones are simply closed.
    void refuse(qintptr handle, const QSslConfiguration *tls, QObject *parent);

private:
    RemoteLimits limits_;
    std::shared_ptr<int> open_;
    std::shared_ptr<int> refusing_;
};

// A refusal written before the HTTP server sees the request.
void refuseRaw(QTcpSocket *socket, int status, const QByteArray &statusText, const QString &reason);

// A listener that hands each connection to the guard, or refuses it when
// the guard is full: Server is QTcpServer, or QSslServer for TLS.
// Over TLS a connection counts from the start of its handshake, which has
// the time a request has.
template <typename Server>
class GuardedListener : public Server {
public:
    GuardedListener(ConnectionGuard &guard, QObject *parent) : Server(parent), guard_(guard) {}

    QTcpSocket *nextPendingConnection() override
    {
        QTcpSocket *socket = Server::nextPendingConnection();
        if (socket && !std::is_same_v<Server, QSslServer>)
            guard_.watch(socket);
        return socket;
    }

protected:
    void incomingConnection(qintptr handle) override
    {
        if (!guard_.full()) {
            Server::incomingConnection(handle);
            if constexpr (std::is_same_v<Server, QSslServer>)
                watchHandshake(handle);
        } else if constexpr (std::is_same_v<Server, QSslServer>) {
            const QSslConfiguration tls = this->sslConfiguration();
            guard_.refuse(handle, &tls, this);
        } else {
            guard_.refuse(handle, nullptr, this);
        }
    }

private:
    // Qt's TLS server makes the socket, a child of its own, and waits for
    // the client before its handshake and its handshake timeout begin: a
    // client that connects and says nothing would hold its connection for
    // ever. Found by its descriptor, it is watched from now on.
    void watchHandshake(qintptr handle)
    {
        const auto sockets = this->template findChildren<QSslSocket *>(Qt::FindDirectChildrenOnly);
        for (auto it = sockets.rbegin(); it != sockets.rend(); ++it)
            if ((*it)->socketDescriptor() == handle) {
                guard_.watch(*it);
                return;
            }
    }

    ConnectionGuard &guard_;
};

using PlainListener = GuardedListener<QTcpServer>;
using TlsListener = GuardedListener<QSslServer>;

} // namespace orvanta
