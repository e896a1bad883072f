#include "logbook/log_store.h"

#include "logbook/adif_contacts.h"
#include "logbook/adif_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <sqlite3.h>

#include <array>
#include <atomic>
#include <limits>
#include <memory>

namespace orvanta {

namespace {

constexpr qint64 kDuplicateSeconds = 120;
constexpr int kLatestShown = 5;

// The log's column of each text of a contact, in the order of ContactText.
constexpr std::array<const char *, kContactTexts> kTextColumns{
    "call",    "band",     "band_rx",          "mode",     "submode", "prop_mode", "sat_name", "sat_mode",
    "rst_sent", "rst_rcvd", "grid", "my_grid", "station_callsign", "operator", "name",     "comment",
};

// The numbers, the texts and the extra fields, in the order rows are read
// and bound; a read starts with the id.
QString columnList(const char *between)
{
    QStringList names{QStringLiteral("time_on"), QStringLiteral("catalog"), QStringLiteral("freq_up"),
                      QStringLiteral("freq_down")};
    for (const char *name : kTextColumns)
        names << QString::fromLatin1(name);
    names << QStringLiteral("extra");
    return names.join(QString::fromLatin1(between));
}

const QString &selectedColumns()
{
    static const QString columns = QStringLiteral("id, ") + columnList(", ");
    return columns;
}

constexpr int kFirstText = 5; // after id, time_on, catalog, freq_up, freq_down

QString newConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("orvanta-log-%1").arg(next++);
}

QString squareOf(const QString &grid)
{
    return grid.left(4).toUpper();
}

Contact contactFromRow(const QSqlQuery &q)
{
    Contact c;
    c.id = q.value(0).toLongLong();
    c.instant = QDateTime::fromSecsSinceEpoch(q.value(1).toLongLong(), Qt::UTC);
    c.catalogNumber = long(q.value(2).toLongLong());
    c.uplinkHz = q.value(3).toLongLong();
    c.downlinkHz = q.value(4).toLongLong();
    for (std::size_t k = 0; k < kContactTexts; ++k)
        textOf(c, ContactText(k)) = q.value(kFirstText + int(k)).toString();
    const QByteArray extra = q.value(kFirstText + int(kContactTexts)).toByteArray();
    if (!extra.isEmpty()) {
        const AdifFile kept = readAdif(extra + "<EOR>");
        if (!kept.records.empty())
            c.extra = kept.records.front().fields;
    }
    return c;
}

// A null text would be bound as SQL NULL, which the columns refuse.
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

// Binds every column but the id, in the order of columnList(), then the square.
void bindContact(QSqlQuery &q, const Contact &c)
{
    q.addBindValue(c.instant.toSecsSinceEpoch());
    q.addBindValue(qlonglong(c.catalogNumber));
    q.addBindValue(c.uplinkHz);
    q.addBindValue(c.downlinkHz);
    for (std::size_t k = 0; k < kContactTexts; ++k)
        q.addBindValue(notNull(textOf(c, ContactText(k))));
    q.addBindValue(notNull(QString::fromUtf8(adifFieldsText(c.extra))));
    q.addBindValue(notNull(squareOf(c.grid)));
}

QString insertStatement()
{
    return QStringLiteral("INSERT INTO contacts (%1, square) VALUES (?%2)")
        .arg(columnList(", "), QStringLiteral(", ?").repeated(int(kContactTexts) + 5));
}

// SQLite's reason, led by what it means for the operator where that is
// one of the usual faults of a file.
QString sqlFault(const QSqlError &error)
{
    const QString text =
        error.text().isEmpty() ? QCoreApplication::translate("Journal", "erreur SQLite") : error.text();
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case SQLITE_READONLY:
        return QCoreApplication::translate("Journal",
                                           "journal en lecture seule (fichier ou dossier protégé en écriture) — ") +
               text;
    case SQLITE_FULL:
        return QStringLiteral("disque plein — ") + text;
    case SQLITE_IOERR:
        return QCoreApplication::translate("Journal", "écriture refusée par le disque — ") + text;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QCoreApplication::translate("Journal", "journal occupé par un autre programme — ") + text;
    default:
        return text;
    }
}

QString sqlFault(const QSqlQuery &q)
{
    return sqlFault(q.lastError());
}

} // namespace

LogStore::LogStore(const QString &path) : path_(path), connection_(newConnectionName())
{
    open_ = openFile();
}

LogStore::~LogStore()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QString LogStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/orvanta/journal.sqlite");
}

QSqlDatabase LogStore::database() const
{
    return QSqlDatabase::database(connection_, false);
}

bool LogStore::ready(QString *error) const
{
    if (!open_ && error)
        *error = error_;
    return open_;
}

bool LogStore::fail(const QString &why)
{
    error_ = why;
    return false;
}

bool LogStore::openFile()
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(QCoreApplication::translate("Journal", "le pilote SQLite de Qt manque (paquet libqt6sql6-sqlite)"));
    // An existing file is read first, read only: a newer schema is refused
    // before anything could write to it.
    int version = 0;
    if (QFileInfo::exists(path_)) {
        const QString probe = connection_ + QStringLiteral("-probe");
        bool readable = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), probe);
            db.setDatabaseName(path_);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            bool read = db.open();
            if (read) {
                QSqlQuery q(db);
                read = q.exec(QStringLiteral("PRAGMA user_version")) && q.next();
                if (read)
                    version = q.value(0).toInt();
                QSqlQuery tables(db);
                read = read && tables.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && tables.next();
            }
            db.close();
            readable = read;
        }
        QSqlDatabase::removeDatabase(probe);
        if (!readable)
            return fail(
                QCoreApplication::translate("Journal", "%1 n'est pas un journal lisible (fichier SQLite attendu)")
                    .arg(path_));
        if (version > kSchemaVersion)
            return fail(QCoreApplication::translate(
                            "Journal", "Le journal %1 a été écrit par une version plus récente d'Orvanta (schéma %2, "
                                       "celle-ci connaît le schéma %3) : il n'est ni ouvert ni modifié. Mettez "
                                       "Orvanta à jour pour l'utiliser.")
                            .arg(path_)
                            .arg(version)
                            .arg(kSchemaVersion));
    } else if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        return fail(QCoreApplication::translate("Journal", "dossier %1 impossible à créer")
                        .arg(QFileInfo(path_).absolutePath()));
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    if (!db.open())
        return fail(QCoreApplication::translate("Journal", "journal %1 impossible à ouvrir : %2")
                        .arg(path_, db.lastError().text()));
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA busy_timeout = 5000"));
    if (!q.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !q.next() ||
        q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        return fail(
            QCoreApplication::translate("Journal", "journal %1 : mode WAL refusé (%2)").arg(path_, sqlFault(q)));
    // Each commit reaches the disk before the contact is said to be logged.
    q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    return migrate(version);
}

bool LogStore::migrate(int from)
{
    if (from == kSchemaVersion)
        return true;
    QSqlDatabase db = database();
    QSqlQuery q(db);
    const std::vector<std::vector<const char *>> steps{
        // 1: the contacts.
        {"CREATE TABLE contacts (id INTEGER PRIMARY KEY, time_on INTEGER NOT NULL, call TEXT NOT NULL, "
         "catalog INTEGER NOT NULL DEFAULT 0, sat_name TEXT NOT NULL DEFAULT '', sat_mode TEXT NOT NULL DEFAULT '', "
         "prop_mode TEXT NOT NULL DEFAULT 'SAT', freq_up INTEGER NOT NULL DEFAULT 0, "
         "freq_down INTEGER NOT NULL DEFAULT 0, band TEXT NOT NULL DEFAULT '', band_rx TEXT NOT NULL DEFAULT '', "
         "mode TEXT NOT NULL DEFAULT '', submode TEXT NOT NULL DEFAULT '', rst_sent TEXT NOT NULL DEFAULT '', "
         "rst_rcvd TEXT NOT NULL DEFAULT '', grid TEXT NOT NULL DEFAULT '', my_grid TEXT NOT NULL DEFAULT '', "
         "station_callsign TEXT NOT NULL DEFAULT '', operator TEXT NOT NULL DEFAULT '', "
         "name TEXT NOT NULL DEFAULT '', comment TEXT NOT NULL DEFAULT '', extra TEXT NOT NULL DEFAULT '')",
         "CREATE INDEX contacts_time ON contacts (time_on)",
         "CREATE INDEX contacts_call ON contacts (call, time_on)",
         "CREATE TABLE facts (key TEXT PRIMARY KEY, value TEXT NOT NULL)"},
        // 2: the square of the grid, for "new grid" while typing.
        {"ALTER TABLE contacts ADD COLUMN square TEXT NOT NULL DEFAULT ''",
         "UPDATE contacts SET square = upper(substr(grid, 1, 4))",
         "CREATE INDEX contacts_square ON contacts (square, sat_name)"},
    };
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(
            QCoreApplication::translate("Journal", "journal %1 impossible à préparer : %2").arg(path_, sqlFault(q)));
    for (int version = from; version < kSchemaVersion; ++version) {
        for (const char *statement : steps[std::size_t(version)])
            if (!q.exec(QString::fromLatin1(statement))) {
                const QString why = sqlFault(q);
                q.exec(QStringLiteral("ROLLBACK"));
                return fail(QCoreApplication::translate("Journal", "journal %1 : passage au schéma %2 impossible : %3")
                                .arg(path_)
                                .arg(version + 1)
                                .arg(why));
            }
    }
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)) || !q.exec(QStringLiteral("COMMIT"))) {
        const QString why = sqlFault(q);
        q.exec(QStringLiteral("ROLLBACK"));
        return fail(QCoreApplication::translate("Journal", "journal %1 impossible à préparer : %2").arg(path_, why));
    }
    return true;
}

std::optional<qint64> LogStore::add(const Contact &contact, QString *error)
{
    if (!ready(error))
        return std::nullopt;
    QSqlQuery q(database());
    q.prepare(insertStatement());
    bindContact(q, contact);
    if (!q.exec()) {
        if (error)
            *error =
                QCoreApplication::translate("Journal", "contact non enregistré dans %1 : %2").arg(path_, sqlFault(q));
        return std::nullopt;
    }
    return q.lastInsertId().toLongLong();
}

std::optional<int> LogStore::addNew(const std::vector<Contact> &contacts, int *duplicates, QString *error)
{
    *duplicates = 0;
    if (!ready(error))
        return std::nullopt;
    QSqlDatabase db = database();
    if (!db.transaction()) {
        if (error)
            *error = QCoreApplication::translate("Journal", "import annulé, rien n'est ajouté à %1 : %2")
                         .arg(path_, sqlFault(db.lastError()));
        return std::nullopt;
    }
    int added = 0;
    QSqlQuery q(db);
    q.prepare(insertStatement());
    for (const Contact &contact : contacts) {
        if (isDuplicate(contact)) {
            ++*duplicates;
            continue;
        }
        bindContact(q, contact);
        if (!q.exec()) {
            if (error)
                *error = QCoreApplication::translate("Journal", "import annulé, rien n'est ajouté à %1 : %2")
                             .arg(path_, sqlFault(q));
            db.rollback();
            return std::nullopt;
        }
        ++added;
    }
    if (!db.commit()) {
        if (error)
            *error = QCoreApplication::translate("Journal", "import annulé, rien n'est ajouté à %1 : %2")
                         .arg(path_, sqlFault(db.lastError()));
        db.rollback();
        return std::nullopt;
    }
    return added;
}

bool LogStore::update(const Contact &contact, QString *error)
{
    if (!ready(error))
        return false;
    QSqlQuery q(database());
    q.prepare(QStringLiteral("UPDATE contacts SET %1 = ?, square = ? WHERE id = ?").arg(columnList(" = ?, ")));
    bindContact(q, contact);
    q.addBindValue(contact.id);
    if (!q.exec()) {
        if (error)
            *error = QCoreApplication::translate("Journal", "modification non enregistrée dans %1 : %2")
                         .arg(path_, sqlFault(q));
        return false;
    }
    return true;
}

bool LogStore::remove(qint64 id, QString *error)
{
    if (!ready(error))
        return false;
    QSqlQuery q(database());
    q.prepare(QStringLiteral("DELETE FROM contacts WHERE id = ?"));
    q.addBindValue(id);
    if (!q.exec()) {
        if (error)
            *error = QCoreApplication::translate("Journal", "contact non supprimé de %1 : %2").arg(path_, sqlFault(q));
        return false;
    }
    return true;
}

int LogStore::count() const
{
    if (!open_)
        return 0;
    QSqlQuery q(database());
    return q.exec(QStringLiteral("SELECT count(*) FROM contacts")) && q.next() ? q.value(0).toInt() : 0;
}

std::optional<Contact> LogStore::contact(qint64 id) const
{
    if (!open_)
        return std::nullopt;
    QSqlQuery q(database());
    q.prepare(QStringLiteral("SELECT %1 FROM contacts WHERE id = ?").arg(selectedColumns()));
    q.addBindValue(id);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return contactFromRow(q);
}

std::vector<Contact> LogStore::contacts(const QDateTime &from, const QDateTime &to) const
{
    return newestFirst(QStringLiteral("time_on >= ? AND time_on <= ?"),
                       {from.isValid() ? from.toSecsSinceEpoch() : std::numeric_limits<qint64>::min(),
                        to.isValid() ? to.toSecsSinceEpoch() : std::numeric_limits<qint64>::max()});
}

std::vector<Contact> LogStore::withCall(const QString &call) const
{
    return newestFirst(QStringLiteral("call = ?"), {call.toUpper()});
}

std::vector<Contact> LogStore::newestFirst(const QString &condition, const QVariantList &values) const
{
    std::vector<Contact> found;
    if (!open_)
        return found;
    QSqlQuery q(database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM contacts WHERE %2 ORDER BY time_on DESC, id DESC")
                  .arg(selectedColumns(), condition));
    for (const QVariant &value : values)
        q.addBindValue(value);
    if (q.exec())
        while (q.next())
            found.push_back(contactFromRow(q));
    return found;
}

bool LogStore::isDuplicate(const Contact &contact) const
{
    if (!open_)
        return false;
    QSqlQuery q(database());
    q.prepare(QStringLiteral("SELECT 1 FROM contacts WHERE call = ? AND time_on BETWEEN ? AND ? AND "
                             "upper(sat_name) = upper(?) LIMIT 1"));
    const qint64 at = contact.instant.toSecsSinceEpoch();
    q.addBindValue(contact.call);
    q.addBindValue(at - kDuplicateSeconds);
    q.addBindValue(at + kDuplicateSeconds);
    q.addBindValue(contact.satName);
    return q.exec() && q.next();
}

WorkedBefore LogStore::worked(const QString &call, const QString &grid, const QString &satName) const
{
    WorkedBefore worked;
    if (!open_)
        return worked;
    QSqlDatabase db = database();
    if (!call.isEmpty()) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT time_on, sat_name FROM contacts WHERE call = ? ORDER BY time_on DESC"));
        q.addBindValue(call.toUpper());
        if (q.exec())
            while (q.next()) {
                if (worked.contacts++ < kLatestShown)
                    worked.latest.push_back(
                        {QDateTime::fromSecsSinceEpoch(q.value(0).toLongLong(), Qt::UTC), q.value(1).toString()});
            }
    }
    const QString square = squareOf(grid);
    if (square.size() == 4) {
        QSqlQuery any(db);
        any.prepare(QStringLiteral("SELECT 1 FROM contacts WHERE square = ? LIMIT 1"));
        any.addBindValue(square);
        worked.newGrid = any.exec() && !any.next();
        QSqlQuery onSatellite(db);
        onSatellite.prepare(QStringLiteral("SELECT 1 FROM contacts WHERE square = ? AND sat_name = ? LIMIT 1"));
        onSatellite.addBindValue(square);
        onSatellite.addBindValue(satName);
        worked.newGridOnSatellite = onSatellite.exec() && !onSatellite.next();
    }
    return worked;
}

bool LogStore::eachContact(const ContactSelection &selection, const std::function<void(const ContactBytes &)> &visit,
                           QString *error) const
{
    const auto failed = [&](const QString &why) {
        if (error)
            *error = QCoreApplication::translate("Journal", "journal %1 illisible : %2").arg(path_, why);
        return false;
    };
    if (!open_)
        return failed(error_);
    // Straight through SQLite: each text is handed over as the bytes the
    // row holds, with nothing made per contact.
    const QVariant handle = database().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return failed(QStringLiteral("connexion SQLite introuvable"));
    sqlite3 *db = *static_cast<sqlite3 *const *>(handle.constData());
    const QByteArray sql = QStringLiteral("SELECT %1 FROM contacts WHERE id > ? AND time_on BETWEEN ? AND ? "
                                          "ORDER BY time_on, id")
                               .arg(selectedColumns())
                               .toLatin1();
    sqlite3_stmt *raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &raw, nullptr) != SQLITE_OK)
        return failed(QString::fromUtf8(sqlite3_errmsg(db)));
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> statement(raw, sqlite3_finalize);
    sqlite3_bind_int64(raw, 1, selection.afterId);
    sqlite3_bind_int64(raw, 2, selection.from.isValid() ? selection.from.toSecsSinceEpoch()
                                                        : std::numeric_limits<qint64>::min());
    sqlite3_bind_int64(raw, 3, selection.to.isValid() ? selection.to.toSecsSinceEpoch()
                                                      : std::numeric_limits<qint64>::max());
    const auto text = [raw](int column) {
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(raw, column));
        return bytes ? std::string_view(bytes, std::size_t(sqlite3_column_bytes(raw, column))) : std::string_view();
    };
    ContactBytes row;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(raw)) == SQLITE_ROW) {
        row.id = sqlite3_column_int64(raw, 0);
        row.instantSecs = sqlite3_column_int64(raw, 1);
        row.catalogNumber = sqlite3_column_int64(raw, 2);
        row.uplinkHz = sqlite3_column_int64(raw, 3);
        row.downlinkHz = sqlite3_column_int64(raw, 4);
        for (std::size_t k = 0; k < kContactTexts; ++k)
            row.texts[k] = text(kFirstText + int(k));
        row.extra = text(kFirstText + int(kContactTexts));
        visit(row);
    }
    return step == SQLITE_DONE || failed(QString::fromUtf8(sqlite3_errmsg(db)));
}

qint64 LogStore::lastExportedId() const
{
    if (!open_)
        return 0;
    QSqlQuery q(database());
    if (q.exec(QStringLiteral("SELECT value FROM facts WHERE key = 'last_exported_id'")) && q.next())
        return q.value(0).toLongLong();
    return 0;
}

bool LogStore::setLastExportedId(qint64 id, QString *error)
{
    if (!ready(error))
        return false;
    QSqlQuery q(database());
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO facts (key, value) VALUES ('last_exported_id', ?)"));
    q.addBindValue(QString::number(id));
    if (!q.exec()) {
        if (error)
            *error = QCoreApplication::translate("Journal", "fin du dernier export non gardée dans %1 : %2")
                         .arg(path_, sqlFault(q));
        return false;
    }
    return true;
}

} // namespace orvanta
