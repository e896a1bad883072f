#include "logbook/adif_transfer.h"

#include "logbook/adif_contacts.h"
#include "logbook/adif_reader.h"
#include "platform/atomic_file.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace orvanta {

namespace {

// A file longer than this is no log (a wrong file chosen).
constexpr qint64 kLargestImport = 512LL * 1024 * 1024;
// About what one exported contact takes: the file is made in one piece.
constexpr qsizetype kRecordBytes = 320;

} // namespace

TransferOutcome exportContacts(const LogStore &store, const ContactSelection &selection, const QString &path,
                               const QDateTime &created)
{
    TransferOutcome outcome;
    QByteArray file = adifHeader(created);
    file.reserve(std::max<qsizetype>(file.size(), qsizetype(store.count()) * kRecordBytes));
    QString error;
    const bool read = store.eachContact(selection, [&](const ContactBytes &contact) {
        appendAdifRecord(file, contact);
        ++outcome.contacts;
        outcome.highestId = std::max(outcome.highestId, contact.id);
    }, &error);
    if (!read || !writeFileAtomically(path, file, &error)) {
        outcome.contacts = 0;
        outcome.message = QCoreApplication::translate("Journal", "Export impossible dans %1 : %2").arg(path, error);
        return outcome;
    }
    outcome.done = true;
    outcome.message = QCoreApplication::translate("Journal", "%1 contact(s) exporté(s) dans %2").arg(outcome.contacts).arg(path);
    return outcome;
}

TransferOutcome importContacts(LogStore &store, const QString &path)
{
    TransferOutcome outcome;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        outcome.message = QCoreApplication::translate("Journal", "%1 illisible : %2").arg(path, file.errorString());
        return outcome;
    }
    if (file.size() > kLargestImport) {
        outcome.message =
            QCoreApplication::translate("Journal", "%1 : fichier trop grand pour un journal ADIF").arg(path);
        return outcome;
    }
    const AdifFile adif = readAdif(file.readAll());
    for (const AdifProblem &problem : adif.problems)
        outcome.problems << adifProblemText(problem);
    std::vector<Contact> contacts;
    contacts.reserve(adif.records.size());
    for (const AdifRecord &record : adif.records) {
        ContactReading reading = contactFromRecord(record);
        if (reading.contact)
            contacts.push_back(std::move(*reading.contact));
        else
            outcome.problems << adifProblemText({record.number, record.offset, reading.fault});
    }
    if (contacts.empty() && outcome.problems.isEmpty()) {
        outcome.message = QCoreApplication::translate("Journal", "%1 : aucun contact ADIF dans ce fichier").arg(path);
        return outcome;
    }
    QString error;
    const auto added = store.addNew(contacts, &outcome.duplicates, &error);
    if (!added) {
        outcome.message = error;
        return outcome;
    }
    outcome.done = true;
    outcome.contacts = *added;
    outcome.message = QCoreApplication::translate("Journal", "%1 contact(s) importé(s) de %2, %3 déjà dans le journal")
                          .arg(*added)
                          .arg(path)
                          .arg(outcome.duplicates);
    if (!outcome.problems.isEmpty())
        outcome.message += QCoreApplication::translate("Journal", ", %1 enregistrement(s) endommagé(s) ignoré(s) :\n")
                               .arg(outcome.problems.size())
                           + outcome.problems.join(QLatin1Char('\n'));
    return outcome;
}

} // namespace orvanta
