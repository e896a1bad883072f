#include "loopback_client.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QJsonDocument>
#include <QTcpSocket>
#include <QTest>

namespace orvanta::test {

QJsonObject HttpAnswer::json() const
{
    return QJsonDocument::fromJson(body).object();
}

HttpAnswer exchange(quint16 port, const QByteArray &raw, const QString &from, int timeoutMs)
{
    QTcpSocket socket;
    socket.bind(QHostAddress(from));
    socket.connectToHost(QHostAddress::LocalHost, port);
    HttpAnswer answer;
    if (!QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::ConnectedState; }, timeoutMs))
        return answer;
    socket.write(raw);
    QByteArray received;
    QElapsedTimer clock;
    clock.start();
    int headEnd = -1;
    qint64 length = -1;
    while (clock.elapsed() < timeoutMs) {
        QTest::qWait(2);
        received += socket.readAll();
        if (headEnd < 0 && (headEnd = int(received.indexOf("\r\n\r\n"))) >= 0) {
            const QList<QByteArray> lines = received.left(headEnd).split('\n');
            answer.status = lines.front().split(' ').value(1).toInt();
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const int colon = int(lines[i].indexOf(':'));
                if (colon > 0)
                    answer.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
            }
            length = answer.headers.value("content-length", "-1").toLongLong();
        }
        if (headEnd >= 0 && length >= 0 && received.size() >= headEnd + 4 + length)
            break;
        if (socket.state() == QAbstractSocket::UnconnectedState)
            break;
    }
    if (headEnd >= 0)
        answer.body = received.mid(headEnd + 4, length >= 0 ? length : -1);
    return answer;
}

QByteArray httpRequest(const QByteArray &method, const QByteArray &path, const QByteArray &body,
                       const QByteArray &token, const QByteArray &extraHeaders)
{
    QByteArray raw = method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    if (!token.isEmpty())
        raw += "Authorization: Bearer " + token + "\r\n";
    if (!body.isEmpty())
        raw += "Content-Type: application/json\r\n";
    raw += extraHeaders;
    raw += "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    return raw;
}

} // namespace orvanta::test
