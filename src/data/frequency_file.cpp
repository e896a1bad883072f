#include "data/frequency_file.h"

#include "data/field_reader.h"
#include "data/station_file.h"
#include "platform/text_numbers.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace orvanta {

namespace {

// Why a field cannot stand as one line of a record, or an empty text.
QString fieldProblem(const Field &field)
{
    if (field.quoted)
        return QCoreApplication::translate("Frequencies", "commence par un guillemet");
    if (field.endedAtComma)
        return QCoreApplication::translate("Frequencies", "contient une virgule");
    return {};
}

QString damagedRecord(int record, const QString &why)
{
    const int firstLine = 3 * record - 2;
    return QCoreApplication::translate(
               "Frequencies", "Le fichier Frequences.cfg est endommage : l'enregistrement %1 (lignes %2 a %3) %4.\r\n"
                              "Seuls les %5 enregistrements qui le precedent sont pris en compte, et le fichier "
                              "ne sera pas modifie tant qu'il n'aura pas ete corrige.")
        .arg(record)
        .arg(firstLine)
        .arg(firstLine + 2)
        .arg(why)
        .arg(record - 1);
}

} // namespace

FrequencyFileScan scanFrequencyFile(const QString &folder)
{
    FrequencyFileScan scan;
    const StationFile file = readStationFile(stationFilePath(folder, frequencyFileName));
    scan.fingerprint = QCryptographicHash::hash((file.text + file.error).toUtf8(), QCryptographicHash::Sha1);
    if (file.state == StationFile::State::Unreadable) {
        scan.found = true;
        scan.problem =
            QCoreApplication::translate("Frequencies", "Le fichier Frequences.cfg ne peut pas etre lu (%1) ; "
                                                       "il ne sera pas modifie.")
                .arg(file.error);
        return scan;
    }
    scan.found = file.state == StationFile::State::Read;

    FieldReader fields(file.text);
    LineReader lines(file.text);
    while (!fields.onlyBlankLinesLeft()) {
        const int record = static_cast<int>(scan.fields.size()) + 1;
        QString parts[3];
        QString raw[3];
        for (int i = 0; i < 3; ++i) {
            if (fields.atEnd()) {
                scan.problem = damagedRecord(record, QCoreApplication::translate("Frequencies", "est incomplet"));
                return scan;
            }
            const Field field = fields.next();
            const QString why = fieldProblem(field);
            if (!why.isEmpty()) {
                scan.problem = damagedRecord(
                    record,
                    QCoreApplication::translate("Frequencies", "%1 a la ligne %2").arg(why).arg(3 * record - 2 + i));
                return scan;
            }
            parts[i] = field.text;
            raw[i] = lines.next();
        }
        if (!parts[1].isEmpty() && !parseNumber(parts[1])) {
            scan.problem = damagedRecord(
                record, QCoreApplication::translate("Frequencies", "a une frequence qui n'est pas un nombre : \"%1\"")
                            .arg(parts[1]));
            return scan;
        }
        scan.fields.push_back({parts[0], parts[1], parts[2]});
        scan.lines.push_back({raw[0], raw[1], raw[2]});
    }
    return scan;
}

bool writeFrequencyFile(const QString &folder, const std::vector<FrequencyRecord> &records, QString *error)
{
    QStringList lines;
    for (const FrequencyRecord &record : records)
        lines << record.name << record.frequency << record.mode;
    return writeStationFile(stationFilePath(folder, frequencyFileName), lines, error);
}

QString frequencyWriteFailure(const QString &error)
{
    return QCoreApplication::translate("Frequencies", "Le fichier Frequences.cfg n'a pas pu etre enregistre (%1).\r\n"
                                                      "L'ancien fichier est conserve tel quel.")
        .arg(error);
}

} // namespace orvanta
