#include "logbook/log_store.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace orvanta {
namespace {

Contact contact(const QString &call, const QString &sat, const QString &isoUtc, const QString &grid = {})
{
    Contact c;
    c.call = call;
    c.satName = sat;
    c.instant = QDateTime::fromString(isoUtc, Qt::ISODate);
    c.grid = grid;
    return c;
}

QByteArray digest(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// A contact shown as logged is on disk: a process killed right after the
// add leaves it in the file, in WAL mode.
TEST(LogStore, AContactSurvivesAKillRightAfterItWasLogged)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("journal.sqlite");
    const pid_t child = fork();
    if (child == 0) {
        LogStore store(path);
        const bool added = store.add(contact("F4ABC", "FO-29", "2026-06-27T07:12:03Z")).has_value();
        if (added)
            ::kill(::getpid(), SIGKILL);
        ::_exit(3);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child could not log";
    LogStore store(path);
    ASSERT_TRUE(store.isOpen()) << store.error().toStdString();
    ASSERT_EQ(store.count(), 1);
    EXPECT_EQ(store.contacts().front().call, "F4ABC");
    QSqlQuery q(store.database());
    ASSERT_TRUE(q.exec("PRAGMA journal_mode") && q.next());
    EXPECT_EQ(q.value(0).toString(), "wal");
}

// A first-version file is brought up to date with its contacts; a file from
// a newer version, or one that is no log, is refused and left as it was.
TEST(LogStore, OlderSchemasAreMigratedNewerOnesRefusedUntouched)
{
    QTemporaryDir dir;
    const QString old = dir.filePath("old.sqlite");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "v1");
        db.setDatabaseName(old);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE contacts (id INTEGER PRIMARY KEY, time_on INTEGER NOT NULL, call TEXT NOT "
                           "NULL, catalog INTEGER NOT NULL DEFAULT 0, sat_name TEXT NOT NULL DEFAULT '', sat_mode "
                           "TEXT NOT NULL DEFAULT '', prop_mode TEXT NOT NULL DEFAULT 'SAT', freq_up INTEGER NOT NULL "
                           "DEFAULT 0, freq_down INTEGER NOT NULL DEFAULT 0, band TEXT NOT NULL DEFAULT '', band_rx "
                           "TEXT NOT NULL DEFAULT '', mode TEXT NOT NULL DEFAULT '', submode TEXT NOT NULL DEFAULT '', "
                           "rst_sent TEXT NOT NULL DEFAULT '', rst_rcvd TEXT NOT NULL DEFAULT '', grid TEXT NOT NULL "
                           "DEFAULT '', my_grid TEXT NOT NULL DEFAULT '', station_callsign TEXT NOT NULL DEFAULT '', "
                           "operator TEXT NOT NULL DEFAULT '', name TEXT NOT NULL DEFAULT '', comment TEXT NOT NULL "
                           "DEFAULT '', extra TEXT NOT NULL DEFAULT '')"));
        ASSERT_TRUE(q.exec("CREATE TABLE facts (key TEXT PRIMARY KEY, value TEXT NOT NULL)"));
        ASSERT_TRUE(q.exec("INSERT INTO contacts (time_on, call, sat_name, grid) VALUES (1782544323, 'F4ABC', "
                           "'FO-29', 'JN18eu')"));
        ASSERT_TRUE(q.exec("PRAGMA user_version = 1"));
        db.close();
    }
    QSqlDatabase::removeDatabase("v1");
    {
        LogStore store(old);
        ASSERT_TRUE(store.isOpen()) << store.error().toStdString();
        EXPECT_EQ(store.count(), 1);
        EXPECT_FALSE(store.worked("F4ABC", "JN18", "FO-29").newGrid) << "the migrated square is searched";
        QSqlQuery q(store.database());
        ASSERT_TRUE(q.exec("PRAGMA user_version") && q.next());
        EXPECT_EQ(q.value(0).toInt(), LogStore::kSchemaVersion);
        q.exec(QStringLiteral("PRAGMA user_version = %1").arg(LogStore::kSchemaVersion + 1));
    }
    const QString notLog = dir.filePath("notes.sqlite");
    QFile notes(notLog);
    notes.open(QIODevice::WriteOnly);
    notes.write("These are not the contacts you are looking for.\n");
    notes.close();
    for (const QString &path : {old, notLog}) {
        const QByteArray before = digest(path);
        LogStore refused(path);
        EXPECT_FALSE(refused.isOpen());
        EXPECT_FALSE(refused.add(contact("F5XYZ", "AO-91", "2026-06-27T08:00:00Z")));
        EXPECT_EQ(digest(path), before);
    }
    EXPECT_TRUE(LogStore(old).error().contains("plus récente")) << LogStore(old).error().toStdString();
}

// "Already worked" and the new grids; duplicates by call, satellite and two minutes.
TEST(LogStore, WorkedBeforeNewGridsAndDuplicates)
{
    QTemporaryDir dir;
    LogStore store(dir.filePath("journal.sqlite"));
    store.add(contact("F4ABC", "FO-29", "2026-06-20T07:12:03Z", "JN18eu"));
    store.add(contact("F4ABC", "AO-91", "2026-06-25T19:40:00Z", "JN18eu"));
    store.add(contact("G0XYZ", "AO-91", "2026-06-26T19:40:00Z", "IO91wm"));

    const WorkedBefore worked = store.worked("f4abc", "JN18", "SO-50");
    EXPECT_EQ(worked.contacts, 2);
    ASSERT_EQ(worked.latest.size(), 2u);
    EXPECT_EQ(worked.latest.front().satName, "AO-91") << "the latest first";
    EXPECT_TRUE(worked.newGridOnSatellite);
    EXPECT_FALSE(worked.newGrid);
    EXPECT_FALSE(store.worked("F4ABC", "IO91", "AO-91").newGridOnSatellite);
    EXPECT_TRUE(store.worked("K1ABC", "FN42", "AO-91").newGrid);

    int duplicates = 0;
    const auto added = store.addNew({contact("F4ABC", "FO-29", "2026-06-20T07:13:50Z"),
                                     contact("F4ABC", "FO-29", "2026-06-20T07:14:10Z"),
                                     contact("F4ABC", "SO-50", "2026-06-20T07:12:03Z")},
                                    &duplicates);
    EXPECT_EQ(added, 2);
    EXPECT_EQ(duplicates, 1);
}

} // namespace
} // namespace orvanta
