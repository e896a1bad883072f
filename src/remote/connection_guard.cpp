#include "remote/connection_guard.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSslSocket>
#include <QTcpSocket>

#include <algorithm>
#include <optional>

#include <unistd.h>

namespace orvanta {

namespace {

constexpr int kMaxHeaders = 100;
constexpr int kMaxRequestLine = 2048;

QString tooLarge(qint64 maxRequestBytes)
{
    return QCoreApplication::translate("Remote", "Requête trop grande : %1 Kio au plus, en-têtes compris.")
        .arg(maxRequestBytes / 1024);
}

// Why a request's head (its lines up to the empty one) cannot be read as
// HTTP/1.1: the request line, then "Name: value" lines of printable
// characters. Empty when it can.
struct HeadFault {
    int status = 0;
    QByteArray statusText;
    QString reason;
};

std::optional<HeadFault> headFault(const QByteArray &head, qint64 maxRequestBytes)
{
    const QList<QByteArray> lines = head.split('\n');
    static const QRegularExpression requestLine(QStringLiteral("^[A-Z]{1,10} [!-~]+ HTTP/1\\.[01]\r$"));
    if (!requestLine.match(QString::fromLatin1(lines.front())).hasMatch())
        return HeadFault{
            400, "Bad Request",
            QCoreApplication::translate("Remote", "Requête malformée : ligne de requête HTTP/1.1 attendue.")};
    if (lines.size() > kMaxHeaders + 2)
        return HeadFault{431, "Request Header Fields Too Large",
                         QCoreApplication::translate("Remote", "Trop d'en-têtes : %1 au plus.").arg(kMaxHeaders)};
    static const QRegularExpression headerLine(QStringLiteral("^[!#$%&'*+.^_`|~0-9A-Za-z-]+:[\t -~\x80-\xff]*\r$"));
    bool lengthSeen = false;
    for (qsizetype k = 1; k < lines.size(); ++k) {
        const QByteArray &line = lines[k];
        if (line == "\r" || (k == lines.size() - 1 && line.isEmpty()))
            continue;
        if (!headerLine.match(QString::fromLatin1(line)).hasMatch())
            return HeadFault{400, "Bad Request",
                             QCoreApplication::translate(
                                 "Remote", "En-tête malformé (ligne %1) : « Nom: valeur » attendu, en caractères "
                                           "imprimables.")
                                 .arg(k + 1)};
        const QByteArray name = line.left(line.indexOf(':')).toLower();
        if (name == "content-length") {
            const QByteArray length = line.mid(15).trimmed();
            const bool digits = !length.isEmpty() && length.size() <= 18
                                && std::all_of(length.begin(), length.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (!digits || lengthSeen)
                return HeadFault{400, "Bad Request",
                                 QCoreApplication::translate(
                                     "Remote", "Content-Length doit être un nombre d'octets, donné une fois.")};
            if (length.toLongLong() > maxRequestBytes)
                return HeadFault{413, "Payload Too Large", tooLarge(maxRequestBytes)};
            lengthSeen = true;
        } else if (name == "transfer-encoding") {
            // Qt's reader does not take a body in pieces: it would read what
            // follows as another request.
            return HeadFault{411, "Length Required",
                             QCoreApplication::translate(
                                 "Remote", "Corps en morceaux (Transfer-Encoding) refusé : donnez Content-Length.")};
        }
    }
    return std::nullopt;
}

// One per connection, a child of its socket: it lives exactly as long.
class SocketWatch : public QObject {
public:
    SocketWatch(QTcpSocket *socket, const RemoteLimits &limits, std::shared_ptr<int> open)
        : QObject(socket), socket_(socket), limits_(limits), open_(std::move(open))
    {
        ++*open_;
        socket->setReadBufferSize(limits.maxRequestBytes + 1);
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { timedOut(); });
        timer_.start(limits_.requestTimeoutMs);
        // Connected before the HTTP server's own reader: it runs first.
        reading_ = QObject::connect(socket, &QTcpSocket::readyRead, this, [this] { arrived(); });
    }
    ~SocketWatch() override { --*open_; }

private:
    void arrived()
    {
        if (!socket_->isTransactionStarted()) {
            // A new request.
            requestBytes_ = 0;
            head_.clear();
            headRead_ = false;
            timer_.start(limits_.requestTimeoutMs);
        }
        // The server reads all there is each time: what is here is new.
        const qint64 arriving = socket_->bytesAvailable();
        requestBytes_ += arriving;
        if (!headRead_) {
            head_ += socket_->peek(arriving);
            const qsizetype end = head_.indexOf("\r\n\r\n");
            headRead_ = end >= 0;
            if (headRead_)
                head_.truncate(end + 2);
            const qsizetype firstLine = head_.indexOf('\n');
            if (firstLine > kMaxRequestLine || (firstLine < 0 && head_.size() > kMaxRequestLine)) {
                refuse(414, "URI Too Long",
                       QCoreApplication::translate("Remote", "Ligne de requête trop longue : %1 octets au plus.")
                           .arg(kMaxRequestLine));
                return;
            }
            // The request line is judged as soon as it is whole, the headers once all are.
            if (headRead_ || firstLine >= 0) {
                if (const auto fault = headFault(headRead_ ? head_ : head_.left(firstLine + 1), limits_.maxRequestBytes)) {
                    refuse(fault->status, fault->statusText, fault->reason);
                    return;
                }
            }
        }
        if (requestBytes_ > limits_.maxRequestBytes) {
            refuse(413, "Payload Too Large", tooLarge(limits_.maxRequestBytes));
            return;
        }
        // After the HTTP server has read: a whole request starts the idle
        // wait. The server lets go of a socket (it drops every connection
        // of it, this one included) for two reasons: it was handed to the
        // WebSocket server, its read undone; or the server could not read
        // the request, the read still open, and then the client is told.
        QTimer::singleShot(0, this, [this] {
            if (refused_)
                return;
            if (reading_) {
                if (!socket_->isTransactionStarted())
                    timer_.start(limits_.idleTimeoutMs);
            } else if (socket_->isTransactionStarted())
                refuse(400, "Bad Request", QCoreApplication::translate("Remote", "Requête HTTP illisible."));
            else
                timer_.stop();
        });
    }

    // Half a request when the time is up is answered; an idle connection
    // is simply closed.
    void timedOut()
    {
        if (requestBytes_ > 0 && socket_->isTransactionStarted())
            refuse(408, "Request Timeout",
                   QCoreApplication::translate("Remote", "Requête trop lente : elle doit arriver en %1 s.")
                       .arg(limits_.requestTimeoutMs / 1000.0));
        else
            socket_->abort();
    }

    void refuse(int status, const QByteArray &text, const QString &reason)
    {
        refused_ = true;
        timer_.stop();
        QObject::disconnect(socket_, &QTcpSocket::readyRead, nullptr, nullptr);
        // The server may have let go of the socket: it goes when closed.
        QObject::connect(socket_, &QTcpSocket::disconnected, socket_, &QObject::deleteLater);
        refuseRaw(socket_, status, text, reason);
    }

    QTcpSocket *socket_;
    RemoteLimits limits_;
    std::shared_ptr<int> open_;
    QTimer timer_;
    QMetaObject::Connection reading_;
    qint64 requestBytes_ = 0;
    QByteArray head_; // the request's lines so far, up to the empty one
    bool headRead_ = false;
    bool refused_ = false;
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

void ConnectionGuard::refuse(qintptr handle, const QSslConfiguration *tls, QObject *parent)
{
    constexpr int kRefusingAtOnce = 16;
    QTcpSocket *socket = tls ? new QSslSocket(parent) : new QTcpSocket(parent);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        ::close(int(handle));
        return;
    }
    if (*refusing_ >= kRefusingAtOnce) {
        socket->abort();
        delete socket;
        return;
    }
    ++*refusing_;
    QObject::connect(socket, &QObject::destroyed, [refusing = refusing_] { --*refusing; });
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    // The answer, or the handshake before it, has the time a request has.
    QTimer::singleShot(limits_.requestTimeoutMs, socket, [socket] { socket->abort(); });
    const QString reason = QCoreApplication::translate("Remote", "Trop de connexions : réessayez plus tard.");
    auto *secure = qobject_cast<QSslSocket *>(socket);
    if (!secure) {
        refuseRaw(socket, 503, "Service Unavailable", reason);
        return;
    }
    // Nothing readable can be said before the handshake.
    secure->setSslConfiguration(*tls);
    QObject::connect(secure, &QSslSocket::encrypted, secure,
                     [secure, reason] { refuseRaw(secure, 503, "Service Unavailable", reason); });
    QObject::connect(secure, &QSslSocket::errorOccurred, secure, [secure] { secure->abort(); });
    secure->startServerEncryption();
}

} // namespace orvanta
