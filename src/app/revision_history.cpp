#include "app/revision_history.h"

#include <QCoreApplication>
#include <QStringList>

namespace orvanta {

QString Historique()
{
    static const QStringList lines = {
        QCoreApplication::translate("History", "Rev 1.0.0  Creation 10/10/2002"),
        QCoreApplication::translate("History", "Rev 1.1.0  Ajout sauvegarde base de registre 16/10/2002"),
        QCoreApplication::translate("History", "Rev 1.2.0  Ajout gestion interface GS-232 26/10/2002"),
        QCoreApplication::translate("History", "Rev 1.2.1  Ajout gestion AR5000 31/10/2002"),
        QCoreApplication::translate("History", "Rev 1.2.2  Ajout gestion automatique Heure UTC 05/11/2002"),
        QCoreApplication::translate("History", "Rev 1.3.0  Ajout Poursuite Manuelle 06/11/2002"),
        QCoreApplication::translate("History", "Rev 1.3.1  Ajout Notice installation et utilisation 08/11/2002"),
        QCoreApplication::translate("History",
                                    "Rev 1.3.2  Modification page Calibration pour l'interface FodTrack 14/11/2002"),
        QCoreApplication::translate("History", "Rev 1.3.3  Ajout gestion recepteur FT 847 19/10/2003"),
        QCoreApplication::translate(
            "History",
            "Rev 1.3.4  Replacement de InpOut32.dll pour XP Suppression mise a jour Parmetres orbitaux 03/4/2006"),
    };
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QString aboutText()
{
    return QCoreApplication::translate(
               "History", "Orvanta %1\r\nPoursuite des satellites amateurs : passages, antennes et recepteur "
                          "corrige de l'effet Doppler.")
        .arg(Version());
}

} // namespace orvanta
