#include "data/transponder_download.h"

#include <QCoreApplication>

#include "data/satnogs_import.h"
#include "data/transponder_table.h"

namespace orvanta {

ElementFileResult installTransmittersDownload(const ElementDownloadJob &job, const QByteArray &body)
{
    using Outcome = ElementFileResult::Outcome;
    const auto kept = [&](Outcome outcome, const QString &why) {
        return ElementFileResult{job.fileName, job.address, outcome, 0,
                                 QCoreApplication::translate("TransponderDownload", "%1 : %2, %3 n'a pas été modifié")
                                     .arg(job.address, why, satnogsTransponderFileName)};
    };
    const QByteArray start = body.trimmed();
    if (start.isEmpty())
        return kept(Outcome::Empty, QCoreApplication::translate("TransponderDownload", "réponse vide"));
    if (start.startsWith('<'))
        return kept(Outcome::Html,
                    QCoreApplication::translate("TransponderDownload",
                                                "page HTML reçue au lieu de la liste d'émetteurs SatNOGS DB"));
    const SatnogsReplacement replaced = replaceSatnogsFile(job.path, body);
    if (replaced.outcome == SatnogsReplacement::Outcome::NotTheList)
        return kept(Outcome::BadContent, replaced.problem);
    if (replaced.outcome == SatnogsReplacement::Outcome::WriteFailed)
        return writeFailedResult(job, replaced.problem);
    QString message = QCoreApplication::translate("TransponderDownload", "%1 mis à jour, %2 émetteurs de %3 satellites")
                          .arg(satnogsTransponderFileName)
                          .arg(replaced.entries)
                          .arg(replaced.satellites);
    if (!replaced.skipped.isEmpty())
        message +=
            QCoreApplication::translate("TransponderDownload", ", %1 laissés de côté").arg(replaced.skipped.size());
    message += QCoreApplication::translate("TransponderDownload", " (données SatNOGS DB, licence CC BY-SA 4.0 ; %1)")
                   .arg(job.address);
    return {job.fileName, job.address, Outcome::Replaced, replaced.entries, message};
}

} // namespace orvanta
