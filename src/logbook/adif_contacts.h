#pragma once

#include "logbook/adif_reader.h"
#include "logbook/contact.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

// Contacts to and from ADIF records. Values are written as UTF-8 and their
// lengths counted in bytes, so that a reader counting bytes never ends a
// value inside a character.
namespace orvanta {

// A whole .adi file: the header (ADIF_VER, PROGRAMID, PROGRAMVERSION,
// CREATED_TIMESTAMP) and one record per contact.
QByteArray adifDocument(const std::vector<Contact> &contacts, const QDateTime &created);

// The fields of one contact, without the closing <EOR>.
QByteArray adifContactFields(const Contact &contact);

// "<NAME:length>value " for each field (how a contact's extra fields are kept).
QByteArray adifFieldsText(const std::vector<AdifField> &fields);

// Frequencies as ADIF writes them: MHz with a point ("145.9"); back in Hz.
QString megahertzText(qint64 hertz);
std::optional<qint64> hertzFromMegahertz(const QString &text);

// The contact a record holds; an empty contact and the reason when the
// record lacks a call, a date or a time, or has one that cannot be read.
struct ContactReading {
    std::optional<Contact> contact;
    QString fault;
};
ContactReading contactFromRecord(const AdifRecord &record);

} // namespace orvanta
