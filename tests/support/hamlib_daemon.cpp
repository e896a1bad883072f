#include "support/hamlib_daemon.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace orvanta::test {

namespace {

quint16 freeLoopbackPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace

HamlibDaemon::HamlibDaemon(const QString &program, const QStringList &arguments)
    : program_(program), arguments_(arguments), port_(freeLoopbackPort())
{
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.setStandardOutputFile(QProcess::nullDevice());
}

HamlibDaemon::~HamlibDaemon()
{
    stop();
}

bool HamlibDaemon::start()
{
    process_.start(program_, arguments_ + QStringList{QStringLiteral("-T"), QStringLiteral("127.0.0.1"),
                                                      QStringLiteral("-t"), QString::number(port_)});
    if (!process_.waitForStarted(3000))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port_);
        if (socket.waitForConnected(200)) {
            // rigctld 4.5 may drop a connection that comes right after
            // another one closed ("handle_socket: fdopen ... Bad file
            // descriptor"): the first client waits for this one's end.
            socket.disconnectFromHost();
            QThread::msleep(150);
            return true;
        }
        if (process_.state() != QProcess::Running)
            return false;
        QThread::msleep(50);
    }
    return false;
}

void HamlibDaemon::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.kill();
    process_.waitForFinished(3000);
}

QString HamlibDaemon::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port_);
}

QStringList HamlibDaemon::ask(const QString &command, int lines)
{
    // A connection rigctld dropped at once (see start) is made again.
    for (int attempt = 0;; ++attempt) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port_);
        if (!socket.waitForConnected(1000))
            return {};
        socket.write(command.toLatin1() + '\n');
        QStringList replies;
        QElapsedTimer clock;
        clock.start();
        while (replies.size() < lines && clock.elapsed() < 2000 &&
               (socket.state() == QAbstractSocket::ConnectedState || socket.canReadLine())) {
            if (!socket.canReadLine() && !socket.waitForReadyRead(200))
                continue;
            while (socket.canReadLine() && replies.size() < lines)
                replies << QString::fromLatin1(socket.readLine()).trimmed();
        }
        const bool dropped = replies.isEmpty() && socket.state() != QAbstractSocket::ConnectedState;
        if (!dropped || attempt == 2)
            return replies;
        QThread::msleep(100);
    }
}

} // namespace orvanta::test
