#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

namespace orvanta::test {

struct HttpAnswer {
    int status = 0; // 0: the connection closed without an answer
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
    QJsonObject json() const;
};

// Sends raw bytes to the server on loopback, from the given source address,
// and reads one answer (or the close).
HttpAnswer exchange(quint16 port, const QByteArray &raw, const QString &from = QStringLiteral("127.0.0.1"),
                    int timeoutMs = 5000);

// A well-formed request; token goes as Bearer when not empty.
QByteArray httpRequest(const QByteArray &method, const QByteArray &path, const QByteArray &body = {},
                       const QByteArray &token = {}, const QByteArray &extraHeaders = {});

} // namespace orvanta::test
