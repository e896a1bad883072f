#include "data/satnogs_satellites.h"

#include <QCoreApplication>
#include <QSet>

#include <nlohmann/json.hpp>

#include <cmath>

namespace orvanta {

namespace {

using Json = nlohmann::json;

constexpr double kHighestCatalogNumber = 999999999;

bool isSatelliteObject(const Json &object)
{
    return object.is_object() && object.contains("sat_id") && object.contains("status") &&
           !object.contains("downlink_low");
}

QString notTheList(const QString &why)
{
    return QCoreApplication::translate("SatnogsSatellites", "ce n'est pas une liste de satellites SatNOGS DB (%1)")
        .arg(why);
}

long catalogNumber(const Json &object)
{
    const auto found = object.find("norad_cat_id");
    if (found == object.end() || !found->is_number())
        return 0;
    const double value = found->get<double>();
    if (value < 1 || value > kHighestCatalogNumber || value != std::floor(value))
        return 0;
    return long(value);
}

SatelliteStatus statusOf(const Json &object)
{
    const auto found = object.find("status");
    if (found == object.end() || !found->is_string())
        return SatelliteStatus::Alive;
    const std::string word = found->get<std::string>();
    if (word == "dead")
        return SatelliteStatus::Dead;
    if (word == "re-entered")
        return SatelliteStatus::ReEntered;
    return SatelliteStatus::Alive;
}

} // namespace

bool isSatnogsSatelliteList(const QByteArray &bytes)
{
    const Json document = Json::parse(bytes.begin(), bytes.end(), nullptr, false);
    return !document.is_discarded() && document.is_array() && !document.empty() && isSatelliteObject(document[0]);
}

SatnogsSatellites readSatnogsSatellites(const QByteArray &bytes)
{
    SatnogsSatellites result;
    const Json document = Json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (document.is_discarded()) {
        result.error = QCoreApplication::translate("SatnogsSatellites", "ce n'est pas un document JSON complet");
        return result;
    }
    if (!document.is_array() || document.empty()) {
        result.error = notTheList(QCoreApplication::translate("SatnogsSatellites", "pas une liste, ou une liste vide"));
        return result;
    }
    QSet<long> seen;
    QSet<long> alive;
    for (std::size_t i = 0; i < document.size(); ++i) {
        if (!isSatelliteObject(document[i])) {
            result.error = notTheList(
                QCoreApplication::translate("SatnogsSatellites", "l'élément %1 n'est pas un satellite").arg(i + 1));
            result.statuses = {};
            return result;
        }
        const long number = catalogNumber(document[i]);
        if (number == 0)
            continue;
        seen.insert(number);
        const SatelliteStatus status = statusOf(document[i]);
        if (status == SatelliteStatus::Alive || alive.contains(number)) {
            alive.insert(number);
            result.statuses.set(number, SatelliteStatus::Alive);
        } else {
            result.statuses.set(number, status);
        }
    }
    result.satellites = int(seen.size());
    if (result.satellites == 0)
        result.error =
            QCoreApplication::translate("SatnogsSatellites", "aucun de ses satellites n'a de numéro de catalogue");
    return result;
}

StatusReplacement replaceSatnogsStatusFile(const QString &path, const QByteArray &json)
{
    StatusReplacement result;
    const SatnogsSatellites list = readSatnogsSatellites(json);
    if (!list.error.isEmpty()) {
        result.problem = list.error;
        return result;
    }
    if (!writeSatelliteStatuses(path, list.statuses, &result.problem)) {
        result.outcome = StatusReplacement::Outcome::WriteFailed;
        return result;
    }
    result.outcome = StatusReplacement::Outcome::Replaced;
    result.satellites = list.satellites;
    result.dead = list.statuses.count(SatelliteStatus::Dead);
    result.reEntered = list.statuses.count(SatelliteStatus::ReEntered);
    return result;
}

QString statusReplacementSummary(const StatusReplacement &replaced)
{
    return QCoreApplication::translate("SatnogsSatellites",
                                       "%1 mis à jour, statut de %2 satellites dont %3 hors service et %4 rentrés "
                                       "dans l'atmosphère (données SatNOGS DB, licence CC BY-SA 4.0)")
        .arg(satnogsStatusFileName)
        .arg(replaced.satellites)
        .arg(replaced.dead)
        .arg(replaced.reEntered);
}

ElementFileResult installSatellitesDownload(const ElementDownloadJob &job, const QByteArray &body)
{
    using Outcome = ElementFileResult::Outcome;
    const auto kept = [&](Outcome outcome, const QString &why) {
        return ElementFileResult{job.fileName, job.address, outcome, 0,
                                 QCoreApplication::translate("SatnogsSatellites", "%1 : %2, %3 n'a pas été modifié")
                                     .arg(job.address, why, satnogsStatusFileName)};
    };
    const QByteArray start = body.trimmed();
    if (start.isEmpty())
        return kept(Outcome::Empty, QCoreApplication::translate("SatnogsSatellites", "réponse vide"));
    if (start.startsWith('<'))
        return kept(Outcome::Html, QCoreApplication::translate(
                                       "SatnogsSatellites", "page HTML reçue au lieu de la liste de satellites SatNOGS DB"));
    const StatusReplacement replaced = replaceSatnogsStatusFile(job.path, body);
    if (replaced.outcome == StatusReplacement::Outcome::NotTheList)
        return kept(Outcome::BadContent, replaced.problem);
    if (replaced.outcome == StatusReplacement::Outcome::WriteFailed)
        return writeFailedResult(job, replaced.problem);
    return {job.fileName, job.address, Outcome::Replaced, replaced.satellites,
            statusReplacementSummary(replaced) + QStringLiteral(" (%1)").arg(job.address)};
}

} // namespace orvanta
