#include "data/satnogs_import.h"

#include "data/satnogs_satellites.h"
#include "data/station_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <nlohmann/json.hpp>

#include <cmath>
#include <optional>

namespace orvanta {

namespace {

using Json = nlohmann::json;

// The whole SatNOGS list is a few megabytes; this leaves ample room.
constexpr qint64 kMaxImportBytes = 64LL * 1024 * 1024;
constexpr int kSkippedShown = 10;
constexpr double kHighestCatalogNumber = 999999999;

QString text(const Json &object, const char *key)
{
    const auto found = object.find(key);
    if (found == object.end() || !found->is_string())
        return {};
    return QString::fromStdString(found->get<std::string>()).simplified();
}

// A field of a transmitter that the list describes as a number or null. A
// field of another type means the document is not the list expected.
struct NumberField {
    std::optional<double> value;
    bool wrongType = false;
};

NumberField number(const Json &object, const char *key)
{
    const auto found = object.find(key);
    if (found == object.end() || found->is_null())
        return {};
    if (!found->is_number())
        return {std::nullopt, true};
    return {found->get<double>(), false};
}

QString label(const Json &object, std::size_t index)
{
    const QString uuid = text(object, "uuid");
    return uuid.isEmpty() ? QCoreApplication::translate("SatnogsImport", "n° %1").arg(index + 1) : uuid;
}

// A text kept in a field of the station file: one line, no field separator.
QString fieldText(const Json &object, const char *key)
{
    return text(object, key).replace(QLatin1Char(';'), QLatin1Char(','));
}

QString entryName(const Json &object)
{
    QString name = fieldText(object, "description");
    if (name.isEmpty())
        name = fieldText(object, "type");
    return name.isEmpty() ? QStringLiteral("Emetteur") : name;
}

// Why a transmitter cannot be an entry, or empty when it became one.
QString readTransmitter(const Json &object, Transponder *entry)
{
    const NumberField catalog = number(object, "norad_cat_id");
    if (!catalog.value || *catalog.value < 1 || *catalog.value > kHighestCatalogNumber ||
        *catalog.value != std::floor(*catalog.value))
        return QCoreApplication::translate("SatnogsImport", "sans numéro de catalogue");
    if (text(object, "status") == QLatin1String("invalid"))
        return QCoreApplication::translate("SatnogsImport", "marqué invalide dans SatNOGS DB");
    struct Link {
        const char *low;
        const char *high;
        QString name;
        qint64 *lowOut;
        qint64 *highOut;
    };
    const Link links[] = {{"downlink_low", "downlink_high", QCoreApplication::translate("SatnogsImport", "descente"),
                           &entry->downlinkLow, &entry->downlinkHigh},
                          {"uplink_low", "uplink_high", QCoreApplication::translate("SatnogsImport", "montée"),
                           &entry->uplinkLow, &entry->uplinkHigh}};
    for (const Link &link : links) {
        const std::optional<double> low = number(object, link.low).value;
        const double high = number(object, link.high).value.value_or(low.value_or(0));
        if (!low)
            continue;
        if (*low <= 0 || high <= 0 || *low > kHighestTransponderHz || high > kHighestTransponderHz)
            return QCoreApplication::translate("SatnogsImport", "fréquence de %1 hors de toute bande").arg(link.name);
        if (*low > high)
            return QCoreApplication::translate("SatnogsImport",
                                               "bord bas de la %1 (%2 Hz) au-dessus du bord haut (%3 Hz)")
                .arg(link.name, QString::number(qint64(std::llround(*low))),
                     QString::number(qint64(std::llround(high))));
        *link.lowOut = std::llround(*low);
        *link.highOut = std::llround(high);
    }
    if (entry->downlinkLow == 0)
        return QCoreApplication::translate("SatnogsImport", "sans fréquence de descente");
    if (const QString problem = transponderSenseProblem(*entry); !problem.isEmpty())
        return problem;
    entry->catalogNumber = long(*catalog.value);
    entry->name = entryName(object);
    const auto invert = object.find("invert");
    entry->inverting = invert != object.end() && invert->is_boolean() && invert->get<bool>();
    entry->downlinkMode = fieldText(object, "mode");
    entry->uplinkMode = entry->hasUplink() ? fieldText(object, "uplink_mode") : QString();
    const auto alive = object.find("alive");
    entry->alive = alive != object.end() && alive->is_boolean() && alive->get<bool>() &&
                   text(object, "status") == QLatin1String("active");
    return {};
}

// Why the document is not the transmitters list, or empty.
QString shapeProblem(const Json &object, std::size_t index)
{
    if (!object.is_object())
        return QCoreApplication::translate("SatnogsImport", "l'élément %1 de la liste n'est pas un objet")
            .arg(index + 1);
    for (const char *key : {"uuid", "norad_cat_id", "downlink_low"})
        if (!object.contains(key))
            return QCoreApplication::translate("SatnogsImport", "l'émetteur %1 n'a pas de champ « %2 »")
                .arg(label(object, index), QLatin1String(key));
    for (const char *key : {"norad_cat_id", "uplink_low", "uplink_high", "downlink_low", "downlink_high"})
        if (number(object, key).wrongType)
            return QCoreApplication::translate("SatnogsImport", "le champ « %1 » de l'émetteur %2 n'est pas un nombre")
                .arg(QLatin1String(key), label(object, index));
    return {};
}

// Two transmitters of a satellite with the same description stay apart, as
// the table tells its entries by their key.
void nameApart(std::vector<Transponder> &entries)
{
    QHash<QString, int> seen;
    for (Transponder &entry : entries) {
        const int count = ++seen[transponderKey(entry)];
        if (count > 1)
            entry.name += QStringLiteral(" (%1)").arg(count);
    }
}

QStringList fileLines(const std::vector<Transponder> &entries)
{
    QStringList lines{
        QStringLiteral("# Emetteurs importes de SatNOGS DB (https://db.satnogs.org), licence CC BY-SA 4.0."),
        QStringLiteral("# Ce fichier est remplace a chaque import : pour corriger une entree, copiez sa ligne"),
        QStringLiteral("# dans Transpondeurs.cfg et corrigez-la ; celle de Transpondeurs.cfg l'emporte."),
        QStringLiteral("# numero;nom;montee basse;montee haute;descente basse;descente haute;inverse;"
                       "mode montee;mode descente;CTCSS;actif"),
    };
    for (const Transponder &entry : entries)
        lines << transponderLine(entry);
    return lines;
}

QString refused(const QString &path, const QString &why)
{
    return QCoreApplication::translate("SatnogsImport",
                                       "Le fichier %1 n'a pas été importé : %2.\n%3 n'a pas été modifié.")
        .arg(QFileInfo(path).fileName(), why, satnogsTransponderFileName);
}

// The satellites list gives the statuses instead of the transmitters.
SatnogsImport importStatuses(const QString &folder, const QString &path, const QByteArray &bytes)
{
    SatnogsImport result;
    result.statuses = true;
    const StatusReplacement replaced = replaceSatnogsStatusFile(stationFilePath(folder, satnogsStatusFileName), bytes);
    if (replaced.outcome != StatusReplacement::Outcome::Replaced) {
        result.message = QCoreApplication::translate("SatnogsImport",
                                                     "Le fichier %1 n'a pas été importé : %2.\n%3 n'a pas été modifié.")
                             .arg(QFileInfo(path).fileName(), replaced.problem, satnogsStatusFileName);
        return result;
    }
    result.done = true;
    result.message = statusReplacementSummary(replaced) + QLatin1Char('.');
    return result;
}

} // namespace

SatnogsTransmitters readSatnogsTransmitters(const QByteArray &bytes)
{
    SatnogsTransmitters result;
    const Json document = Json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (document.is_discarded()) {
        result.error = QCoreApplication::translate("SatnogsImport", "ce n'est pas un document JSON complet");
        return result;
    }
    if (!document.is_array()) {
        result.error = QCoreApplication::translate(
            "SatnogsImport", "ce n'est pas une liste d'émetteurs SatNOGS DB (le document n'est pas une liste)");
        return result;
    }
    if (document.empty()) {
        result.error = QCoreApplication::translate("SatnogsImport", "la liste ne contient aucun émetteur");
        return result;
    }
    for (std::size_t i = 0; i < document.size(); ++i) {
        const QString problem = shapeProblem(document[i], i);
        if (!problem.isEmpty()) {
            result.error =
                QCoreApplication::translate("SatnogsImport", "ce n'est pas une liste d'émetteurs SatNOGS DB (%1)")
                    .arg(problem);
            result.entries.clear();
            return result;
        }
        Transponder entry;
        const QString why = readTransmitter(document[i], &entry);
        if (why.isEmpty())
            result.entries.push_back(std::move(entry));
        else
            result.skipped << QStringLiteral("%1 : %2").arg(label(document[i], i), why);
    }
    if (result.entries.empty())
        result.error = QCoreApplication::translate("SatnogsImport", "aucun de ses %1 émetteurs n'est utilisable")
                           .arg(document.size());
    nameApart(result.entries);
    return result;
}

SatnogsReplacement replaceSatnogsFile(const QString &path, const QByteArray &json)
{
    SatnogsReplacement result;
    const SatnogsTransmitters list = readSatnogsTransmitters(json);
    if (!list.error.isEmpty()) {
        result.problem = list.error;
        return result;
    }
    if (!writeStationFile(path, fileLines(list.entries), &result.problem)) {
        result.outcome = SatnogsReplacement::Outcome::WriteFailed;
        return result;
    }
    QSet<long> satellites;
    for (const Transponder &entry : list.entries)
        satellites.insert(entry.catalogNumber);
    result.outcome = SatnogsReplacement::Outcome::Replaced;
    result.entries = int(list.entries.size());
    result.satellites = int(satellites.size());
    result.skipped = list.skipped;
    return result;
}

SatnogsImport importSatnogsFile(const QString &folder, const QString &path)
{
    SatnogsImport result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.message = refused(path, file.errorString());
        return result;
    }
    if (file.size() > kMaxImportBytes) {
        result.message = refused(
            path,
            QCoreApplication::translate("SatnogsImport", "il dépasse %1 Mo").arg(kMaxImportBytes / (1024 * 1024)));
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (isSatnogsSatelliteList(bytes))
        return importStatuses(folder, path, bytes);
    const SatnogsReplacement replaced =
        replaceSatnogsFile(stationFilePath(folder, satnogsTransponderFileName), bytes);
    if (replaced.outcome != SatnogsReplacement::Outcome::Replaced) {
        result.message = refused(path, replaced.problem);
        return result;
    }
    const TransponderTable table = loadTransponders(folder);
    result.done = true;
    result.message =
        QCoreApplication::translate("SatnogsImport", "%1 émetteurs de %2 satellites importés de %3 dans %4 "
                                                     "(données SatNOGS DB, licence CC BY-SA 4.0).\n"
                                                     "La table compte %5 entrées, dont %6 de l'import : "
                                                     "celles de %7 l'emportent sur l'import.")
            .arg(replaced.entries)
            .arg(replaced.satellites)
            .arg(QFileInfo(path).fileName(), satnogsTransponderFileName)
            .arg(table.entries.size())
            .arg(table.imported)
            .arg(transponderFileName);
    if (!replaced.skipped.isEmpty()) {
        result.message += QCoreApplication::translate("SatnogsImport", "\n%1 émetteurs laissés de côté :\n")
                              .arg(replaced.skipped.size());
        result.message += replaced.skipped.mid(0, kSkippedShown).join(QLatin1Char('\n'));
        if (replaced.skipped.size() > kSkippedShown)
            result.message += QCoreApplication::translate("SatnogsImport", "\n... et %1 autres")
                                  .arg(replaced.skipped.size() - kSkippedShown);
    }
    if (!table.problems.isEmpty())
        result.message += QLatin1Char('\n') + table.problems.join(QLatin1Char('\n'));
    return result;
}

} // namespace orvanta
