#include "logbook/adif_contacts.h"
#include "logbook/adif_reader.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// Files in the styles loggers write them; each holds the same contact.
TEST(AdifImport, ReadsTheStylesOfCommonLoggers)
{
    const struct {
        const char *style;
        QByteArray text;
    } files[] = {
        {"header, CRLF, upper case",
         "Log export\r\n<ADIF_VER:5>3.1.0 <PROGRAMID:6>Logger <EOH>\r\n"
         "<CALL:5>F4ABC <QSO_DATE:8>20260627 <TIME_ON:6>071203 <FREQ:7>145.915 <SAT_NAME:5>FO-29 <EOR>\r\n"},
        {"no header, lower case tags, <eor>",
         "<call:5>F4ABC<qso_date:8>20260627<time_on:6>071203<freq:7>145.915<sat_name:5>FO-29<eor>\n"},
        {"type indicators",
         "<EOH><CALL:5:S>F4ABC <QSO_DATE:8:D>20260627 <TIME_ON:6:T>071203 <FREQ:7:N>145.915 "
         "<SAT_NAME:5:S>FO-29 <EoR>"},
        {"header opening with a tag, four-digit time and seconds apart",
         "<ADIF_VER:5>3.1.4<EOH>\n<CALL:5>f4abc\n<QSO_DATE:8>20260627\n<TIME_ON:6>071203\n<FREQ:10>145.915000\n"
         "<SAT_NAME:5>fo-29\n<EOR>\n"},
    };
    for (const auto &file : files) {
        SCOPED_TRACE(file.style);
        const AdifFile adif = readAdif(file.text);
        EXPECT_TRUE(adif.problems.empty()) << adifProblemText(adif.problems.front()).toStdString();
        ASSERT_EQ(adif.records.size(), 1u);
        const ContactReading reading = contactFromRecord(adif.records.front());
        ASSERT_TRUE(reading.contact) << reading.fault.toStdString();
        EXPECT_EQ(reading.contact->call, "F4ABC");
        EXPECT_EQ(reading.contact->satName, "FO-29");
        EXPECT_EQ(reading.contact->uplinkHz, 145915000);
        EXPECT_EQ(reading.contact->band, "2m");
        EXPECT_EQ(reading.contact->instant, QDateTime(QDate(2026, 6, 27), QTime(7, 12, 3), Qt::UTC));
    }
}

// A damaged record is said with its number and place and skipped; the
// others are kept, whatever comes after.
TEST(AdifImport, DamagedRecordsAreReportedAndSkipped)
{
    const QByteArray good = "<CALL:4>W1AW<QSO_DATE:8>20260101<TIME_ON:4>1200<EOR>\n";
    const struct {
        const char *damage;
        QByteArray text;
        std::size_t kept;
        int record;
        const char *reason;
    } files[] = {
        {"unreadable length", good + "<CALL:x>W1AW<EOR>\n" + good, 2, 2, "longueur"},
        {"binary bytes", good + QByteArray("<CALL:4>W\0\x01W<EOR>\n", 18) + good, 2, 2, "contrôle"},
        {"length past the end", good + "<CALL:4>W1AW<COMMENT:500>short<EOR>", 1, 2, "au-delà de la fin"},
        {"truncated in a field", good + "<CALL:4>W1AW<QSO_DA", 1, 2, "fin du fichier"},
        {"no <EOR> at the end", good + "<CALL:4>W1AW", 1, 2, "incomplet"},
    };
    for (const auto &file : files) {
        SCOPED_TRACE(file.damage);
        const AdifFile adif = readAdif(file.text);
        EXPECT_EQ(adif.records.size(), file.kept);
        ASSERT_EQ(adif.problems.size(), 1u);
        EXPECT_EQ(adif.problems.front().record, file.record);
        EXPECT_GE(adif.problems.front().offset, good.size());
        EXPECT_TRUE(adif.problems.front().reason.contains(QString::fromUtf8(file.reason)))
            << adif.problems.front().reason.toStdString();
    }
    // Fields a contact cannot do without.
    for (const QByteArray record : {QByteArray("<QSO_DATE:8>20260101<TIME_ON:4>1200<EOR>"),
                                    QByteArray("<CALL:4>W1AW<QSO_DATE:8>20261301<TIME_ON:4>1200<EOR>"),
                                    QByteArray("<CALL:4>W1AW<QSO_DATE:8>20260101<TIME_ON:3>120<EOR>"),
                                    QByteArray("<CALL:4>W1AW<QSO_DATE:8>20260101<TIME_ON:4>1200<FREQ:4>14,2<EOR>")}) {
        const AdifFile adif = readAdif(record);
        ASSERT_EQ(adif.records.size(), 1u);
        EXPECT_FALSE(contactFromRecord(adif.records.front()).contact) << record.constData();
    }
}

// Text outside ASCII: written as UTF-8 with its length in bytes; read back
// whether another logger counted bytes or characters, or wrote Latin-1.
TEST(AdifImport, TextOutsideAsciiIsNeverCutInsideACharacter)
{
    Contact c;
    c.call = "F4ABC";
    c.instant = QDateTime(QDate(2026, 6, 27), QTime(7, 12, 3), Qt::UTC);
    c.name = QStringLiteral("Hélène");
    c.comment = QStringLiteral("73 de Zoë ✓");
    const QByteArray fields = adifContactFields(c);
    EXPECT_TRUE(fields.contains("<NAME:8>Hélène")) << fields.constData();

    const QByteArray styles[] = {"<CALL:5>F4ABC<QSO_DATE:8>20260627<TIME_ON:4>0712<NAME:8>Hélène<EOR>",
                                 "<CALL:5>F4ABC<QSO_DATE:8>20260627<TIME_ON:4>0712<NAME:6>Hélène<EOR>",
                                 "<CALL:5>F4ABC<QSO_DATE:8>20260627<TIME_ON:4>0712<NAME:6>H\xe9l\xe8ne<EOR>"};
    for (const QByteArray &style : styles) {
        const AdifFile adif = readAdif(style);
        ASSERT_EQ(adif.records.size(), 1u) << style.constData();
        EXPECT_EQ(adif.records.front().value("NAME"), QStringLiteral("Hélène"));
    }
}

// Fields this log has no column for come back out of the export as they came in.
TEST(AdifImport, UnknownFieldsAreExportedAgain)
{
    const AdifFile adif = readAdif("<CALL:5>F4ABC<QSO_DATE:8>20260627<TIME_ON:6>071203<APP_LOGGER_ID:3>a:b"
                                   "<QSL_RCVD:1>Y<EOR>");
    const ContactReading reading = contactFromRecord(adif.records.front());
    ASSERT_TRUE(reading.contact);
    const QByteArray out = adifContactFields(*reading.contact);
    EXPECT_TRUE(out.contains("<APP_LOGGER_ID:3>a:b")) << out.constData();
    EXPECT_TRUE(out.contains("<QSL_RCVD:1>Y")) << out.constData();
}

} // namespace
} // namespace orvanta
