#include "data/satellite_status.h"

#include "data/station_file.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <vector>

namespace orvanta {

namespace {

// The SatNOGS DB's own words, kept as such in the file.
const QString kDead = QStringLiteral("dead");
const QString kReEntered = QStringLiteral("re-entered");

SatelliteStatus statusOfWord(const QString &word)
{
    const QString plain = word.trimmed().toLower();
    if (plain == kDead)
        return SatelliteStatus::Dead;
    if (plain == kReEntered)
        return SatelliteStatus::ReEntered;
    return SatelliteStatus::Alive;
}

long catalogNumberOf(const QString &field)
{
    const QByteArray digits = field.trimmed().toLatin1();
    long number = 0;
    const auto [end, error] = std::from_chars(digits.constData(), digits.constData() + digits.size(), number);
    if (error != std::errc() || end != digits.constData() + digits.size() || number < 1)
        return 0;
    return number;
}

} // namespace

void SatelliteStatuses::set(long catalogNumber, SatelliteStatus status)
{
    if (status == SatelliteStatus::Alive)
        notAlive_.remove(catalogNumber);
    else
        notAlive_.insert(catalogNumber, status);
}

int SatelliteStatuses::count(SatelliteStatus status) const
{
    return int(std::count(notAlive_.cbegin(), notAlive_.cend(), status));
}

QString satelliteStatusText(SatelliteStatus status)
{
    switch (status) {
    case SatelliteStatus::Dead:
        return QCoreApplication::translate("SatelliteStatus", "hors service");
    case SatelliteStatus::ReEntered:
        return QCoreApplication::translate("SatelliteStatus", "rentré dans l'atmosphère");
    case SatelliteStatus::Alive:
        break;
    }
    return {};
}

SatelliteStatuses loadSatelliteStatuses(const QString &folder)
{
    SatelliteStatuses statuses;
    const StationFile file = readStationFile(stationFilePath(folder, satnogsStatusFileName));
    if (file.state != StationFile::State::Read)
        return statuses;
    const QStringList lines = file.text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char(';'));
        if (fields.size() != 2)
            continue;
        if (const long number = catalogNumberOf(fields[0]))
            statuses.set(number, statusOfWord(fields[1]));
    }
    return statuses;
}

bool writeSatelliteStatuses(const QString &path, const SatelliteStatuses &statuses, QString *error)
{
    std::vector<std::pair<long, SatelliteStatus>> sorted(statuses.notAlive().keyValueBegin(),
                                                          statuses.notAlive().keyValueEnd());
    std::sort(sorted.begin(), sorted.end());
    QStringList lines{
        QStringLiteral("# Statut des satellites selon SatNOGS DB (https://db.satnogs.org), licence CC BY-SA 4.0."),
        QStringLiteral("# Ce fichier est remplace a chaque import ; un satellite absent est tenu pour actif."),
        QStringLiteral("# numero;statut (dead : hors service, re-entered : rentre dans l'atmosphere)"),
    };
    for (const auto &[number, status] : sorted)
        lines << QStringLiteral("%1;%2").arg(number).arg(status == SatelliteStatus::Dead ? kDead : kReEntered);
    return writeStationFile(path, lines, error);
}

} // namespace orvanta
