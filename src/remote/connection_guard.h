#pragma once

#include <QObject>
#include <QSslServer>
#include <QTcpServer>
#include <QTimer>

#include <memory>

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
    explicit ConnectionGuard(RemoteLimits limits) : limits_(limits), open_(std::make_shared<int>(0)) {}
    bool full() const { return *open_ >= limits_.maxConnections; }
    int open() const { return *open_; }
    void watch(QTcpSocket *socket);
    const RemoteLimits &limits() const { return limits_; }

private:
    RemoteLimits limits_;
    std::shared_ptr<int> open_;
};

// A refusal written before the HTTP server sees the request.
void refuseRaw(QTcpSocket *socket, int status, const QByteArray &statusText, const QString &reason);

class PlainListener : public QTcpServer {
public:
    PlainListener(ConnectionGuard &guard, QObject *parent) : QTcpServer(parent), guard_(guard) {}
    QTcpSocket *nextPendingConnection() override;

protected:
    void incomingConnection(qintptr handle) override;

private:
    ConnectionGuard &guard_;
};

class TlsListener : public QSslServer {
public:
    TlsListener(ConnectionGuard &guard, QObject *parent) : QSslServer(parent), guard_(guard) {}
    QTcpSocket *nextPendingConnection() override;

protected:
    void incomingConnection(qintptr handle) override;

private:
    ConnectionGuard &guard_;
};

} // namespace orvanta
