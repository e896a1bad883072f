#pragma once

#include "logbook/adif_reader.h"
#include "logbook/contact.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <string_view>
#include <vector>

// Contacts to and from ADIF records. Values are written as UTF-8 and their
// lengths counted in bytes, so that a reader counting bytes never ends a
// value inside a character.
namespace orvanta {

// A contact as UTF-8 bytes and numbers: what a record is written from. The
// export fills one straight from each row of the log, with no Contact (and
// no QString) made per contact.
struct ContactBytes {
    qint64 id = 0;
    qint64 instantSecs = 0; // UTC, since 1970
    qint64 catalogNumber = 0;
    qint64 uplinkHz = 0;
    qint64 downlinkHz = 0;
    std::array<std::string_view, kContactTexts> texts; // in the order of ContactText
    std::string_view extra; // fields kept as they came in, already "<NAME:length>value "
};

// The start of an .adi file: ADIF_VER, PROGRAMID, PROGRAMVERSION, CREATED_TIMESTAMP, <EOH>.
QByteArray adifHeader(const QDateTime &created);

// One record, closed by <EOR> and a line end.
void appendAdifRecord(QByteArray &out, const ContactBytes &contact);

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
