#pragma once

#include "logbook/log_store.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace orvanta {

struct TransferOutcome {
    bool done = false;
    int contacts = 0;   // written, or added by an import
    int duplicates = 0; // already in the log, not added again
    qint64 highestId = 0; // of the contacts an export wrote
    QStringList problems; // the damaged records an import skipped
    QString message;    // what the operator reads
};

// Writes the contacts selected as an .adi file, oldest first as loggers and
// TQSL list them, atomically: a failed export leaves the file as it was.
TransferOutcome exportContacts(const LogStore &store, const ContactSelection &selection, const QString &path,
                               const QDateTime &created);

// Adds the contacts of an .adi file, in one transaction, except those the
// log already holds (same call, same satellite, within two minutes). A
// damaged record is said with its number and skipped; the others are added.
TransferOutcome importContacts(LogStore &store, const QString &path);

} // namespace orvanta
