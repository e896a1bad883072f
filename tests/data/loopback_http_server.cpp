#include "loopback_http_server.h"

#include <QTcpSocket>

namespace orvanta::test {

LoopbackHttpServer::LoopbackHttpServer()
{
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

void LoopbackHttpServer::route(const QByteArray &path, const QByteArray &raw, Then then)
{
    routes_[path] = {raw, then};
}

QString LoopbackHttpServer::url(const QByteArray &path) const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()) + QString::fromLatin1(path);
}

QByteArray LoopbackHttpServer::response(int status, const QByteArray &reason, const QByteArray &body,
                                        const QByteArray &contentType)
{
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: " + contentType +
           "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

QByteArray LoopbackHttpServer::halfResponse(const QByteArray &body)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body.left(body.size() / 2);
}

QByteArray LoopbackHttpServer::redirect(const QByteArray &location)
{
    return "HTTP/1.1 302 Found\r\nLocation: " + location + "\r\nContent-Length: 0\r\n\r\n";
}

void LoopbackHttpServer::answer(QTcpSocket *socket)
{
    QByteArray &request = pending_[socket];
    request += socket->readAll();
    if (!request.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    pending_.remove(socket);
    const QByteArray path = words.size() > 1 ? words[1] : QByteArray();
    const auto found = routes_.constFind(path);
    const Route route = found != routes_.cend() ? *found : Route{response(404, "Not Found", "absent"), Then::Close};
    socket->write(route.raw);
    if (route.then == Then::Close)
        socket->disconnectFromHost();
}

} // namespace orvanta::test
