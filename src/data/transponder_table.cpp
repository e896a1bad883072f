#include "data/transponder_table.h"

#include "data/field_reader.h"
#include "data/station_file.h"
#include "platform/text_numbers.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

#include <optional>

namespace orvanta {

namespace {

constexpr int kFieldCount = 11;

QString flag(bool value)
{
    return value ? QStringLiteral("oui") : QStringLiteral("non");
}

QString hertz(qint64 value)
{
    return value > 0 ? QString::number(value) : QString();
}

// Reads the fields of one line into a transponder, or says why it cannot.
class EntryReader {
public:
    explicit EntryReader(const QStringList &fields) : fields_(fields) {}

    QString problem;

    // Whole hertz; QString::toLongLong reads the same in every locale.
    std::optional<qint64> frequency(int index, const QString &what)
    {
        const QString text = fields_[index].trimmed();
        if (text.isEmpty())
            return 0;
        bool ok = false;
        const qint64 value = text.toLongLong(&ok);
        if (!ok || value <= 0 || value > kHighestTransponderHz) {
            fail(
                QCoreApplication::translate("Transponders", "%1 « %2 » n'est pas une fréquence en Hz").arg(what, text));
            return std::nullopt;
        }
        return value;
    }

    std::optional<bool> yesNo(int index, const QString &what)
    {
        const QString text = fields_[index].trimmed().toLower();
        if (text == QLatin1String("oui"))
            return true;
        if (text == QLatin1String("non"))
            return false;
        fail(QCoreApplication::translate("Transponders", "%1 vaut « %2 » au lieu de oui ou non")
                 .arg(what, fields_[index].trimmed()));
        return std::nullopt;
    }

    void fail(const QString &why)
    {
        if (problem.isEmpty())
            problem = why;
    }

private:
    const QStringList &fields_;
};

QString edgesProblem(const QString &link, qint64 low, qint64 high)
{
    if ((low == 0) != (high == 0))
        return QCoreApplication::translate("Transponders", "la %1 a besoin de ses deux bords, bas et haut, ou d'aucun")
            .arg(link);
    if (low > high)
        return QCoreApplication::translate("Transponders",
                                           "le bord bas de la %1 (%2 Hz) est au-dessus de son bord haut (%3 Hz)")
            .arg(link)
            .arg(low)
            .arg(high);
    return {};
}

// The widest passband taken, in Hz: wider than every amateur transponder (the
// widest, geostationary, is 8 MHz), far narrower than a digit typed too many.
constexpr qint64 kWidestPassbandHz = 10'000'000;

struct Band {
    qint64 low;
    qint64 high;
};

// The bands where amateur satellites are worked, in Hz, taken broadly (the
// amateur allocations around the satellite sub-bands, every region's).
constexpr Band kAmateurSatelliteBands[] = {
    {7'000'000, 7'100'000},
    {14'000'000, 14'250'000},
    {18'068'000, 18'168'000},
    {21'000'000, 21'450'000},
    {24'890'000, 24'990'000},
    {28'000'000, 29'700'000},
    {144'000'000, 148'000'000},
    {430'000'000, 440'000'000},
    {1'240'000'000, 1'300'000'000},
    {2'300'000'000, 2'450'000'000},
    {3'300'000'000, 3'500'000'000},
    {5'650'000'000, 5'925'000'000},
    {10'000'000'000, 10'500'000'000},
    {24'000'000'000, 24'250'000'000},
    {47'000'000'000, 47'200'000'000},
    {75'500'000'000, 81'000'000'000},
    {119'980'000'000, 123'000'000'000},
    {134'000'000'000, 149'000'000'000},
    {241'000'000'000, 250'000'000'000},
};

bool inOneBand(qint64 low, qint64 high)
{
    return std::any_of(std::begin(kAmateurSatelliteBands), std::end(kAmateurSatelliteBands),
                       [&](const Band &band) { return low >= band.low && high <= band.high; });
}

QString megahertzText(qint64 hertz)
{
    return shortestText(double(hertz) / 1e6);
}

QString linkSenseProblem(const QString &link, qint64 low, qint64 high)
{
    if (low == 0)
        return {};
    if (high - low > kWidestPassbandHz)
        return QCoreApplication::translate(
                   "Transponders", "la %1 s'étend de %2 à %3 MHz, plus large que tout transpondeur (%4 MHz au plus)")
            .arg(link, megahertzText(low), megahertzText(high), megahertzText(kWidestPassbandHz));
    if (!inOneBand(low, high))
        return QCoreApplication::translate("Transponders",
                                           "la %1 (%2 à %3 MHz) n'est dans aucune bande des satellites amateurs")
            .arg(link, megahertzText(low), megahertzText(high));
    return {};
}

std::optional<Transponder> readLine(const QString &line, QString *problem)
{
    const QStringList fields = line.split(QLatin1Char(';'));
    if (fields.size() != kFieldCount) {
        *problem = QCoreApplication::translate("Transponders", "%1 champs séparés par « ; » attendus, %2 trouvés")
                       .arg(kFieldCount)
                       .arg(fields.size());
        return std::nullopt;
    }
    Transponder entry;
    EntryReader reader(fields);
    bool ok = false;
    entry.catalogNumber = fields[0].trimmed().toLong(&ok);
    if (!ok || entry.catalogNumber <= 0)
        reader.fail(
            QCoreApplication::translate("Transponders", "le numéro de catalogue « %1 » n'est pas un nombre positif")
                .arg(fields[0].trimmed()));
    entry.name = fields[1].trimmed();
    if (entry.name.isEmpty())
        reader.fail(QCoreApplication::translate("Transponders", "le nom manque"));
    const auto upLow = reader.frequency(2, QCoreApplication::translate("Transponders", "la montée basse"));
    const auto upHigh = reader.frequency(3, QCoreApplication::translate("Transponders", "la montée haute"));
    const auto downLow = reader.frequency(4, QCoreApplication::translate("Transponders", "la descente basse"));
    const auto downHigh = reader.frequency(5, QCoreApplication::translate("Transponders", "la descente haute"));
    const auto inverting = reader.yesNo(6, QStringLiteral("« inverse »"));
    entry.uplinkMode = fields[7].trimmed();
    entry.downlinkMode = fields[8].trimmed();
    const QString tone = fields[9].trimmed();
    if (!tone.isEmpty()) {
        const std::optional<double> value = parseNumber(tone);
        if (!value || *value <= 0 || *value >= 300)
            reader.fail(
                QCoreApplication::translate("Transponders", "la tonalité CTCSS « %1 » n'est pas une fréquence en Hz")
                    .arg(tone));
        else
            entry.ctcss = *value;
    }
    const auto alive = reader.yesNo(10, QStringLiteral("« actif »"));
    if (reader.problem.isEmpty()) {
        entry.uplinkLow = *upLow;
        entry.uplinkHigh = *upHigh;
        entry.downlinkLow = *downLow;
        entry.downlinkHigh = *downHigh;
        entry.inverting = *inverting;
        entry.alive = *alive;
        if (entry.downlinkLow == 0)
            reader.fail(QCoreApplication::translate("Transponders", "la descente manque"));
        reader.fail(edgesProblem(QCoreApplication::translate("Transponders", "descente"), entry.downlinkLow,
                                 entry.downlinkHigh));
        reader.fail(
            edgesProblem(QCoreApplication::translate("Transponders", "montée"), entry.uplinkLow, entry.uplinkHigh));
        if (reader.problem.isEmpty())
            reader.fail(transponderSenseProblem(entry));
    }
    if (!reader.problem.isEmpty()) {
        *problem = reader.problem;
        return std::nullopt;
    }
    return entry;
}

} // namespace

QString transponderSenseProblem(const Transponder &t)
{
    QString problem =
        linkSenseProblem(QCoreApplication::translate("Transponders", "descente"), t.downlinkLow, t.downlinkHigh);
    if (problem.isEmpty())
        problem = linkSenseProblem(QCoreApplication::translate("Transponders", "montée"), t.uplinkLow, t.uplinkHigh);
    if (problem.isEmpty() && t.hasUplink()) {
        // The uplink follows the downlink across the passband, mirrored when inverting.
        const qint64 width = t.downlinkHigh - t.downlinkLow;
        const qint64 lowest = t.inverting ? t.uplinkHigh - width : t.uplinkLow;
        if (lowest <= 0)
            problem = QCoreApplication::translate("Transponders", "la montée tomberait à %1 MHz au bord de la descente")
                          .arg(megahertzText(lowest));
    }
    return problem;
}

QString transponderLine(const Transponder &t)
{
    const QString tone = t.ctcss > 0 ? shortestText(t.ctcss) : QString();
    return QStringList{QString::number(t.catalogNumber), t.name, hertz(t.uplinkLow), hertz(t.uplinkHigh),
                       hertz(t.downlinkLow), hertz(t.downlinkHigh), flag(t.inverting), t.uplinkMode,
                       t.downlinkMode, tone, flag(t.alive)}
        .join(QLatin1Char(';'));
}

QString transponderKey(const Transponder &t)
{
    return QString::number(t.catalogNumber) + QLatin1Char(';') + t.name.toLower();
}

TransponderFile readTransponderFile(const QString &folder, const QString &name)
{
    TransponderFile result;
    const StationFile file = readStationFile(stationFilePath(folder, name));
    if (file.state == StationFile::State::Missing)
        return result;
    result.found = true;
    if (file.state == StationFile::State::Unreadable) {
        result.problems
            << QCoreApplication::translate("Transponders", "%1 ne peut pas être lu : %2").arg(name, file.error);
        return result;
    }
    LineReader lines(file.text);
    for (int number = 1; !lines.atEnd(); ++number) {
        const QString line = lines.next().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QString problem;
        if (auto entry = readLine(line, &problem))
            result.entries.push_back(std::move(*entry));
        else
            result.problems << QCoreApplication::translate("Transponders",
                                                           "%1, ligne %2 : %3 ; cette ligne est ignorée")
                                   .arg(name)
                                   .arg(number)
                                   .arg(problem);
    }
    return result;
}

std::vector<Transponder> TransponderTable::forSatellite(long catalogNumber) const
{
    std::vector<Transponder> found;
    for (const Transponder &entry : entries)
        if (entry.catalogNumber == catalogNumber)
            found.push_back(entry);
    return found;
}

TransponderTable loadTransponders(const QString &folder)
{
    TransponderTable table;
    TransponderFile own = readTransponderFile(folder, transponderFileName);
    TransponderFile imported = readTransponderFile(folder, satnogsTransponderFileName);
    QSet<QString> edited;
    for (const Transponder &entry : own.entries)
        edited.insert(transponderKey(entry));
    table.entries = std::move(own.entries);
    for (Transponder &entry : imported.entries) {
        if (edited.contains(transponderKey(entry)))
            continue;
        table.entries.push_back(std::move(entry));
        ++table.imported;
    }
    table.problems = own.problems + imported.problems;
    return table;
}

} // namespace orvanta
