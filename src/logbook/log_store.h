#pragma once

#include "logbook/contact.h"

#include <QDateTime>
#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>
#include <vector>

class QSqlDatabase;

namespace orvanta {

struct ContactBytes;

// Which contacts a pass over the log takes: stored after a contact (by id:
// "since the last export"), and between two instants, both included.
struct ContactSelection {
    qint64 afterId = 0;
    QDateTime from; // invalid: from the first
    QDateTime to;   // invalid: to the last
};

// What the log knows of a callsign while it is typed.
struct WorkedBefore {
    int contacts = 0; // with this call, on any satellite
    struct Time {
        QDateTime instant;
        QString satName;
    };
    std::vector<Time> latest;  // the most recent first, a few of them
    bool newGridOnSatellite = false; // the grid never worked on this satellite
    bool newGrid = false;            // nor on any
};

// The log of contacts: one SQLite file, in WAL mode, each contact committed
// (and synced) before it is said to be logged. The schema carries its
// version (SQLite's user_version); an older file is brought up to date, a
// newer one is refused and left untouched.
class LogStore {
public:
    static constexpr int kSchemaVersion = 2;

    // Opens or creates the file; on refusal or failure, error() says why and
    // every call below fails without touching the file.
    explicit LogStore(const QString &path);
    ~LogStore();
    LogStore(const LogStore &) = delete;
    LogStore &operator=(const LogStore &) = delete;

    // The log's usual file: journal.sqlite in the operator's data folder.
    static QString defaultPath();

    bool isOpen() const { return open_; }
    const QString &error() const { return error_; }
    const QString &path() const { return path_; }
    // The connection, for the window's list (read only).
    QSqlDatabase database() const;

    // Stores a new contact and gives its id; nothing and *error on failure.
    std::optional<qint64> add(const Contact &contact, QString *error = nullptr);
    // Adds many in one transaction (an import), skipping those already in the
    // log (same call, same satellite, within two minutes). How many were added.
    std::optional<int> addNew(const std::vector<Contact> &contacts, int *duplicates, QString *error = nullptr);
    bool update(const Contact &contact, QString *error = nullptr);
    bool remove(qint64 id, QString *error = nullptr);

    int count() const;
    std::optional<Contact> contact(qint64 id) const;
    // Newest first, all of them or those from an instant on (and up to one).
    std::vector<Contact> contacts(const QDateTime &from = {}, const QDateTime &to = {}) const;
    std::vector<Contact> withCall(const QString &call) const;
    bool isDuplicate(const Contact &contact) const;

    // The satellite by its LoTW name, as every contact carries it.
    WorkedBefore worked(const QString &call, const QString &grid, const QString &satName) const;

    // Hands over each contact selected, oldest first, as the bytes its row
    // holds (valid during the call only): how the export reads a large log.
    // False and *error when the log cannot be read.
    bool eachContact(const ContactSelection &selection, const std::function<void(const ContactBytes &)> &visit,
                     QString *error = nullptr) const;
    // The highest id the last export held (0 before any).
    qint64 lastExportedId() const;
    bool setLastExportedId(qint64 id, QString *error = nullptr);

private:
    bool openFile();
    bool migrate(int from);
    bool fail(const QString &why);
    // True when open; otherwise *error says why it is not.
    bool ready(QString *error) const;
    std::vector<Contact> newestFirst(const QString &condition, const QVariantList &values) const;

    QString path_;
    QString connection_;
    bool open_ = false;
    QString error_;
};

} // namespace orvanta
