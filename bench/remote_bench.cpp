// What a tick costs the window's thread for the remote station: one state
// message built and sent to 50 live clients on loopback.
#include "bench_application.h"

#include "remote/remote_passwords.h"
#include "remote/remote_server.h"
#include "remote/remote_station.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkRequest>
#include <QTcpSocket>
#include <QThread>
#include <QWebSocket>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <memory>
#include <vector>

namespace orvanta {
namespace {

// A busy tick: a pass in progress with both tracks on the sky and a full
// list of passes to come.
class BusyStation : public RemoteStation {
public:
    BusyStation()
    {
        state_.time = QDateTime(QDate(2026, 6, 27), QTime(7, 5), Qt::UTC);
        state_.followed = RemoteSatellite{25544, QStringLiteral("ISS (ZARYA)"), 123.4, 45.6, -3.21, 145.8e6, 2100};
        state_.awaited = RemoteSatellite{7530, QStringLiteral("OSCAR 7 (AO-7)"), 183.5, 0, {}, {}, {}};
        for (int i = 0; i < 30; ++i)
            state_.passes.push_back({25544 + i, QStringLiteral("SATELLITE %1").arg(i), state_.time.addSecs(600 * i),
                                     state_.time.addSecs(600 * i + 540), 10.0 + i, i == 0});
        for (int i = 0; i < 120; ++i) {
            state_.sky.trackedPath.push_back({i * 3.0, 60 * std::sin(i * M_PI / 120)});
            state_.sky.awaitedPath.push_back({360 - i * 3.0, 40 * std::sin(i * M_PI / 120)});
        }
        state_.sky.info = QStringLiteral("ISS (ZARYA) · Az 123.4° Site 45.6° · 812 km · -3.210 km/s");
    }
    RemoteSnapshot snapshot() const override { return state_; }
    QString windowHolds() const override { return {}; }
    QString setSwitches(std::optional<bool>, std::optional<bool>, std::optional<bool>) override { return {}; }
    QString point(double, double) override { return {}; }
    QString park() override { return {}; }
    QString tune(std::optional<int>, std::optional<int>) override { return {}; }
    QString stopAll() override { return {}; }

private:
    RemoteSnapshot state_;
};

QByteArray logIn(quint16 port, const QByteArray &password)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    const QByteArray body = "{\"password\":\"" + password + "\"}";
    socket.write("POST /api/login HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/json\r\nContent-Length: "
                 + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    QByteArray answer;
    QElapsedTimer waited;
    waited.start();
    while (!answer.contains("\"token\":\"") || !answer.endsWith('}')) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        answer += socket.readAll();
        if (waited.elapsed() > 10000)
            return {};
    }
    const int start = int(answer.indexOf("\"token\":\"")) + 9;
    return answer.mid(start, answer.indexOf('"', start) - start);
}

// The clients read on a thread of their own, as browsers elsewhere would:
// only the server's work is on the measured thread.
class Watchers : public QObject {
public:
    std::atomic<long> received{0};

    void open(quint16 port, const QByteArray &token)
    {
        for (int i = 0; i < 50; ++i) {
            auto *client = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this);
            QObject::connect(client, &QWebSocket::textMessageReceived, this, [this] { ++received; });
            QNetworkRequest request(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/live").arg(port)));
            request.setRawHeader("Authorization", "Bearer " + token);
            client->open(request);
        }
    }
};

void publishToFiftyClients(benchmark::State &state)
{
    bench::ensureApplication();
    BusyStation station;
    RemoteServer server(station);
    RemoteSettings settings;
    settings.port = 0;
    settings.viewerHash = *hashRemotePassword("banc d'essai");
    if (!server.start(settings).isEmpty()) {
        state.SkipWithError("the server does not start");
        return;
    }
    const QByteArray token = logIn(server.port(), "banc d'essai");
    QThread elsewhere;
    auto *watchers = new Watchers;
    watchers->moveToThread(&elsewhere);
    QObject::connect(&elsewhere, &QThread::finished, watchers, &QObject::deleteLater);
    elsewhere.start();
    QMetaObject::invokeMethod(watchers, [watchers, &server, token] { watchers->open(server.port(), token); });
    QElapsedTimer waited;
    waited.start();
    while (server.liveClients() < 50 && waited.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (server.liveClients() < 50) {
        state.SkipWithError("the 50 clients did not all connect");
    } else {
        const bool withWrites = state.range(0) == 1;
        for (auto _ : state) {
            server.publish();
            // 1: with the writes, which go out as the window's event loop
            // turns; on loopback the kernel's delivery to the reader is
            // counted here too.
            if (withWrites)
                QCoreApplication::processEvents();
            state.PauseTiming();
            QThread::msleep(2);
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
    state.counters["clients"] = server.liveClients();
    state.counters["messages"] = double(watchers->received);
    // A tick's message once the unchanged sky paths are left out, and a whole one.
    state.counters["bytes"] = double(stateMessage(station.snapshot(), SkyPaths::LeftOut).size());
    state.counters["whole_bytes"] = double(stateMessage(station.snapshot()).size());
    server.stop();
    elsewhere.quit();
    elsewhere.wait();
}
BENCHMARK(publishToFiftyClients)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Iterations(200);

} // namespace
} // namespace orvanta
