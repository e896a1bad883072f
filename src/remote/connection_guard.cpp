#include "remote/connection_guard.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTcpSocket>

namespace orvanta {

namespace {

// One per connection, a child of its socket: it lives exactly as long.
class SocketWatch : public QObject {
public:
    SocketWatch(QTcpSocket *socket, const RemoteLimits &limits, std::shared_ptr<int> open)
        : QObject(socket), socket_(socket), limits_(limits), open_(std::move(open))
    {
        ++*open_;
        socket->setReadBufferSize(limits.maxRequestBytes + 1);
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { socket_->abort(); });
        timer_.start(limits_.requestTimeoutMs);
        // Connected before the HTTP server's own reader: it runs first.
        reading_ = QObject::connect(socket, &QTcpSocket::readyRead, this, [this] { arrived(); });
    }
    ~SocketWatch() override { --*open_; }

private:
    void arrived()
    {
        if (!socket_->isTransactionStarted()) {
            // A new request: its first line must look like one.
            requestBytes_ = 0;
            timer_.start(limits_.requestTimeoutMs);
            const QByteArray start = socket_->peek(2048);
            const int end = start.indexOf("\r\n");
            static const QRegularExpression requestLine(QStringLiteral("^[A-Z]{1,10} [!-~]+ HTTP/1\\.[01]$"));
            if ((end >= 0 && !requestLine.match(QString::fromLatin1(start.left(end))).hasMatch())
                || (end < 0 && start.size() >= 2048)) {
                refuse(400, "Bad Request", QStringLiteral("Requête malformée : ligne de requête HTTP/1.1 attendue."));
                return;
            }
        }
        requestBytes_ += socket_->bytesAvailable();
        if (requestBytes_ > limits_.maxRequestBytes) {
            refuse(413, "Payload Too Large",
                   QStringLiteral("Requête trop grande : %1 Kio au plus, en-têtes compris.")
                       .arg(limits_.maxRequestBytes / 1024));
            return;
        }
        // After the HTTP server has read: a whole request starts the idle
        // wait; a socket the server handed to the WebSocket server lost
        // every connection, this one included.
        QTimer::singleShot(0, this, [this] {
            if (!reading_)
                timer_.stop();
            else if (!socket_->isTransactionStarted())
                timer_.start(limits_.idleTimeoutMs);
        });
    }

    void refuse(int status, const QByteArray &text, const QString &reason)
    {
        QObject::disconnect(socket_, &QTcpSocket::readyRead, nullptr, nullptr);
        refuseRaw(socket_, status, text, reason);
    }

    QTcpSocket *socket_;
    RemoteLimits limits_;
    std::shared_ptr<int> open_;
    QTimer timer_;
    QMetaObject::Connection reading_;
    qint64 requestBytes_ = 0;
};

} // namespace

void ConnectionGuard::watch(QTcpSocket *socket)
{
    new SocketWatch(socket, limits_, open_);
}

void refuseRaw(QTcpSocket *socket, int status, const QByteArray &statusText, const QString &reason)
{
    // What the client still sends is read and dropped: closing with unread
    // data would reset the connection, and the answer with it.
    if (socket->isTransactionStarted())
        socket->commitTransaction();
    socket->setReadBufferSize(0);
    socket->readAll();
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->readAll(); });
    const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("error"), reason}}).toJson(QJsonDocument::Compact);
    socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + statusText
                  + "\r\nContent-Type: application/json; charset=utf-8\r\nCache-Control: no-store\r\n"
                    "Connection: close\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    socket->disconnectFromHost();
    // A client that does not read its answer does not keep the socket.
    QTimer::singleShot(2000, socket, [socket] { socket->abort(); });
}

QTcpSocket *PlainListener::nextPendingConnection()
{
    QTcpSocket *socket = QTcpServer::nextPendingConnection();
    if (socket)
        guard_.watch(socket);
    return socket;
}

void PlainListener::incomingConnection(qintptr handle)
{
    if (!guard_.full()) {
        QTcpServer::incomingConnection(handle);
        return;
    }
    auto *socket = new QTcpSocket(this);
    socket->setSocketDescriptor(handle);
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    refuseRaw(socket, 503, "Service Unavailable", QStringLiteral("Trop de connexions : réessayez plus tard."));
}

QTcpSocket *TlsListener::nextPendingConnection()
{
    QTcpSocket *socket = QSslServer::nextPendingConnection();
    if (socket)
        guard_.watch(socket);
    return socket;
}

// Over TLS nothing readable can be said before the handshake: the
// connection is simply closed.
void TlsListener::incomingConnection(qintptr handle)
{
    if (!guard_.full()) {
        QSslServer::incomingConnection(handle);
        return;
    }
    QTcpSocket socket;
    socket.setSocketDescriptor(handle);
    socket.abort();
}

} // namespace orvanta
