#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

namespace orvanta::test {

// A small HTTP server on 127.0.0.1 (port chosen by the system) that answers
// each path with canned bytes, then closes the connection or keeps it open
// without a word more (a stalled server).
class LoopbackHttpServer : public QObject {
public:
    enum class Then { Close, Stall };

    LoopbackHttpServer();

    void route(const QByteArray &path, const QByteArray &raw, Then then = Then::Close);
    QString url(const QByteArray &path) const;

    // A complete response with a Content-Length.
    static QByteArray response(int status, const QByteArray &reason, const QByteArray &body,
                               const QByteArray &contentType = "text/plain");
    // The headers announcing body, but only its first half.
    static QByteArray halfResponse(const QByteArray &body);
    // A redirection on a connection kept open (route it with Then::Stall).
    static QByteArray redirect(const QByteArray &location);

private:
    struct Route {
        QByteArray raw;
        Then then;
    };
    void answer(QTcpSocket *socket);

    QTcpServer server_;
    QMap<QByteArray, Route> routes_;
    QMap<QTcpSocket *, QByteArray> pending_;
};

} // namespace orvanta::test
