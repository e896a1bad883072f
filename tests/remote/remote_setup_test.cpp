#include "remote/distance_window.h"
#include "remote/remote_passwords.h"
#include "remote/remote_sessions.h"
#include "remote/remote_settings.h"
#include "remote/remote_setup.h"
#include "support/fakes.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace orvanta::test {
namespace {

TEST(RemoteSetup, TheWindowKeepsOnlyWhatIsRightAndPasswordsOnlyAsHashes)
{
    MemorySettingsStore store;
    int applied = 0;
    RemoteSetup setup(store, [&] { ++applied; });
    DistanceWindow window(setup);
    window.ouvrir();
    const auto edit = [&](const char *name, const QString &text) {
        window.findChild<QLineEdit *>(QLatin1String(name))->setText(text);
    };
    const auto problem = [&] { return window.findChild<QLabel *>(QStringLiteral("Distance_Probleme"))->text(); };
    window.findChild<QCheckBox *>(QStringLiteral("Distance_Actif"))->setChecked(true);

    const struct {
        const char *address;
        const char *port;
        const char *certificate;
        const char *hours;
        QString problem;
    } refused[] = {
        {"127.0.0.1", "8470", "", "12", "Aucun mot de passe"},
        {"127.0.0.1", "80000", "", "12", "entre 1 et 65535"},
        {"127.0.0.1", "84,7", "", "12", "entre 1 et 65535"},
        {"127.0.0.1", "8470", "", "0", "entre 1 et 720"},
        {"127.0.0.1", "8470", "/tmp/station.pem", "12", "ensemble"},
        {"station.example", "8470", "", "12", "adresse IP"},
    };
    for (const auto &r : refused) {
        edit("Distance_Adresse", QLatin1String(r.address));
        edit("Distance_Port", QLatin1String(r.port));
        edit("Distance_Certificat", QLatin1String(r.certificate));
        edit("Distance_Inactivite", QLatin1String(r.hours));
        EXPECT_FALSE(window.enregistrer()) << r.port;
        EXPECT_TRUE(problem().contains(r.problem)) << problem().toStdString();
    }
    EXPECT_EQ(applied, 0);

    edit("Distance_Mot_Operateur", QStringLiteral("toit et jardin"));
    edit("Distance_Mot_Operateur_Bis", QStringLiteral("toit et jardim"));
    EXPECT_FALSE(window.enregistrer());
    EXPECT_TRUE(problem().contains("diffèrent"));
    edit("Distance_Mot_Operateur_Bis", QStringLiteral("toit et jardin"));
    edit("Distance_Adresse", QStringLiteral("192.0.2.7"));
    edit("Distance_Port", QStringLiteral("8470"));
    edit("Distance_Inactivite", QStringLiteral("6"));
    EXPECT_FALSE(window.enregistrer());
    EXPECT_TRUE(problem().contains("exige TLS"));
    edit("Distance_Adresse", QStringLiteral("127.0.0.1"));
    EXPECT_TRUE(window.enregistrer()) << problem().toStdString();

    const RemoteSettings kept = loadRemoteSettings(store);
    EXPECT_TRUE(kept.enabled);
    EXPECT_EQ(kept.port, 8470);
    EXPECT_EQ(kept.idleHours, 6);
    EXPECT_TRUE(kept.operatorHash.startsWith("$argon2id$"));
    EXPECT_TRUE(remotePasswordMatches(kept.operatorHash, "toit et jardin"));
    EXPECT_FALSE(remotePasswordMatches(kept.operatorHash, "toit et jardim"));
    EXPECT_TRUE(kept.viewerHash.isEmpty());
    EXPECT_FALSE(store.get(QStringLiteral("Orvanta"), QStringLiteral("Distance"), QStringLiteral("Hachage_Operateur"), {}).contains("jardin"));
}

TEST(RemoteSetup, TheCommandLineAddressIsAPortOrAnAddressAndAPort)
{
    const struct {
        const char *text;
        const char *address; // empty: refused
        int port;
    } cases[] = {
        {"8470", "127.0.0.1", 8470},     {"192.168.1.20:8470", "192.168.1.20", 8470}, {"[::1]:8470", "::1", 8470},
        {"0", "", 0},                    {"65536", "", 0},                            {"localhost:8470", "", 0},
        {"127.0.0.1:", "", 0},           {"8470x", "", 0},
    };
    for (const auto &c : cases) {
        QString error;
        const auto listen = parseRemoteListen(QLatin1String(c.text), &error);
        EXPECT_EQ(listen.has_value(), *c.address != 0) << c.text;
        if (listen) {
            EXPECT_EQ(listen->address, QLatin1String(c.address));
            EXPECT_EQ(listen->port, c.port);
        } else {
            EXPECT_TRUE(error.startsWith("--remote attend")) << c.text;
        }
    }
}

TEST(RemoteSessions, IdleSessionsEndAndEachWrongPasswordDoublesTheWait)
{
    SessionBook book(1000);
    const QByteArray token = book.open(RemoteRole::Operator, QStringLiteral("127.0.0.1"), 0);
    EXPECT_TRUE(book.use(token, 900));
    EXPECT_TRUE(book.use(token, 1800)); // each use starts the idle time again
    EXPECT_FALSE(book.use(token, 2801));
    EXPECT_EQ(book.size(), 0u);
    EXPECT_NE(book.open(RemoteRole::Viewer, {}, 0), book.open(RemoteRole::Viewer, {}, 0));

    LoginThrottle throttle(100);
    const QString a = QStringLiteral("10.0.0.1");
    std::int64_t now = 0;
    for (const std::int64_t wait : {100, 200, 400, 800}) {
        throttle.failed(a, now);
        EXPECT_EQ(throttle.waitMs(a, now), wait);
        now += wait;
        EXPECT_EQ(throttle.waitMs(a, now), 0);
    }
    EXPECT_EQ(throttle.waitMs(QStringLiteral("10.0.0.2"), now), 0);
    for (int i = 0; i < 40; ++i)
        throttle.failed(a, now);
    EXPECT_EQ(throttle.waitMs(a, now), LoginThrottle::kLongestDelayMs);
    throttle.succeeded(a);
    EXPECT_EQ(throttle.waitMs(a, now), 0);
}

} // namespace
} // namespace orvanta::test
