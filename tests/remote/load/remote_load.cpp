// The remote station under load, on loopback only: the real program on the
// demo station tracks with its server on, and 50 WebSocket clients watch
// for a bounded time. Passes when every client got one message per tick,
// the ticks kept their 5 s period within 50 ms, and the program's resident
// memory stayed flat.
//   orvanta_remote_load ORVANTA DEMO_FOLDER SECONDS
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkRequest>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWebSocket>

#include <algorithm>
#include <limits>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kClients = 50;
constexpr qint64 kPeriodMs = 5000;
constexpr qint64 kToleranceMs = 50;
constexpr qint64 kRssGrowthKb = 2048;
const QByteArray kOperator = "charge-operateur";
const QByteArray kViewer = "charge-observateur";

bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

QByteArray post(quint16 port, const QByteArray &path, const QByteArray &body, const QByteArray &token = {})
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write("POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/json\r\n"
                 + (token.isEmpty() ? QByteArray() : "Authorization: Bearer " + token + "\r\n")
                 + "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    QByteArray answer;
    if (!socket.waitForConnected(2000))
        return {};
    waitFor([&] {
        if (socket.state() == QAbstractSocket::ConnectedState)
            answer += socket.readAll();
        return answer.contains("\r\n\r\n") && answer.endsWith('}');
    }, 10000);
    return answer.mid(answer.indexOf("\r\n\r\n") + 4);
}

qint64 residentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLongLong();
    return -1;
}

bool setPassword(const QString &program, const QString &settings, const QString &role, const QByteArray &password)
{
    QProcess set;
    set.start(program, {QStringLiteral("--settings"), settings, QStringLiteral("--set-remote-password"), role});
    set.write(password + '\n');
    set.closeWriteChannel();
    return set.waitForFinished(30000) && set.exitCode() == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: orvanta_remote_load ORVANTA DEMO_FOLDER SECONDS\n");
        return 2;
    }
    const QString program = QString::fromLocal8Bit(argv[1]);
    const QString demo = QString::fromLocal8Bit(argv[2]);
    const int seconds = std::clamp(QByteArray(argv[3]).toInt(), 15, 300);
    QTemporaryDir scratch;
    const QString settings = scratch.filePath(QStringLiteral("Orvanta.ini"));
    QFile::copy(QDir(demo).filePath(QStringLiteral("Orvanta.ini")), settings);
    QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner);
    if (!setPassword(program, settings, QStringLiteral("operator"), kOperator)
        || !setPassword(program, settings, QStringLiteral("viewer"), kViewer)) {
        std::fprintf(stderr, "the passwords could not be set\n");
        return 1;
    }
    QTcpServer probe; // a free loopback port for the program
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();

    QProcess station;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    station.setProcessEnvironment(environment);
    station.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    station.start(program, {QStringLiteral("--station"), demo, QStringLiteral("--settings"), settings,
                            QStringLiteral("--start-time"), QStringLiteral("2026-06-27T07:05:00Z"),
                            QStringLiteral("--remote"), QStringLiteral("127.0.0.1:%1").arg(port)});
    QByteArray operatorToken;
    waitFor([&] {
        const QJsonObject answer = QJsonDocument::fromJson(post(port, "/api/login", "{\"password\":\"" + kOperator + "\"}")).object();
        operatorToken = answer.value(QStringLiteral("token")).toString().toLatin1();
        return !operatorToken.isEmpty();
    }, 30000);
    if (operatorToken.isEmpty()) {
        std::fprintf(stderr, "the program's server did not answer\n");
        station.kill();
        return 1;
    }
    const QByteArray viewerToken = QJsonDocument::fromJson(post(port, "/api/login", "{\"password\":\"" + kViewer + "\"}"))
                                       .object()
                                       .value(QStringLiteral("token"))
                                       .toString()
                                       .toLatin1();
    post(port, "/api/switches", R"({"rotor": true, "doppler": true, "receiver": true})", operatorToken);

    std::vector<std::unique_ptr<QWebSocket>> clients;
    std::vector<std::vector<qint64>> arrivals(kClients);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kClients; ++i) {
        auto client = std::make_unique<QWebSocket>();
        QObject::connect(client.get(), &QWebSocket::textMessageReceived,
                         [&arrivals, &clock, i] { arrivals[i].push_back(clock.elapsed()); });
        QNetworkRequest request(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/live").arg(port)));
        request.setRawHeader("Authorization", "Bearer " + viewerToken);
        client->open(request);
        clients.push_back(std::move(client));
    }
    // A first tick with everybody connected, then the measure.
    waitFor([&] { return false; }, 10000);
    const qint64 rssStart = residentKb(station.processId());
    const qint64 measureFrom = clock.elapsed();
    waitFor([&] { return station.state() != QProcess::Running; }, seconds * 1000);
    const qint64 rssEnd = residentKb(station.processId());
    station.terminate();
    if (!station.waitForFinished(10000))
        station.kill();

    // Every client gets each tick; the first to hear of it tells when the
    // tick sent it, the others add only their own turn at reading.
    bool good = rssStart > 0 && rssEnd - rssStart <= kRssGrowthKb;
    const std::size_t expected = std::size_t(seconds * 1000 / kPeriodMs) - 1;
    std::vector<qint64> firstHeard;
    int ticks = 0;
    for (int i = 0; i < kClients; ++i) {
        std::vector<qint64> measured;
        for (qint64 t : arrivals[i])
            if (t >= measureFrom)
                measured.push_back(t);
        if (measured.size() < expected)
            good = false;
        ticks = std::max(ticks, int(measured.size()));
        firstHeard.resize(std::max(firstHeard.size(), measured.size()), std::numeric_limits<qint64>::max());
        for (std::size_t k = 0; k < measured.size(); ++k)
            firstHeard[k] = std::min(firstHeard[k], measured[k]);
    }
    qint64 worst = 0;
    for (std::size_t k = 1; k < firstHeard.size(); ++k)
        worst = std::max(worst, std::abs(firstHeard[k] - firstHeard[k - 1] - kPeriodMs));
    good = good && worst <= kToleranceMs;
    std::printf("%d clients, %d s: %d messages each, period off by %lld ms at worst, RSS %lld -> %lld kB: %s\n",
                kClients, seconds, ticks, static_cast<long long>(worst), static_cast<long long>(rssStart),
                static_cast<long long>(rssEnd), good ? "ok" : "FAILED");
    return good ? 0 : 1;
}
