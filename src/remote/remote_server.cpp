#include "remote/remote_server.h"

#include "remote/remote_commands.h"
#include "remote/remote_page_texts.h"
#include "remote/remote_passwords.h"
#include "remote/remote_station.h"

#include <QCoreApplication>
#include <QFile>
#include <QHttpServerRouterRule>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTcpSocket>
#include <QWebSocket>

#include <cmath>

namespace orvanta {

namespace {

const QByteArray kCookieName = "orvanta_session";
constexpr qint64 kSlowClientBytes = 512 * 1024; // a live client that reads less than it is sent
constexpr int kMaxLiveRefusals = 20;            // messages a live client may send wrong
constexpr int kMaxLiveMessageBytes = 4096;
constexpr int kPasswordChecksAtOnce = 2;

// The close code that tells the page its session ended (log in again): one
// of the codes 4000-4999 left to applications. Qt's enum names only the
// standard codes, yet sends any code it is given.
const auto kSessionEnded = static_cast<QWebSocketProtocol::CloseCode>(4401);

const QByteArray kSecurityPolicy = "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
                                   "connect-src 'self'; base-uri 'none'; form-action 'none'; "
                                   "frame-ancestors 'none'";

// The page: a fixed list, so no path can name anything else.
struct PageFile {
    const char *path;
    const char *resource; // none: the texts in the station's language
    const char *type;
};
constexpr PageFile kPage[] = {
    {"/", ":/remote/index.html", "text/html; charset=utf-8"},
    {"/app.js", ":/remote/app.js", "text/javascript; charset=utf-8"},
    {"/style.css", ":/remote/style.css", "text/css; charset=utf-8"},
    {"/sky.js", ":/remote/sky.js", "text/javascript; charset=utf-8"},
    {"/texts.js", nullptr, "text/javascript; charset=utf-8"},
};

const QStringList kCommands = {QStringLiteral("/api/switches"), QStringLiteral("/api/pointing"),
                               QStringLiteral("/api/park"), QStringLiteral("/api/tuning"),
                               QStringLiteral("/api/stop")};

QByteArray cookieValue(const QByteArray &header, const QByteArray &name)
{
    for (const QByteArray &part : header.split(';')) {
        const QByteArray item = part.trimmed();
        if (item.startsWith(name + '='))
            return item.mid(name.size() + 1);
    }
    return {};
}

QByteArray bearerToken(const QByteArray &authorization)
{
    const QByteArray prefix = "bearer ";
    return authorization.toLower().startsWith(prefix) ? authorization.mid(prefix.size()).trimmed() : QByteArray();
}

// The live WebSocket's path, taken only when the server agrees: a refused
// upgrade falls to the missing handler, which says why.
class LiveRule : public QHttpServerRouterRule {
public:
    LiveRule(const QString &path, std::function<bool(const QHttpServerRequest &)> accept, RouterHandler handler)
        : QHttpServerRouterRule(path, QHttpServerRequest::Method::Get, std::move(handler)), accept_(std::move(accept))
    {
    }

protected:
    bool matches(const QHttpServerRequest &request, QRegularExpressionMatch *match) const override
    {
        return QHttpServerRouterRule::matches(request, match) && accept_(request);
    }

private:
    std::function<bool(const QHttpServerRequest &)> accept_;
};

} // namespace

struct RemoteServer::Caller {
    std::optional<RemoteSession> session;
    QByteArray token;
    bool byCookie = false;
};

RemoteServer::RemoteServer(RemoteStation &station, QObject *parent) : QObject(parent), station_(station)
{
    checks_.setMaxThreadCount(kPasswordChecksAtOnce);
    clock_.start();
}

RemoteServer::~RemoteServer()
{
    checks_.waitForDone();
    stop();
}

QString RemoteServer::start(const RemoteSettings &settings, const RemoteLimits &limits)
{
    stop();
    if (const QString refusal = remoteStartRefusal(settings); !refusal.isEmpty())
        return refusal;
    settings_ = settings;
    ++passwordGeneration_;
    sessions_ = SessionBook(std::int64_t(settings.idleHours) * 3600 * 1000);
    throttle_ = LoginThrottle(settings.failureDelayMs);
    guard_ = std::make_unique<ConnectionGuard>(limits);
    http_ = std::make_unique<QHttpServer>();
    // A certificate chosen is used on loopback too; elsewhere it is required.
    tls_ = !settings.certificateFile.isEmpty() && !settings.keyFile.isEmpty();
    certificateNames_.clear();

    QTcpServer *listener = nullptr;
    if (tls_) {
        QFile certificateFile(settings.certificateFile);
        QFile keyFile(settings.keyFile);
        if (!certificateFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly))
            return QCoreApplication::translate("Remote", "Le certificat ou la clé ne peut pas être lu.");
        const QList<QSslCertificate> chain = QSslCertificate::fromDevice(&certificateFile, QSsl::Pem);
        QSslKey key(&keyFile, QSsl::Ec, QSsl::Pem);
        if (key.isNull()) {
            keyFile.seek(0);
            key = QSslKey(&keyFile, QSsl::Rsa, QSsl::Pem);
        }
        if (chain.isEmpty() || chain.front().isNull())
            return QCoreApplication::translate("Remote", "Le fichier %1 ne contient pas de certificat PEM.")
                .arg(settings.certificateFile);
        if (key.isNull())
            return QCoreApplication::translate(
                       "Remote", "Le fichier %1 ne contient pas de clé privée PEM (RSA ou EC) sans mot de passe.")
                .arg(settings.keyFile);
        for (const QString &name : chain.front().subjectAlternativeNames().values(QSsl::DnsEntry))
            certificateNames_.insert(name.toLower());
        for (const QString &name : chain.front().subjectInfo(QSslCertificate::CommonName))
            certificateNames_.insert(name.toLower());
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setLocalCertificateChain(chain);
        configuration.setPrivateKey(key);
        configuration.setProtocol(QSsl::TlsV1_2OrLater);
        auto *tls = new TlsListener(*guard_, http_.get());
        tls->setSslConfiguration(configuration);
        tls->setHandshakeTimeout(limits.requestTimeoutMs);
        listener = tls;
    } else {
        listener = new PlainListener(*guard_, http_.get());
    }
    if (!listener->listen(QHostAddress(settings.address), quint16(settings.port))) {
        const QString why = listener->errorString();
        http_.reset();
        return QCoreApplication::translate("Remote", "Le serveur ne peut pas écouter sur %1:%2 : %3")
            .arg(settings.address)
            .arg(settings.port)
            .arg(why);
    }
    port_ = listener->serverPort();
    http_->bind(listener);
    http_->route<LiveRule>(
        QStringLiteral("/api/live"), [this](const QHttpServerRequest &request) { return !liveRefusal(request); },
        [](QHttpServerResponder &&) {});
    http_->setMissingHandler([this](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
        answer(request, std::move(responder));
    });
    connect(http_.get(), &QAbstractHttpServer::newWebSocketConnection, this, &RemoteServer::liveConnected);
    listening_ = true;
    return {};
}

void RemoteServer::stop()
{
    for (const LiveClient &client : clients_) {
        client.socket->disconnect(this);
        client.socket->abort();
        client.socket->deleteLater();
    }
    clients_.clear();
    http_.reset();
    guard_.reset();
    sessions_.closeAll();
    listening_ = false;
    port_ = 0;
}

void RemoteServer::publish()
{
    if (clients_.empty())
        return;
    const RemoteSnapshot snapshot = station_.snapshot();
    const bool samePaths = snapshot.sky.trackedPath == sentSky_.trackedPath
                           && snapshot.sky.awaitedPath == sentSky_.awaitedPath;
    // Built once for every client.
    const QString message =
        QString::fromUtf8(stateMessage(snapshot, samePaths ? SkyPaths::LeftOut : SkyPaths::Included));
    if (!samePaths)
        sentSky_ = snapshot.sky;
    const std::int64_t now = nowMs();
    bool ended = false;
    for (const LiveClient &client : std::vector<LiveClient>(clients_)) {
        if (!sessions_.useKey(client.sessionKey, now)) {
            dropClient(client.socket, kSessionEnded,
                       QCoreApplication::translate("Remote", "Session terminée : connectez-vous à nouveau."));
            ended = true;
        } else if (client.socket->bytesToWrite() > kSlowClientBytes) {
            dropClient(
                client.socket, QWebSocketProtocol::CloseCodePolicyViolated,
                QCoreApplication::translate("Remote", "Client trop lent : il ne lit pas ce qui lui est envoyé."));
        } else {
            client.socket->sendTextMessage(message);
        }
    }
    if (ended)
        emit sessionsChanged();
}

void RemoteServer::cutAllSessions()
{
    sessions_.closeAll();
    for (const LiveClient &client : std::vector<LiveClient>(clients_))
        dropClient(client.socket, kSessionEnded,
                   QCoreApplication::translate("Remote", "Sessions coupées depuis la station."));
    emit sessionsChanged();
}

void RemoteServer::setPasswordHashes(const QByteArray &operatorHash, const QByteArray &viewerHash)
{
    settings_.operatorHash = operatorHash;
    settings_.viewerHash = viewerHash;
    ++passwordGeneration_;
    cutAllSessions();
}

std::vector<RemoteServer::Connected> RemoteServer::sessions()
{
    std::vector<Connected> connected;
    for (const RemoteSession &session : sessions_.current(nowMs()))
        connected.push_back({session.role, session.address});
    return connected;
}

// Closing may say at once that the socket is disconnected: the client
// leaves the list before, and no longer tells this server anything.
void RemoteServer::dropClient(QWebSocket *socket, QWebSocketProtocol::CloseCode code, const QString &reason)
{
    std::erase_if(clients_, [socket](const LiveClient &client) { return client.socket == socket; });
    socket->disconnect(this);
    socket->close(code, reason);
    socket->deleteLater();
}

void RemoteServer::closeClients(QByteArray token, QWebSocketProtocol::CloseCode code, const QString &reason)
{
    const QByteArray key = SessionBook::key(token);
    std::vector<QWebSocket *> leaving;
    for (const LiveClient &client : clients_)
        if (client.sessionKey == key)
            leaving.push_back(client.socket);
    for (QWebSocket *socket : leaving)
        dropClient(socket, code, reason);
}

RemoteServer::Caller RemoteServer::caller(const QByteArray &authorization, const QByteArray &cookie)
{
    Caller found;
    found.token = bearerToken(authorization);
    if (found.token.isEmpty()) {
        found.token = cookieValue(cookie, kCookieName);
        found.byCookie = !found.token.isEmpty();
    }
    found.session = sessions_.use(found.token, nowMs());
    return found;
}

// A name the page may be reached by: an address, localhost, or a name of
// the certificate. Any other name is a page of another site that had its
// name point here.
bool RemoteServer::hostAllowed(const QByteArray &host) const
{
    QString name = QString::fromLatin1(host).toLower();
    if (name.startsWith(QLatin1Char('['))) {
        name = name.mid(1, name.indexOf(QLatin1Char(']')) - 1);
    } else if (const int colon = name.lastIndexOf(QLatin1Char(':')); colon >= 0) {
        name = name.left(colon);
    }
    if (name.isEmpty())
        return false;
    return !QHostAddress(name).isNull() || name == QLatin1String("localhost") || certificateNames_.count(name) > 0;
}

bool RemoteServer::sameOrigin(const QByteArray &origin, const QByteArray &host) const
{
    return origin.compare((tls_ ? "https://" : "http://") + host, Qt::CaseInsensitive) == 0;
}

void RemoteServer::send(QHttpServerResponder &responder, int status, const QByteArray &type, const QByteArray &body,
                        const std::vector<std::pair<QByteArray, QByteArray>> &extra) const
{
    QTcpSocket *socket = responder.socket();
    if (!socket || socket->state() != QAbstractSocket::ConnectedState)
        return;
    responder.writeStatusLine(QHttpServerResponder::StatusCode(status));
    responder.writeHeader("Content-Type", type);
    responder.writeHeader("Content-Length", QByteArray::number(body.size()));
    responder.writeHeader("Content-Security-Policy", kSecurityPolicy);
    responder.writeHeader("X-Content-Type-Options", "nosniff");
    responder.writeHeader("X-Frame-Options", "DENY");
    responder.writeHeader("Referrer-Policy", "no-referrer");
    responder.writeHeader("Cross-Origin-Resource-Policy", "same-origin");
    if (tls_)
        responder.writeHeader("Strict-Transport-Security", "max-age=31536000");
    bool cacheSaid = false;
    for (const auto &[name, value] : extra) {
        responder.writeHeader(name, value);
        cacheSaid = cacheSaid || name == "Cache-Control";
    }
    if (!cacheSaid)
        responder.writeHeader("Cache-Control", "no-store");
    responder.writeBody(body);
}

void RemoteServer::sendJson(QHttpServerResponder &responder, int status, const QJsonObject &object,
                            const std::vector<std::pair<QByteArray, QByteArray>> &extra) const
{
    send(responder, status, "application/json; charset=utf-8", QJsonDocument(object).toJson(QJsonDocument::Compact),
         extra);
}

void RemoteServer::refuse(QHttpServerResponder &responder, const Refusal &refusal) const
{
    std::vector<std::pair<QByteArray, QByteArray>> extra;
    if (refusal.status == 401)
        extra.emplace_back("WWW-Authenticate", "Bearer");
    sendJson(responder, refusal.status, QJsonObject{{QStringLiteral("error"), refusal.reason}}, extra);
}

void RemoteServer::answer(const QHttpServerRequest &request, QHttpServerResponder &&responder)
{
    const QString path = request.url().path(QUrl::FullyEncoded);
    const auto method = request.method();
    if (!hostAllowed(request.value("host"))) {
        refuse(responder,
               {400, QCoreApplication::translate("Remote", "Nom d'hôte refusé : ouvrez la station par son adresse.")});
        return;
    }
    for (const PageFile &file : kPage) {
        if (path != QLatin1String(file.path))
            continue;
        if (method != QHttpServerRequest::Method::Get) {
            refuse(responder, {405, QCoreApplication::translate("Remote", "Méthode non permise : GET attendu.")});
            return;
        }
        QFile resource(QString::fromLatin1(file.resource ? file.resource : ""));
        if (file.resource)
            resource.open(QIODevice::ReadOnly);
        send(responder, 200, file.type, file.resource ? resource.readAll() : remotePageTexts(),
             {{"Cache-Control", "no-cache"}});
        return;
    }
    if (path == QLatin1String("/api/live")) {
        refuse(responder, liveRefusal(request).value_or(
                              Refusal{400, QCoreApplication::translate("Remote", "WebSocket attendu.")}));
        return;
    }
    const bool post = method == QHttpServerRequest::Method::Post;
    if (path == QLatin1String("/api/login")) {
        if (!post)
            refuse(responder, {405, QCoreApplication::translate("Remote", "Méthode non permise : POST attendu.")});
        else
            login(request, std::move(responder));
        return;
    }
    if (path == QLatin1String("/api/state") || path == QLatin1String("/api/logout") || kCommands.contains(path)) {
        const bool wantsGet = path == QLatin1String("/api/state");
        if (wantsGet ? method != QHttpServerRequest::Method::Get : !post) {
            refuse(responder,
                   {405, wantsGet ? QCoreApplication::translate("Remote", "Méthode non permise : GET attendu.")
                                  : QCoreApplication::translate("Remote", "Méthode non permise : POST attendu.")});
            return;
        }
        command(path, request, responder);
        return;
    }
    refuse(responder, {404, QStringLiteral("Introuvable : %1").arg(path.left(200))});
}

void RemoteServer::command(const QString &path, const QHttpServerRequest &request, QHttpServerResponder &responder)
{
    const Caller who = caller(request.value("authorization"), request.value("cookie"));
    if (!who.session) {
        refuse(responder, {401, QCoreApplication::translate("Remote", "Session absente ou expirée : connectez-vous.")});
        return;
    }
    if (path == QLatin1String("/api/state")) {
        QJsonObject state = stateJson(station_.snapshot());
        state.insert(QStringLiteral("role"), roleName(who.session->role));
        sendJson(responder, 200, state);
        return;
    }
    // A page of another site may make the browser send the cookie: a
    // state-changing call by cookie must come from this page.
    const QByteArray origin = request.value("origin");
    if ((who.byCookie || !origin.isEmpty()) && !sameOrigin(origin, request.value("host"))) {
        refuse(responder, {403, QCoreApplication::translate("Remote", "Requête d'un autre site refusée.")});
        return;
    }
    const QByteArray body = request.body();
    if (!body.trimmed().isEmpty() && !request.value("content-type").toLower().startsWith("application/json")) {
        refuse(responder,
               {415, QCoreApplication::translate("Remote", "Corps refusé : Content-Type application/json attendu.")});
        return;
    }
    if (path == QLatin1String("/api/logout")) {
        if (const auto read = readEmpty(body); std::holds_alternative<Refusal>(read)) {
            refuse(responder, std::get<Refusal>(read));
            return;
        }
        sessions_.close(who.token);
        closeClients(who.token, kSessionEnded, QCoreApplication::translate("Remote", "Session terminée."));
        sendJson(responder, 200, {{QStringLiteral("ok"), true}},
                 {{"Set-Cookie", kCookieName + "=; Path=/; Max-Age=0; HttpOnly; SameSite=Strict"}});
        emit sessionsChanged();
        return;
    }
    if (who.session->role != RemoteRole::Operator) {
        refuse(responder,
               {403, QCoreApplication::translate(
                         "Remote", "Réservé à l'opérateur : ce mot de passe permet seulement de regarder.")});
        return;
    }
    const auto done = [&](const QString &refusal) {
        if (refusal.isEmpty())
            sendJson(responder, 200, {{QStringLiteral("ok"), true}});
        else
            refuse(responder, {409, refusal});
    };
    const auto run = [&](auto read, auto act) {
        auto parsed = read(body);
        if (auto *refusal = std::get_if<Refusal>(&parsed)) {
            refuse(responder, *refusal);
            return;
        }
        // The window's own operator wins: nothing is done while it has the hand.
        if (const QString holds = station_.windowHolds(); !holds.isEmpty()) {
            refuse(responder, {409, holds});
            return;
        }
        done(act(std::get<0>(parsed)));
    };
    if (path == QLatin1String("/api/switches"))
        run(readSwitches, [this](const SwitchesCommand &c) { return station_.setSwitches(c.rotor, c.doppler, c.receiver); });
    else if (path == QLatin1String("/api/pointing"))
        run(readPointing, [this](const PointingCommand &c) { return station_.point(c.azimuthDeg, c.elevationDeg); });
    else if (path == QLatin1String("/api/tuning"))
        run(readTuning, [this](const TuningCommand &c) { return station_.tune(c.stepHz, c.steps); });
    else if (path == QLatin1String("/api/park"))
        run(readEmpty, [this](const EmptyCommand &) { return station_.park(); });
    else
        run(readEmpty, [this](const EmptyCommand &) { return station_.stopAll(); });
}

void RemoteServer::login(const QHttpServerRequest &request, QHttpServerResponder &&responder)
{
    const QString address = request.remoteAddress().toString();
    const QByteArray origin = request.value("origin");
    if (!origin.isEmpty() && !sameOrigin(origin, request.value("host"))) {
        refuse(responder, {403, QCoreApplication::translate("Remote", "Requête d'un autre site refusée.")});
        return;
    }
    if (!request.value("content-type").toLower().startsWith("application/json")) {
        refuse(responder,
               {415, QCoreApplication::translate("Remote", "Corps refusé : Content-Type application/json attendu.")});
        return;
    }
    const std::int64_t wait = throttle_.waitMs(address, nowMs());
    if (wait > 0 || checking_.count(address)) {
        const QByteArray seconds = QByteArray::number(std::max<std::int64_t>(1, (wait + 999) / 1000));
        sendJson(responder, 429,
                 {{QStringLiteral("error"),
                   QCoreApplication::translate("Remote", "Trop d'essais depuis cette adresse : réessayez dans %1 s.")
                       .arg(seconds)}},
                 {{"Retry-After", seconds}});
        return;
    }
    auto read = readLogin(request.body());
    if (auto *refusal = std::get_if<Refusal>(&read)) {
        refuse(responder, *refusal);
        return;
    }
    if (checks_.activeThreadCount() >= checks_.maxThreadCount()) {
        sendJson(responder, 503,
                 {{QStringLiteral("error"),
                   QCoreApplication::translate("Remote", "Serveur occupé : réessayez dans un instant.")}},
                 {{"Retry-After", "1"}});
        return;
    }
    checking_.insert(address);
    QPointer<QTcpSocket> socket(responder.socket());
    auto waiting = std::make_shared<QHttpServerResponder>(std::move(responder));
    checks_.start([this, socket, waiting, address, generation = passwordGeneration_,
                   password = std::get<LoginCommand>(read).password,
                   operatorHash = settings_.operatorHash, viewerHash = settings_.viewerHash] {
        // Both are checked whatever the first says: the time tells nothing.
        const bool operatorMatch = remotePasswordMatches(operatorHash, password);
        const bool viewerMatch = remotePasswordMatches(viewerHash, password);
        std::optional<RemoteRole> role;
        if (operatorMatch)
            role = RemoteRole::Operator;
        else if (viewerMatch)
            role = RemoteRole::Viewer;
        QMetaObject::invokeMethod(
            this,
            [this, socket, waiting, address, role, generation] {
                // Checked against passwords that have since changed: it proves nothing now.
                if (generation != passwordGeneration_) {
                    checking_.erase(address);
                    if (socket)
                        sendJson(*waiting, 503,
                                 {{QStringLiteral("error"),
                                   QCoreApplication::translate("Remote",
                                                               "Les mots de passe viennent de changer : réessayez.")}});
                    return;
                }
                loginChecked(socket, waiting, address, role);
            },
            Qt::QueuedConnection);
    });
}

void RemoteServer::loginChecked(QPointer<QTcpSocket> socket, std::shared_ptr<QHttpServerResponder> responder,
                                const QString &address, std::optional<RemoteRole> role)
{
    checking_.erase(address);
    if (!listening_)
        return;
    if (!role) {
        if (throttle_.failed(address, nowMs()) >= 3 && toldRefused_.insert(address).second)
            emit loginsRefused(address);
        if (socket)
            refuse(*responder, {401, QCoreApplication::translate("Remote", "Mot de passe refusé.")});
        return;
    }
    throttle_.succeeded(address);
    const QByteArray token = sessions_.open(*role, address, nowMs());
    if (socket)
        sendJson(*responder, 200, {{QStringLiteral("role"), roleName(*role)}, {QStringLiteral("token"), QString::fromLatin1(token)}},
                 {{"Set-Cookie", kCookieName + '=' + token + "; Path=/; HttpOnly; SameSite=Strict" + (tls_ ? "; Secure" : "")}});
    emit sessionsChanged();
}

std::optional<Refusal> RemoteServer::liveRefusal(const QHttpServerRequest &request)
{
    if (request.value("upgrade").compare("websocket", Qt::CaseInsensitive) != 0)
        return Refusal{400, QCoreApplication::translate("Remote", "WebSocket attendu.")};
    if (!hostAllowed(request.value("host")))
        return Refusal{400,
                       QCoreApplication::translate("Remote", "Nom d'hôte refusé : ouvrez la station par son adresse.")};
    const QByteArray origin = request.value("origin");
    if (!origin.isEmpty() && !sameOrigin(origin, request.value("host")))
        return Refusal{403, QCoreApplication::translate(
                                "Remote", "Origine refusée : seule la page de la station peut s'abonner.")};
    const Caller who = caller(request.value("authorization"), request.value("cookie"));
    if (!who.session)
        return Refusal{401, QCoreApplication::translate("Remote", "Session absente ou expirée : connectez-vous.")};
    if (who.byCookie && origin.isEmpty())
        return Refusal{403, QCoreApplication::translate("Remote", "Origine absente : un navigateur doit la donner.")};
    return std::nullopt;
}

void RemoteServer::liveConnected()
{
    while (http_ && http_->hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> owned = http_->nextPendingWebSocketConnection();
        QWebSocket *socket = owned.release();
        socket->setParent(this);
        const QNetworkRequest &request = socket->request();
        // Checked again on what the WebSocket itself carries.
        const Caller who = caller(request.rawHeader("Authorization"), request.rawHeader("Cookie"));
        const QByteArray host = request.rawHeader("Host");
        if (!who.session || (!socket->origin().isEmpty() && !sameOrigin(socket->origin().toLatin1(), host))) {
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated,
                          QCoreApplication::translate("Remote", "Session ou origine refusée."));
            socket->deleteLater();
            continue;
        }
        socket->setMaxAllowedIncomingFrameSize(kMaxLiveMessageBytes);
        socket->setMaxAllowedIncomingMessageSize(kMaxLiveMessageBytes);
        clients_.push_back({socket, SessionBook::key(who.token)});
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, socket](const QString &text) { liveMessage(socket, text); });
        connect(socket, &QWebSocket::binaryMessageReceived, this,
                [this, socket](const QByteArray &) { liveMessage(socket, QString()); });
        connect(socket, &QWebSocket::disconnected, this, [this, socket] {
            std::erase_if(clients_, [socket](const LiveClient &client) { return client.socket == socket; });
            socket->deleteLater();
            emit sessionsChanged();
        });
        socket->sendTextMessage(QString::fromUtf8(stateMessage(station_.snapshot())));
        emit sessionsChanged();
    }
}

// The live socket only sends; a client may ping it. Anything else is told
// why it is refused, and a client that keeps sending wrong is closed.
void RemoteServer::liveMessage(QWebSocket *socket, const QString &text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    const QJsonObject object = document.object();
    if (document.isObject() && object.size() == 1 && object.value(QStringLiteral("type")) == QLatin1String("ping")) {
        socket->sendTextMessage(QStringLiteral("{\"type\":\"pong\"}"));
        return;
    }
    const QString reason =
        error.error != QJsonParseError::NoError || !document.isObject()
            ? QCoreApplication::translate("Remote", "Message illisible : un objet JSON est attendu.")
            : QCoreApplication::translate("Remote", "Message inconnu : seul {\"type\": \"ping\"} est attendu ; "
                                                    "les commandes passent par l'API.");
    socket->sendTextMessage(QString::fromUtf8(
        QJsonDocument(QJsonObject{{QStringLiteral("type"), QStringLiteral("error")},
                                  {QStringLiteral("status"), 400},
                                  {QStringLiteral("error"), reason}})
            .toJson(QJsonDocument::Compact)));
    const auto client = std::find_if(clients_.begin(), clients_.end(),
                                     [socket](const LiveClient &c) { return c.socket == socket; });
    if (client != clients_.end() && ++client->refused > kMaxLiveRefusals)
        dropClient(socket, QWebSocketProtocol::CloseCodePolicyViolated,
                   QCoreApplication::translate("Remote", "Trop de messages refusés."));
}

} // namespace orvanta
