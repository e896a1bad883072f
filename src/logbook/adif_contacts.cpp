#include "logbook/adif_contacts.h"

#include "orvanta_version.h"
#include "platform/text_numbers.h"

#include <QCoreApplication>

#include <charconv>
#include <chrono>
#include <cmath>
#include <set>

namespace orvanta {

namespace {

// How an imported value is tidied before it is kept.
enum class Tidying { None, Trimmed, Upper, Lower };

struct TextTag {
    const char *name;
    Tidying tidying;
};

// The ADIF field of each text of a contact, in the order of ContactText.
constexpr std::array<TextTag, kContactTexts> kTextTags{{
    {"CALL", Tidying::Upper},
    {"BAND", Tidying::Lower},
    {"BAND_RX", Tidying::Lower},
    {"MODE", Tidying::Upper},
    {"SUBMODE", Tidying::Upper},
    {"PROP_MODE", Tidying::Upper},
    {"SAT_NAME", Tidying::Upper},
    {"SAT_MODE", Tidying::Upper},
    {"RST_SENT", Tidying::Trimmed},
    {"RST_RCVD", Tidying::Trimmed},
    {"GRIDSQUARE", Tidying::Trimmed},
    {"MY_GRIDSQUARE", Tidying::Trimmed},
    {"STATION_CALLSIGN", Tidying::Upper},
    {"OPERATOR", Tidying::Upper},
    {"NAME", Tidying::None},
    {"COMMENT", Tidying::None},
}};

// The fields a contact has a number or a date for.
constexpr const char *kNumberTags[] = {"QSO_DATE", "TIME_ON", "FREQ", "FREQ_RX", "APP_ORVANTA_NORAD"};

QString tidied(const QString &value, Tidying tidying)
{
    switch (tidying) {
    case Tidying::None:
        return value;
    case Tidying::Trimmed:
        return value.trimmed();
    case Tidying::Upper:
        return value.trimmed().toUpper();
    case Tidying::Lower:
        return value.trimmed().toLower();
    }
    return value;
}

// The fields a contact has a column for: the others are kept as they came.
const std::set<QString> &knownFields()
{
    static const std::set<QString> known = [] {
        std::set<QString> names;
        for (const TextTag &tag : kTextTags)
            names.insert(QString::fromLatin1(tag.name));
        for (const char *name : kNumberTags)
            names.insert(QString::fromLatin1(name));
        return names;
    }();
    return known;
}

std::string_view viewOf(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

// "<NAME:length>value ", the length in bytes; nothing for an empty value.
void appendField(QByteArray &out, std::string_view name, std::string_view value)
{
    if (value.empty())
        return;
    char length[24];
    const char *end = std::to_chars(length, length + sizeof length, value.size()).ptr;
    out += '<';
    out.append(name.data(), qsizetype(name.size()));
    out += ':';
    out.append(length, end - length);
    out += '>';
    out.append(value.data(), qsizetype(value.size()));
    out += ' ';
}

// Zero-padded digits: 7 on 2 places is "07".
char *putDigits(char *to, unsigned value, int width)
{
    for (int k = width - 1; k >= 0; --k) {
        to[k] = char('0' + value % 10);
        value /= 10;
    }
    return to + width;
}

// MHz with at least one decimal and no trailing zero: "145.95123", "435.0".
std::string_view megahertzChars(char (&buffer)[32], qint64 hertz)
{
    char *end = buffer;
    if (hertz < 0)
        *end++ = '-';
    const quint64 magnitude = hertz < 0 ? quint64(0) - quint64(hertz) : quint64(hertz);
    end = std::to_chars(end, buffer + 21, magnitude / 1'000'000).ptr;
    *end++ = '.';
    end = putDigits(end, unsigned(magnitude % 1'000'000), 6);
    while (end[-1] == '0' && end[-2] != '.')
        --end;
    return {buffer, std::size_t(end - buffer)};
}

void appendContactFields(QByteArray &out, const ContactBytes &c)
{
    using namespace std::chrono;
    const sys_seconds instant{seconds{c.instantSecs}};
    const sys_days day = floor<days>(instant);
    const year_month_day date{day};
    const hh_mm_ss<seconds> clock{instant - day};
    char text[32];
    appendField(out, "CALL", c.texts[std::size_t(ContactText::Call)]);
    char *end = putDigits(text, unsigned(int(date.year())), 4);
    end = putDigits(end, unsigned(date.month()), 2);
    end = putDigits(end, unsigned(date.day()), 2);
    appendField(out, "QSO_DATE", {text, 8});
    end = putDigits(text, unsigned(clock.hours().count()), 2);
    end = putDigits(end, unsigned(clock.minutes().count()), 2);
    putDigits(end, unsigned(clock.seconds().count()), 2);
    appendField(out, "TIME_ON", {text, 6});
    for (std::size_t k = 1; k < kContactTexts; ++k)
        appendField(out, kTextTags[k].name, c.texts[k]);
    if (c.uplinkHz > 0)
        appendField(out, "FREQ", megahertzChars(text, c.uplinkHz));
    if (c.downlinkHz > 0)
        appendField(out, "FREQ_RX", megahertzChars(text, c.downlinkHz));
    if (c.catalogNumber > 0) {
        end = std::to_chars(text, text + sizeof text, c.catalogNumber).ptr;
        appendField(out, "APP_ORVANTA_NORAD", {text, std::size_t(end - text)});
    }
    out.append(c.extra.data(), qsizetype(c.extra.size()));
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
    char buffer[32];
    const std::string_view text = megahertzChars(buffer, hertz);
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
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
        appendField(out, viewOf(field.name.toLatin1()), viewOf(field.value.toUtf8()));
    return out;
}

QByteArray adifHeader(const QDateTime &created)
{
    QByteArray out = "Journal Orvanta\n";
    appendField(out, "ADIF_VER", "3.1.4");
    appendField(out, "PROGRAMID", "Orvanta");
    appendField(out, "PROGRAMVERSION", ORVANTA_VERSION);
    appendField(out, "CREATED_TIMESTAMP",
                viewOf(created.toUTC().toString(QStringLiteral("yyyyMMdd HHmmss")).toLatin1()));
    out += "<EOH>\n";
    return out;
}

void appendAdifRecord(QByteArray &out, const ContactBytes &contact)
{
    appendContactFields(out, contact);
    out += "<EOR>\n";
}

QByteArray adifContactFields(const Contact &c)
{
    ContactBytes bytes;
    bytes.id = c.id;
    bytes.instantSecs = c.instant.toSecsSinceEpoch();
    bytes.catalogNumber = c.catalogNumber;
    bytes.uplinkHz = c.uplinkHz;
    bytes.downlinkHz = c.downlinkHz;
    std::array<QByteArray, kContactTexts> texts;
    for (std::size_t k = 0; k < kContactTexts; ++k) {
        texts[k] = textOf(c, ContactText(k)).toUtf8();
        bytes.texts[k] = viewOf(texts[k]);
    }
    const QByteArray extra = adifFieldsText(c.extra);
    bytes.extra = viewOf(extra);
    QByteArray out;
    appendContactFields(out, bytes);
    return out;
}

ContactReading contactFromRecord(const AdifRecord &record)
{
    Contact c;
    for (std::size_t k = 0; k < kContactTexts; ++k)
        textOf(c, ContactText(k)) = tidied(record.value(QString::fromLatin1(kTextTags[k].name)), kTextTags[k].tidying);
    const QString date = record.value(QStringLiteral("QSO_DATE")).trimmed();
    const QString time = record.value(QStringLiteral("TIME_ON")).trimmed();
    if (c.call.isEmpty())
        return {std::nullopt, QCoreApplication::translate("Journal", "pas de CALL")};
    if (date.size() != 8 || !allDigits(date))
        return {std::nullopt, QStringLiteral("QSO_DATE « %1 » illisible (AAAAMMJJ)").arg(date)};
    if ((time.size() != 4 && time.size() != 6) || !allDigits(time))
        return {std::nullopt,
                QCoreApplication::translate("Journal", "TIME_ON « %1 » illisible (HHMM ou HHMMSS)").arg(time)};
    const QDate day(digitsValue(date, 0, 4), digitsValue(date, 4, 2), digitsValue(date, 6, 2));
    const QTime clock(digitsValue(time, 0, 2), digitsValue(time, 2, 2), time.size() == 6 ? digitsValue(time, 4, 2) : 0);
    if (!day.isValid() || !clock.isValid())
        return {std::nullopt, QCoreApplication::translate("Journal", "date %1 ou heure %2 impossible").arg(date, time)};
    c.instant = QDateTime(day, clock, Qt::UTC);

    for (const AdifField &field : record.fields) {
        const QString &v = field.value;
        const QString &n = field.name;
        if (!knownFields().count(n)) {
            c.extra.push_back(field);
        } else if (n == QLatin1String("FREQ") || n == QLatin1String("FREQ_RX")) {
            const auto hertz = hertzFromMegahertz(v);
            if (!hertz)
                return {std::nullopt,
                        QCoreApplication::translate("Journal", "%1 « %2 » n'est pas une fréquence en MHz").arg(n, v)};
            (n == QLatin1String("FREQ") ? c.uplinkHz : c.downlinkHz) = *hertz;
        } else if (n == QLatin1String("APP_ORVANTA_NORAD")) {
            c.catalogNumber = allDigits(v) && v.size() < 10 ? v.toLong() : 0;
        }
    }
    if (c.band.isEmpty())
        c.band = bandOf(c.uplinkHz);
    if (c.bandRx.isEmpty())
        c.bandRx = bandOf(c.downlinkHz);
    return {c, {}};
}

} // namespace orvanta
