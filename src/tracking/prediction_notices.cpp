#include "tracking/prediction_notices.h"

#include "orbit/pass_list.h"
#include "orbit/prediction_uncertainty.h"
#include "orbit/satellites.h"
#include "platform/text_numbers.h"
#include "platform/station_notices.h"
#include "tracking/station_clock.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <string>
#include <vector>

namespace orvanta {

namespace {

constexpr int kProblemsShown = 8;

QString problemsMessage(const std::vector<orbit::ElementFileProblem> &problems)
{
    QStringList lines{QCoreApplication::translate("Tracking", "Des elements orbitaux n'ont pas pu etre lus :")};
    const int shown = std::min<int>(int(problems.size()), kProblemsShown);
    for (int i = 0; i < shown; ++i) {
        const auto &problem = problems[std::size_t(i)];
        const QString file = QDir(QString::fromStdString(problem.file)).dirName();
        const QString place = QString::fromStdString(orbit::problemPlace(problem));
        lines << (place.isEmpty() ? file : file + QStringLiteral(", ") + place) + QStringLiteral(" : ") +
                     QString::fromStdString(problem.reason);
    }
    if (int(problems.size()) > shown)
        lines << QCoreApplication::translate("Tracking", "... et %1 autres.").arg(int(problems.size()) - shown);
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

void PredictionNotices::componentBuilt(const orbit::Satellites &component, const QString &stationFolder)
{
    blocked_.clear();
    warnedFarFromEpoch_.clear();
    warnedUncertain_.clear();
    if (!component.observerValid()) {
        QStringList refusals;
        for (const std::string &refusal : component.observerRefusals())
            refusals << QString::fromStdString(refusal);
        blocked_ = QCoreApplication::translate("Tracking", "Aucune prediction : position de l'observateur refusee (%1)")
                       .arg(refusals.join(QStringLiteral(", ")));
        notices_.later(QCoreApplication::translate(
                           "Tracking",
                           "La position de l'observateur est refusee : %1.\r\nAucune prediction n'est faite "
                           "tant qu'elle n'est pas corrigee (menu Configuration, Observateur).")
                           .arg(refusals.join(QStringLiteral(", "))));
    }
    if (component.satcount() == 0) {
        notices_.later(QCoreApplication::translate(
                           "Tracking", "Aucun satellite n'a pu etre lu : le dossier %1 ne contient aucun fichier "
                                       "d'elements (*.txt, *.csv, *.json, *.xml) lisible. Les listes restent vides.")
                           .arg(QDir::toNativeSeparators(stationFolder)));
    } else if (!component.problems().empty()) {
        notices_.later(problemsMessage(component.problems()));
    }
}

// Elements far from the instant predicted put a satellite far from where it
// is said to be: named once, not at every tick.
void PredictionNotices::checkEpochs(orbit::Satellites *component, const QStringList &selection,
                                    const QDateTime &instant)
{
    if (!component || !instant.isValid())
        return;
    std::vector<std::string> names;
    for (const QString &name : selection)
        if (!warnedFarFromEpoch_.contains(name))
            names.push_back(name.toStdString());
    if (names.empty())
        return;
    QStringList far;
    for (const std::string &name : component->farFromEpoch(names, julianToTheSecond(instant)))
        far << QString::fromStdString(name);
    if (far.isEmpty())
        return;
    warnedFarFromEpoch_ << far;
    notices_.later(QCoreApplication::translate(
                       "Tracking",
                       "Les elements de ces satellites datent de plus de 30 jours avant ou apres l'heure "
                       "des predictions, leurs positions sont peu sures : %1.\r\nMettez a jour les fichiers "
                       "d'elements (menu Elements).")
                       .arg(far.join(QStringLiteral(", "))));
}

void PredictionNotices::checkUncertainty(const orbit::Satellites *component, const orbit::PassBoard &board)
{
    if (!component)
        return;
    for (const auto *passes : {&board.visible(), &board.coming()}) {
        if (passes->empty())
            continue;
        const orbit::PredictedPass &pass = passes->front().pass;
        const QString name = QString::fromStdString(pass.name);
        if (warnedUncertain_.contains(name) || warnedFarFromEpoch_.contains(name))
            continue;
        const auto uncertainty = orbit::uncertaintyAtAos(*component, pass);
        if (!uncertainty || uncertainty->seconds <= orbit::kUncertaintyWorthSayingSeconds)
            continue;
        warnedUncertain_ << name;
        notices_.later(QCoreApplication::translate(
                           "Tracking", "%1 : éléments de %2 jours, son AOS peut arriver %3 s avant ou après l'heure "
                                       "prévue (estimation). Mettez à jour les éléments.")
                           .arg(name, formatFixed(uncertainty->ageDays, 1), formatFixed(uncertainty->seconds, 0)));
    }
}

} // namespace orvanta
