#include "support/hamlib_daemon.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <unistd.h>

namespace orvanta::test {

namespace {

// Below the kernel's ephemeral range (32768 and up), so that no outgoing
// connection can take the port between the probe and the daemon's bind, and
// in a block of its own for each test process, so that tests running side
// by side never pick the same port (a daemon that cannot bind exits, and the
// test would otherwise talk to another test's daemon).
quint16 freeLoopbackPort()
{
    constexpr int kFirstPort = 20000;
    constexpr int kBlocks = 600;
    constexpr int kPortsPerBlock = 20;
    static int next = 0;
    const int block = static_cast<int>(getpid()) % kBlocks;
    for (int tries = 0; tries < kPortsPerBlock; ++tries) {
        const auto port = static_cast<quint16>(kFirstPort + block * kPortsPerBlock + next++ % kPortsPerBlock);
        QTcpServer probe;
        if (probe.listen(QHostAddress::LocalHost, port))
            return port;
    }
    return 0;
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
            // Someone answering is not enough: a daemon that could not
            // bind the port exits at once.
            return !process_.waitForFinished(150);
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
