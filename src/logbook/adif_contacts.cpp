#include "logbook/adif_contacts.h"

#include "orvanta_version.h"
#include "platform/text_numbers.h"

#include <charconv>
#include <cmath>
#include <set>

namespace orvanta {

namespace {

// "<NAME:length>value ". Most values are ASCII and go straight into the
// file; the others through UTF-8, their length in bytes.
void appendField(QByteArray &out, const char *name, const QString &value)
{
    if (value.isEmpty())
        return;
    bool ascii = true;
    for (QChar c : value)
        ascii = ascii && c.unicode() < 0x80;
    const QByteArray encoded = ascii ? QByteArray() : value.toUtf8();
    const qsizetype length = ascii ? value.size() : encoded.size();
    char number[24];
    const auto end = std::to_chars(number, number + sizeof number, length).ptr;
    out += '<';
    out += name;
    out += ':';
    out.append(number, end - number);
    out += '>';
    if (ascii) {
        const qsizetype at = out.size();
        out.resize(at + length);
        char *to = out.data() + at;
        for (QChar c : value)
            *to++ = char(c.unicode());
    } else {
        out += encoded;
    }
    out += ' ';
}

// The fields a contact has a column for: the others are kept as they came.
const std::set<QString> &knownFields()
{
    static const std::set<QString> known{
        QStringLiteral("CALL"),     QStringLiteral("QSO_DATE"),         QStringLiteral("TIME_ON"),
        QStringLiteral("BAND"),     QStringLiteral("BAND_RX"),          QStringLiteral("FREQ"),
        QStringLiteral("FREQ_RX"),  QStringLiteral("MODE"),             QStringLiteral("SUBMODE"),
        QStringLiteral("PROP_MODE"), QStringLiteral("SAT_NAME"),        QStringLiteral("SAT_MODE"),
        QStringLiteral("RST_SENT"), QStringLiteral("RST_RCVD"),         QStringLiteral("GRIDSQUARE"),
        QStringLiteral("MY_GRIDSQUARE"), QStringLiteral("STATION_CALLSIGN"), QStringLiteral("OPERATOR"),
        QStringLiteral("NAME"),     QStringLiteral("COMMENT"),          QStringLiteral("APP_ORVANTA_NORAD")};
    return known;
}

// Zero-padded digits, without the cost of a date format read every time.
QString digits(int value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

bool allDigits(const QString &text)
{
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !text.isEmpty();
}

int digitsValue(const QString &text, int from, int count)
{
    int value = 0;
    for (int k = from; k < from + count; ++k)
        value = value * 10 + (text[k].unicode() - '0');
    return value;
}

} // namespace

QString megahertzText(qint64 hertz)
{
    QString text = QString::number(hertz / 1'000'000) + QLatin1Char('.') + digits(int(hertz % 1'000'000), 6);
    while (text.endsWith(QLatin1Char('0')) && !text.endsWith(QLatin1String(".0")))
        text.chop(1);
    return text;
}

std::optional<qint64> hertzFromMegahertz(const QString &text)
{
    const auto megahertz = parseNumber(text);
    if (!megahertz || *megahertz < 0 || *megahertz > 1e7)
        return std::nullopt;
    return std::llround(*megahertz * 1e6);
}

QByteArray adifFieldsText(const std::vector<AdifField> &fields)
{
    QByteArray out;
    for (const AdifField &field : fields)
        appendField(out, field.name.toLatin1().constData(), field.value);
    return out;
}

QByteArray adifContactFields(const Contact &c)
{
    QByteArray out;
    const QDateTime utc = c.instant.toUTC();
    appendField(out, "CALL", c.call);
    const QDate day = utc.date();
    const QTime time = utc.time();
    appendField(out, "QSO_DATE", digits(day.year(), 4) + digits(day.month(), 2) + digits(day.day(), 2));
    appendField(out, "TIME_ON", digits(time.hour(), 2) + digits(time.minute(), 2) + digits(time.second(), 2));
    appendField(out, "BAND", c.band);
    appendField(out, "BAND_RX", c.bandRx);
    if (c.uplinkHz > 0)
        appendField(out, "FREQ", megahertzText(c.uplinkHz));
    if (c.downlinkHz > 0)
        appendField(out, "FREQ_RX", megahertzText(c.downlinkHz));
    appendField(out, "MODE", c.mode);
    appendField(out, "SUBMODE", c.submode);
    appendField(out, "PROP_MODE", c.propMode);
    appendField(out, "SAT_NAME", c.satName);
    appendField(out, "SAT_MODE", c.satMode);
    appendField(out, "RST_SENT", c.rstSent);
    appendField(out, "RST_RCVD", c.rstRcvd);
    appendField(out, "GRIDSQUARE", c.grid);
    appendField(out, "MY_GRIDSQUARE", c.myGrid);
    appendField(out, "STATION_CALLSIGN", c.stationCallsign);
    appendField(out, "OPERATOR", c.operatorCall);
    appendField(out, "NAME", c.name);
    appendField(out, "COMMENT", c.comment);
    if (c.catalogNumber > 0)
        appendField(out, "APP_ORVANTA_NORAD", QString::number(c.catalogNumber));
    out += adifFieldsText(c.extra);
    return out;
}

QByteArray adifDocument(const std::vector<Contact> &contacts, const QDateTime &created)
{
    QByteArray out = "Journal Orvanta\n";
    appendField(out, "ADIF_VER", QStringLiteral("3.1.4"));
    appendField(out, "PROGRAMID", QStringLiteral("Orvanta"));
    appendField(out, "PROGRAMVERSION", QStringLiteral(ORVANTA_VERSION));
    appendField(out, "CREATED_TIMESTAMP", created.toUTC().toString(QStringLiteral("yyyyMMdd HHmmss")));
    out += "<EOH>\n";
    out.reserve(out.size() + qsizetype(contacts.size()) * 360);
    for (const Contact &contact : contacts) {
        out += adifContactFields(contact);
        out += "<EOR>\n";
    }
    return out;
}

ContactReading contactFromRecord(const AdifRecord &record)
{
    Contact c;
    const QString date = record.value(QStringLiteral("QSO_DATE")).trimmed();
    const QString time = record.value(QStringLiteral("TIME_ON")).trimmed();
    c.call = record.value(QStringLiteral("CALL")).trimmed().toUpper();
    if (c.call.isEmpty())
        return {std::nullopt, QStringLiteral("pas de CALL")};
    if (date.size() != 8 || !allDigits(date))
        return {std::nullopt, QStringLiteral("QSO_DATE « %1 » illisible (AAAAMMJJ)").arg(date)};
    if ((time.size() != 4 && time.size() != 6) || !allDigits(time))
        return {std::nullopt, QStringLiteral("TIME_ON « %1 » illisible (HHMM ou HHMMSS)").arg(time)};
    const QDate day(digitsValue(date, 0, 4), digitsValue(date, 4, 2), digitsValue(date, 6, 2));
    const QTime clock(digitsValue(time, 0, 2), digitsValue(time, 2, 2), time.size() == 6 ? digitsValue(time, 4, 2) : 0);
    if (!day.isValid() || !clock.isValid())
        return {std::nullopt, QStringLiteral("date %1 ou heure %2 impossible").arg(date, time)};
    c.instant = QDateTime(day, clock, Qt::UTC);

    for (const AdifField &field : record.fields) {
        const QString &v = field.value;
        const QString &n = field.name;
        if (!knownFields().count(n)) {
            c.extra.push_back(field);
        } else if (n == QLatin1String("FREQ") || n == QLatin1String("FREQ_RX")) {
            const auto hertz = hertzFromMegahertz(v);
            if (!hertz)
                return {std::nullopt, QStringLiteral("%1 « %2 » n'est pas une fréquence en MHz").arg(n, v)};
            (n == QLatin1String("FREQ") ? c.uplinkHz : c.downlinkHz) = *hertz;
        } else if (n == QLatin1String("APP_ORVANTA_NORAD")) {
            c.catalogNumber = allDigits(v) && v.size() < 10 ? v.toLong() : 0;
        }
    }
    c.band = record.value(QStringLiteral("BAND")).trimmed().toLower();
    c.bandRx = record.value(QStringLiteral("BAND_RX")).trimmed().toLower();
    if (c.band.isEmpty())
        c.band = bandOf(c.uplinkHz);
    if (c.bandRx.isEmpty())
        c.bandRx = bandOf(c.downlinkHz);
    c.mode = record.value(QStringLiteral("MODE")).trimmed().toUpper();
    c.submode = record.value(QStringLiteral("SUBMODE")).trimmed().toUpper();
    c.propMode = record.value(QStringLiteral("PROP_MODE")).trimmed().toUpper();
    c.satName = record.value(QStringLiteral("SAT_NAME")).trimmed().toUpper();
    c.satMode = record.value(QStringLiteral("SAT_MODE")).trimmed().toUpper();
    c.rstSent = record.value(QStringLiteral("RST_SENT")).trimmed();
    c.rstRcvd = record.value(QStringLiteral("RST_RCVD")).trimmed();
    c.grid = record.value(QStringLiteral("GRIDSQUARE")).trimmed();
    c.myGrid = record.value(QStringLiteral("MY_GRIDSQUARE")).trimmed();
    c.stationCallsign = record.value(QStringLiteral("STATION_CALLSIGN")).trimmed().toUpper();
    c.operatorCall = record.value(QStringLiteral("OPERATOR")).trimmed().toUpper();
    c.name = record.value(QStringLiteral("NAME"));
    c.comment = record.value(QStringLiteral("COMMENT"));
    return {c, {}};
}

} // namespace orvanta
