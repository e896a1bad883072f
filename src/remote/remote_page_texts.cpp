#include "remote/remote_page_texts.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace orvanta {

namespace {

// Every text of index.html, app.js and sky.js that a person reads, as the
// page writes it.
const char *const kPageTexts[] = {
    QT_TRANSLATE_NOOP("RemotePage", "Orvanta - station a distance"),
    QT_TRANSLATE_NOOP("RemotePage", "--:--:-- TU"),
    QT_TRANSLATE_NOOP("RemotePage", "hors ligne"),
    QT_TRANSLATE_NOOP("RemotePage", "en direct"),
    QT_TRANSLATE_NOOP("RemotePage", "Se deconnecter"),
    QT_TRANSLATE_NOOP("RemotePage", "Connexion"),
    QT_TRANSLATE_NOOP("RemotePage", "Mot de passe"),
    QT_TRANSLATE_NOOP("RemotePage", "Entrer"),
    QT_TRANSLATE_NOOP("RemotePage", "Satellite suivi"),
    QT_TRANSLATE_NOOP("RemotePage", "Azimut"),
    QT_TRANSLATE_NOOP("RemotePage", "Elevation"),
    QT_TRANSLATE_NOOP("RemotePage", "Vitesse radiale"),
    QT_TRANSLATE_NOOP("RemotePage", "Frequence"),
    QT_TRANSLATE_NOOP("RemotePage", "Satellite attendu"),
    QT_TRANSLATE_NOOP("RemotePage", "Azimut AOS"),
    QT_TRANSLATE_NOOP("RemotePage", "Appareils"),
    QT_TRANSLATE_NOOP("RemotePage", "Rotor"),
    QT_TRANSLATE_NOOP("RemotePage", "N°"),
    QT_TRANSLATE_NOOP("RemotePage", "Ciel"),
    QT_TRANSLATE_NOOP("RemotePage", "Vue du ciel du passage"),
    QT_TRANSLATE_NOOP("RemotePage", "Commandes"),
    QT_TRANSLATE_NOOP("RemotePage", "Poursuite Antenne"),
    QT_TRANSLATE_NOOP("RemotePage", "Avec"),
    QT_TRANSLATE_NOOP("RemotePage", "Sans"),
    QT_TRANSLATE_NOOP("RemotePage", "Correction Doppler"),
    QT_TRANSLATE_NOOP("RemotePage", "Programmation Recepteur"),
    QT_TRANSLATE_NOOP("RemotePage", "Pointer"),
    QT_TRANSLATE_NOOP("RemotePage", "Parquer"),
    QT_TRANSLATE_NOOP("RemotePage", "Transpondeur"),
    QT_TRANSLATE_NOOP("RemotePage", "Pas d'accord"),
    QT_TRANSLATE_NOOP("RemotePage", "Tout arreter"),
    QT_TRANSLATE_NOOP("RemotePage", "Passages"),
    QT_TRANSLATE_NOOP("RemotePage", "AOS (TU)"),
    QT_TRANSLATE_NOOP("RemotePage", "LOS (TU)"),
    QT_TRANSLATE_NOOP("RemotePage", "El. max"),
    QT_TRANSLATE_NOOP("RemotePage", "TU"),
    QT_TRANSLATE_NOOP("RemotePage", "aucun"),
    QT_TRANSLATE_NOOP("RemotePage", "Session terminee."),
    QT_TRANSLATE_NOOP("RemotePage", "operateur"),
    QT_TRANSLATE_NOOP("RemotePage", "observateur"),
    QT_TRANSLATE_NOOP("RemotePage", "Fait."),
    QT_TRANSLATE_NOOP("RemotePage", "Refus %1"),
    QT_TRANSLATE_NOOP("RemotePage", "La station ne repond pas."),
    QT_TRANSLATE_NOOP("RemotePage", "O"),
};

} // namespace

QByteArray remotePageTexts()
{
    QJsonObject table;
    for (const char *french : kPageTexts) {
        const QString shown = QCoreApplication::translate("RemotePage", french);
        if (shown != QString::fromUtf8(french))
            table.insert(QString::fromUtf8(french), shown);
    }
    // The page's language too, for the browser and screen readers.
    const QJsonObject page{{QStringLiteral("langue"), QCoreApplication::translate("RemotePage", "fr", "language code")},
                           {QStringLiteral("textes"), table}};
    return "window.ORVANTA_PAGE = " + QJsonDocument(page).toJson(QJsonDocument::Compact) + ";\n";
}

} // namespace orvanta
