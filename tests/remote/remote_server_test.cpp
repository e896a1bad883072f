#include "fake_station.h"
#include "loopback_client.h"

#include "platform/interface_language.h"
#include "remote/remote_passwords.h"
#include "remote/remote_server.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <gtest/gtest.h>

namespace orvanta::test {
namespace {

const QByteArray kOperatorPassword = "tour-de-garde 7";
const QByteArray kViewerPassword = "regarde seulement";

// Hashing is slow on purpose: once for the whole suite.
const RemoteSettings &hashedSettings()
{
    static const RemoteSettings settings = [] {
        RemoteSettings s;
        s.port = 0;
        s.operatorHash = *hashRemotePassword(kOperatorPassword);
        s.viewerHash = *hashRemotePassword(kViewerPassword);
        s.failureDelayMs = 20;
        return s;
    }();
    return settings;
}

class RemoteServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        station.state.time = QDateTime(QDate(2026, 6, 27), QTime(7, 5), Qt::UTC);
        station.state.followed = RemoteSatellite{25544, QStringLiteral("ISS"), 123.4, 45.6, -3.21, 145.8e6, 2100};
        station.state.passes = {{25544, QStringLiteral("ISS"), station.state.time.addSecs(-60),
                                 station.state.time.addSecs(480), 61.2, true}};
        ASSERT_EQ(server.start(settings, limits), QString());
        port = server.port();
    }

    QByteArray login(const QByteArray &password, const QString &from = QStringLiteral("127.0.0.1"))
    {
        const HttpAnswer answer =
            exchange(port, httpRequest("POST", "/api/login", R"({"password": ")" + password + R"("})"), from);
        return answer.json().value(QStringLiteral("token")).toString().toLatin1();
    }

    FakeStation station;
    RemoteSettings settings = hashedSettings();
    RemoteLimits limits;
    RemoteServer server{station};
    quint16 port = 0;
};

TEST_F(RemoteServerTest, LoginGivesTheRoleOfThePasswordAndAStrictCookie)
{
    const HttpAnswer op = exchange(port, httpRequest("POST", "/api/login", R"({"password":"tour-de-garde 7"})"));
    EXPECT_EQ(op.status, 200);
    EXPECT_EQ(op.json().value("role").toString(), "operator");
    const QByteArray token = op.json().value("token").toString().toLatin1();
    EXPECT_EQ(QByteArray::fromBase64(token, QByteArray::Base64UrlEncoding).size(), 32);
    EXPECT_TRUE(op.headers["set-cookie"].contains("orvanta_session=" + token));
    EXPECT_TRUE(op.headers["set-cookie"].contains("HttpOnly"));
    EXPECT_TRUE(op.headers["set-cookie"].contains("SameSite=Strict"));
    EXPECT_EQ(op.headers["cache-control"], "no-store");
    EXPECT_TRUE(op.headers["content-security-policy"].contains("default-src 'none'"));

    const HttpAnswer viewer = exchange(port, httpRequest("POST", "/api/login", R"({"password":"regarde seulement"})"));
    EXPECT_EQ(viewer.json().value("role").toString(), "viewer");
    const HttpAnswer wrong = exchange(port, httpRequest("POST", "/api/login", R"({"password":"tour-de-garde"})"));
    EXPECT_EQ(wrong.status, 401);
    EXPECT_EQ(wrong.json().value("error").toString(), QStringLiteral("Mot de passe refusé."));
    EXPECT_EQ(server.sessions().size(), 2u);
}

TEST_F(RemoteServerTest, StateCarriesTheFollowedSatelliteAndThePassesInUtc)
{
    const QByteArray viewer = login(kViewerPassword);
    const HttpAnswer byBearer = exchange(port, httpRequest("GET", "/api/state", {}, viewer));
    ASSERT_EQ(byBearer.status, 200);
    const QJsonObject state = byBearer.json();
    EXPECT_EQ(state["time"].toString(), "2026-06-27T07:05:00Z");
    const QJsonObject followed = state["followed"].toObject();
    EXPECT_EQ(followed["catalog_number"].toInt(), 25544);
    EXPECT_DOUBLE_EQ(followed["azimuth"].toDouble(), 123.4);
    EXPECT_DOUBLE_EQ(followed["range_rate_km_s"].toDouble(), -3.21);
    EXPECT_DOUBLE_EQ(followed["frequency_hz"].toDouble(), 145.8e6);
    const QJsonObject pass = state["passes"].toArray().at(0).toObject();
    EXPECT_EQ(pass["aos"].toString(), "2026-06-27T07:04:00Z");
    EXPECT_EQ(pass["los"].toString(), "2026-06-27T07:13:00Z");
    EXPECT_DOUBLE_EQ(pass["max_elevation"].toDouble(), 61.2);

    const HttpAnswer byCookie =
        exchange(port, httpRequest("GET", "/api/state", {}, {}, "Cookie: a=b; orvanta_session=" + viewer + "\r\n"));
    EXPECT_EQ(byCookie.status, 200);
}

TEST_F(RemoteServerTest, OperatorCommandsGoToTheStationAndViewersAreRefused)
{
    const QByteArray op = login(kOperatorPassword);
    const QByteArray viewer = login(kViewerPassword);
    const struct {
        QByteArray path;
        QByteArray body;
        QString call;
    } commands[] = {
        {"/api/switches", R"({"rotor": true, "receiver": false})", "switches on - off"},
        {"/api/pointing", R"({"azimuth": 359.5, "elevation": 90})", "point 359.5 90"},
        {"/api/park", {}, "park"},
        {"/api/tuning", R"({"step_hz": 1000, "steps": -3})", "tune 1000 -3"},
        {"/api/stop", "{}", "stop"},
    };
    for (const auto &command : commands) {
        SCOPED_TRACE(command.path.constData());
        station.calls.clear();
        const HttpAnswer refused = exchange(port, httpRequest("POST", command.path, command.body, viewer));
        EXPECT_EQ(refused.status, 403);
        EXPECT_TRUE(station.calls.isEmpty());
        const HttpAnswer done = exchange(port, httpRequest("POST", command.path, command.body, op));
        EXPECT_EQ(done.status, 200);
        EXPECT_EQ(station.calls, QStringList{command.call});
    }
}

TEST_F(RemoteServerTest, BadRequestsAreRefusedWithAReasonAndChangeNothing)
{
    const QByteArray op = login(kOperatorPassword);
    const QByteArray bearer = "Authorization: Bearer " + op + "\r\n";
    const QByteArray json = "Content-Type: application/json\r\n";
    const auto post = [&](const QByteArray &path, const QByteArray &body) { return httpRequest("POST", path, body, op); };
    QByteArray flood = "GET /api/state HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    for (int i = 0; i < 3000; ++i)
        flood += "X-Bourrage-" + QByteArray::number(i) + ": xxxxxxxxxxxxxxxx\r\n";
    const QByteArray many = flood.left(flood.indexOf("X-Bourrage-150:")).mid(flood.indexOf("X-Bourrage-0:"));
    const struct {
        const char *what;
        QByteArray raw;
        int status;
        QString reason; // a part of it
    } cases[] = {
        {"no session", httpRequest("POST", "/api/park", {}), 401, "connectez-vous"},
        {"unknown token", httpRequest("POST", "/api/park", {}, "AAAA"), 401, "connectez-vous"},
        {"not JSON", post("/api/switches", "rotor=1"), 400, "objet JSON"},
        {"not an object", post("/api/switches", "[true]"), 400, "objet JSON"},
        {"unknown field", post("/api/switches", R"({"rotor": true, "laser": true})"), 400, "Champ inconnu : laser"},
        {"no switch", post("/api/switches", "{}"), 400, "Aucun interrupteur"},
        {"switch as text", post("/api/switches", R"({"rotor": "oui"})"), 400, "true ou false"},
        {"azimuth 999", post("/api/pointing", R"({"azimuth": 999, "elevation": 10})"), 400, "entre 0 et 360"},
        {"elevation -5", post("/api/pointing", R"({"azimuth": 10, "elevation": -5})"), 400, "entre 0 et 90"},
        {"elevation missing", post("/api/pointing", R"({"azimuth": 10})"), 400, "nombre de degrés"},
        {"1 GHz step", post("/api/tuning", R"({"step_hz": 1000000000})"), 400, "10, 100 ou 1000"},
        {"half a step", post("/api/tuning", R"({"steps": 1.5})"), 400, "nombre entier"},
        {"a body to park", post("/api/park", R"({"now": true})"), 400, "Champ inconnu"},
        {"not declared JSON", "POST /api/park HTTP/1.1\r\nHost: 127.0.0.1\r\n" + bearer + "Content-Length: 2\r\n\r\n{}",
         415, "application/json"},
        {"oversized body", post("/api/switches", R"({"rotor": true, "x": ")" + QByteArray(70000, 'a') + "\"}"), 413,
         "trop grande"},
        {"header flood", flood, 413, "trop grande"},
        {"malformed request line", "GARBAGE\r\n\r\n", 400, "malformée"},
        {"header name with a space", httpRequest("GET", "/api/state", {}, op, "Mauvais nom: x\r\n"), 400,
         "En-tête malformé (ligne 4)"},
        {"control byte in a header", httpRequest("GET", "/api/state", {}, op, "X-A: a\x01b\r\n"), 400,
         "En-tête malformé"},
        {"too many headers", httpRequest("GET", "/api/state", {}, op, many), 431, "Trop d'en-têtes"},
        {"length not a number", "POST /api/park HTTP/1.1\r\nHost: 127.0.0.1\r\n" + bearer + "Content-Length: deux\r\n\r\n",
         400, "Content-Length"},
        {"length twice", "POST /api/park HTTP/1.1\r\nHost: 127.0.0.1\r\n" + bearer + "Content-Length: 0\r\n"
             + "Content-Length: 40\r\n\r\n", 400, "donné une fois"},
        {"body in pieces", "POST /api/park HTTP/1.1\r\nHost: 127.0.0.1\r\n" + bearer + json
             + "Transfer-Encoding: chunked\r\n\r\n2\r\n{}\r\n0\r\n\r\n",
         411, "Content-Length"},
        {"unknown method", "FROB /api/state HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", 405, "GET attendu"},
        {"length past the limit", "POST /api/park HTTP/1.1\r\nHost: 127.0.0.1\r\n" + bearer
             + "Content-Length: 99999999999999999\r\n\r\n{}", 413, "trop grande"},
        {"negative length", "POST /api/park HTTP/1.1\r\nHost: 127.0.0.1\r\n" + bearer + "Content-Length: -1\r\n\r\n",
         400, "Content-Length"},
        {"dot-dot path", httpRequest("GET", "/../../etc/passwd"), 404, "Introuvable"},
        {"encoded dot-dot", httpRequest("GET", "/%2e%2e/%2e%2e/etc/passwd"), 404, "Introuvable"},
        {"encoded slash", httpRequest("GET", "/app.js%2f..%2f..%2fsecret"), 404, "Introuvable"},
        {"double encoded", httpRequest("GET", "/%252e%252e/etc/passwd"), 404, "Introuvable"},
        {"wrong method", httpRequest("GET", "/api/park", {}, op), 405, "POST attendu"},
        {"another site with the cookie",
         "POST /api/park HTTP/1.1\r\nHost: 127.0.0.1\r\nOrigin: http://evil.example\r\nCookie: orvanta_session=" + op
             + "\r\nContent-Length: 0\r\n\r\n",
         403, "autre site"},
        {"cookie without origin",
         "POST /api/park HTTP/1.1\r\nHost: 127.0.0.1\r\nCookie: orvanta_session=" + op + "\r\nContent-Length: 0\r\n\r\n",
         403, "autre site"},
        {"a rebound host name", "GET /api/state HTTP/1.1\r\nHost: evil.example:8470\r\n" + bearer + "\r\n", 400,
         "Nom d'hôte"},
        {"live without upgrade", httpRequest("GET", "/api/live", {}, op), 400, "WebSocket attendu"},
        {"login not JSON", "POST /api/login HTTP/1.1\r\nHost: 127.0.0.1\r\n" + json + "Content-Length: 3\r\n\r\nabc", 400,
         "objet JSON"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const HttpAnswer answer = exchange(port, c.raw);
        EXPECT_EQ(answer.status, c.status);
        EXPECT_TRUE(answer.json().value("error").toString().contains(c.reason))
            << answer.body.left(300).constData();
    }
    EXPECT_TRUE(station.calls.isEmpty()) << station.calls.join(", ").toStdString();
    // The server still answers after all of them.
    EXPECT_EQ(exchange(port, httpRequest("GET", "/api/state", {}, op)).status, 200);
}

TEST_F(RemoteServerTest, TheWindowWinsOverTheRemote)
{
    const QByteArray op = login(kOperatorPassword);
    station.holds = QStringLiteral("La fenêtre de pointage manuel est ouverte à la station.");
    const HttpAnswer answer = exchange(port, httpRequest("POST", "/api/switches", R"({"rotor": true})", op));
    EXPECT_EQ(answer.status, 409);
    EXPECT_EQ(answer.json().value("error").toString(), station.holds);
    EXPECT_TRUE(station.calls.isEmpty());
}

TEST_F(RemoteServerTest, SessionsEndAtLogoutAtTheCutAndWhenAPasswordChanges)
{
    const QByteArray first = login(kOperatorPassword);
    const QByteArray second = login(kViewerPassword);
    EXPECT_EQ(exchange(port, httpRequest("POST", "/api/logout", {}, first)).status, 200);
    EXPECT_EQ(exchange(port, httpRequest("GET", "/api/state", {}, first)).status, 401);
    EXPECT_EQ(exchange(port, httpRequest("GET", "/api/state", {}, second)).status, 200);

    server.cutAllSessions();
    EXPECT_EQ(exchange(port, httpRequest("GET", "/api/state", {}, second)).status, 401);

    const QByteArray third = login(kViewerPassword);
    server.setPasswordHashes(settings.operatorHash, *hashRemotePassword("nouveau"));
    EXPECT_EQ(exchange(port, httpRequest("GET", "/api/state", {}, third)).status, 401);
    EXPECT_FALSE(login("nouveau").isEmpty());
    EXPECT_TRUE(login(kViewerPassword, QStringLiteral("127.0.0.3")).isEmpty());
}

TEST_F(RemoteServerTest, TheLiveSocketSendsOneStatePerTickAndRefusesWhatItCannotRead)
{
    const QByteArray viewer = login(kViewerPassword);
    station.state.sky.trackedPath = {{150, 0}, {190, 40}, {230, 0}};
    QWebSocket live;
    QStringList received;
    QObject::connect(&live, &QWebSocket::textMessageReceived, [&](const QString &text) { received << text; });
    QNetworkRequest request(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/live").arg(port)));
    request.setRawHeader("Authorization", "Bearer " + viewer);
    live.open(request);
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 1; }, 5000));
    EXPECT_EQ(server.liveClients(), 1);
    server.publish();
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }, 5000));
    const QJsonObject message = QJsonDocument::fromJson(received[1].toUtf8()).object();
    EXPECT_EQ(message["type"].toString(), "state");
    EXPECT_EQ(message["state"].toObject()["followed"].toObject()["name"].toString(), "ISS");
    // Sky paths go out when they change, and only then.
    const auto sky = [&](int k) {
        return QJsonDocument::fromJson(received[k].toUtf8()).object()["state"].toObject()["sky"].toObject();
    };
    EXPECT_EQ(sky(1)["tracked_path"].toArray().size(), 3);
    server.publish();
    station.state.sky.trackedPath.pop_back();
    server.publish();
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 4; }, 5000));
    EXPECT_FALSE(sky(2).contains("tracked_path"));
    EXPECT_TRUE(sky(2).contains("info"));
    EXPECT_EQ(sky(3)["tracked_path"].toArray().size(), 2);

    live.sendTextMessage(QStringLiteral("pas du JSON"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 5; }, 5000));
    const QJsonObject refusal = QJsonDocument::fromJson(received[4].toUtf8()).object();
    EXPECT_EQ(refusal["status"].toInt(), 400);
    EXPECT_TRUE(refusal["error"].toString().contains("objet JSON"));

    server.cutAllSessions();
    ASSERT_TRUE(QTest::qWaitFor([&] { return live.state() == QAbstractSocket::UnconnectedState; }, 5000));
    // An application code (4000-4999), outside the values Qt names.
    EXPECT_EQ(static_cast<int>(live.closeCode()), 4401);
    EXPECT_EQ(server.liveClients(), 0);
}

TEST_F(RemoteServerTest, TheLiveSocketRefusesAnotherOriginAndNoSession)
{
    const QByteArray op = login(kOperatorPassword);
    const QByteArray upgrade = "GET /api/live HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                               "Sec-WebSocket-Version: 13\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n";
    const HttpAnswer elsewhere = exchange(
        port, upgrade + "Origin: http://evil.example\r\nCookie: orvanta_session=" + op + "\r\n\r\n");
    EXPECT_EQ(elsewhere.status, 403);
    EXPECT_TRUE(elsewhere.json().value("error").toString().contains("Origine refusée"));
    const HttpAnswer nobody = exchange(port, upgrade + "Origin: http://127.0.0.1\r\n\r\n");
    EXPECT_EQ(nobody.status, 401);
    const HttpAnswer welcome =
        exchange(port, upgrade + "Origin: http://127.0.0.1\r\nCookie: orvanta_session=" + op + "\r\n\r\n", "127.0.0.1",
                 1000);
    EXPECT_EQ(welcome.status, 101);
}

TEST_F(RemoteServerTest, WrongPasswordsAreSlowedPerAddressAndTheRightOneStillGetsInElsewhere)
{
    QSignalSpy told(&server, &RemoteServer::loginsRefused);
    int refused = 0;
    int slowed = 0;
    for (int i = 0; i < 200; ++i) {
        const HttpAnswer answer = exchange(port, httpRequest("POST", "/api/login", R"({"password":"essai"})"));
        refused += answer.status == 401;
        slowed += answer.status == 429;
        if (answer.status == 429) {
            EXPECT_FALSE(answer.headers.value("retry-after").isEmpty());
        }
    }
    EXPECT_EQ(refused + slowed, 200);
    // 20 ms doubled at each failure: a few seconds let only a handful through.
    EXPECT_LE(refused, 12);
    EXPECT_GE(slowed, 188);
    EXPECT_EQ(told.count(), 1);
    // While more than a second of its wait is left, even the right password is
    // refused from that address (the waits keep doubling, so one comes soon).
    bool longWait = false;
    for (int i = 0; i < 2000 && !longWait; ++i) {
        const HttpAnswer answer = exchange(port, httpRequest("POST", "/api/login", R"({"password":"essai"})"));
        longWait = answer.status == 429 && answer.headers.value("retry-after").toInt() >= 2;
    }
    ASSERT_TRUE(longWait);
    EXPECT_EQ(exchange(port, httpRequest("POST", "/api/login", R"({"password":"tour-de-garde 7"})")).status, 429);
    EXPECT_FALSE(login(kOperatorPassword, QStringLiteral("127.0.0.2")).isEmpty());
}

TEST_F(RemoteServerTest, SlowClientsAndTooManyConnectionsAreCut)
{
    server.stop();
    limits.requestTimeoutMs = 300;
    limits.maxConnections = 3;
    ASSERT_EQ(server.start(settings, limits), QString());
    port = server.port();
    // Half a request, never finished.
    const HttpAnswer slow = exchange(port, "GET /api/state HTTP/1.1\r\nHost: 12", "127.0.0.1", 3000);
    EXPECT_EQ(slow.status, 408);
    EXPECT_TRUE(slow.json().value("error").toString().contains("trop lente"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == 0; }, 3000));

    std::vector<std::unique_ptr<QTcpSocket>> held;
    for (int i = 0; i < 3; ++i) {
        held.push_back(std::make_unique<QTcpSocket>());
        held.back()->connectToHost(QHostAddress::LocalHost, port);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == 3; }, 3000));
    const HttpAnswer turnedAway = exchange(port, httpRequest("GET", "/"));
    EXPECT_EQ(turnedAway.status, 503);
    EXPECT_TRUE(turnedAway.json().value("error").toString().contains("Trop de connexions"));
}

TEST_F(RemoteServerTest, ThePageIsServedWholeFromTheResourcesUnderAStrictPolicy)
{
    qint64 total = 0;
    for (const QByteArray path : {"/", "/app.js", "/sky.js", "/style.css", "/texts.js"}) {
        const HttpAnswer answer = exchange(port, httpRequest("GET", path));
        EXPECT_EQ(answer.status, 200) << path.constData();
        EXPECT_TRUE(answer.headers["content-security-policy"].contains("script-src 'self'"));
        // Nothing from elsewhere: the only address is the SVG namespace's name.
        EXPECT_FALSE(QByteArray(answer.body).replace("http://www.w3.org/2000/svg", "").contains("://")) << path.constData();
        total += answer.body.size();
    }
    EXPECT_LT(total, 200 * 1024);
}

// The page is written in French; its texts come in the station's language.
TEST_F(RemoteServerTest, ThePageTextsFollowTheStationsLanguage)
{
    const HttpAnswer french = exchange(port, httpRequest("GET", "/texts.js"));
    EXPECT_EQ(french.status, 200);
    EXPECT_TRUE(french.body.contains(R"("langue":"fr","textes":{})")) << french.body.constData();
    const InterfaceTranslations english(InterfaceLanguage::English);
    const HttpAnswer inEnglish = exchange(port, httpRequest("GET", "/texts.js"));
    EXPECT_TRUE(inEnglish.body.contains(R"("langue":"en")")) << inEnglish.body.constData();
    // Every text of the page has its English, but those English writes alike.
    const QJsonObject table = QJsonDocument::fromJson(inEnglish.body.mid(inEnglish.body.indexOf('{')).chopped(2))
                                  .object()["textes"]
                                  .toObject();
    EXPECT_EQ(table["Se deconnecter"].toString(), "Log out");
    QFile page(QStringLiteral(":/remote/index.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    static const QRegularExpression shown(QStringLiteral(">([^<]*[A-Za-z][^<]*)<|aria-label=\"([^\"]+)\""));
    const QStringList alike = {"Orvanta", "Satellite", "Elevation", "Doppler", "Radio", "10 Hz", "100 Hz", "1 kHz"};
    for (const auto &match : shown.globalMatch(html.mid(html.indexOf(QLatin1String("<title>"))))) {
        const QString text = (match.captured(1) + match.captured(2)).trimmed();
        EXPECT_TRUE(table.contains(text) || alike.contains(text)) << qPrintable(text);
    }
    // A refusal from the API speaks English too.
    EXPECT_EQ(exchange(port, httpRequest("POST", "/")).json().value("error").toString(),
              "Method not allowed: GET expected.");
}

TEST(RemoteServerStart, RefusesWithoutPasswordAndOffLoopbackWithoutTls)
{
    FakeStation station;
    RemoteServer server(station);
    RemoteSettings settings;
    settings.port = 0;
    EXPECT_TRUE(server.start(settings).contains("Aucun mot de passe"));
    settings.operatorHash = hashedSettings().operatorHash;
    settings.address = QStringLiteral("192.0.2.10");
    EXPECT_TRUE(server.start(settings).contains("exige TLS"));
    EXPECT_FALSE(server.listening());
}

TEST(RemoteServerStart, ServesOverTlsWithTheChosenCertificate)
{
    QTemporaryDir folder;
    const QString certificate = folder.filePath(QStringLiteral("station.pem"));
    const QString key = folder.filePath(QStringLiteral("station.key"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("openssl"),
                                {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                                 "-days", "2", "-subj", "/CN=localhost", "-keyout", key, "-out", certificate}),
              0);
    FakeStation station;
    RemoteServer server(station);
    RemoteSettings settings = hashedSettings();
    settings.certificateFile = certificate;
    settings.keyFile = key;
    RemoteLimits limits;
    limits.maxConnections = 1;
    limits.requestTimeoutMs = 1000;
    ASSERT_EQ(server.start(settings, limits), QString());
    // A connection that never starts its handshake counts, and is cut in time.
    {
        QTcpSocket silent;
        silent.connectToHost(QHostAddress::LocalHost, server.port());
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == 1; }, 3000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return silent.state() == QAbstractSocket::UnconnectedState; }, 5000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == 0; }, 5000));
    }
    const auto fetch = [&] {
        QProcess curl;
        curl.start(QStringLiteral("curl"), {"-sk", QStringLiteral("https://127.0.0.1:%1/api/state").arg(server.port())});
        EXPECT_TRUE(QTest::qWaitFor([&] { return curl.state() == QProcess::NotRunning; }, 10000));
        return curl.readAllStandardOutput();
    };
    EXPECT_TRUE(fetch().contains("connectez-vous"));
    // Past the limit, the refusal is said over TLS too.
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == 0; }, 3000));
    QSslSocket held;
    held.setPeerVerifyMode(QSslSocket::VerifyNone);
    held.connectToHostEncrypted(QStringLiteral("127.0.0.1"), server.port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return held.isEncrypted(); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == 1; }, 3000));
    EXPECT_TRUE(fetch().contains("Trop de connexions"));
}

} // namespace
} // namespace orvanta::test
