#include "data/element_file_list.h"

#include "data/field_reader.h"
#include "data/station_file.h"
#include "platform/message_boxes.h"

#include <QCoreApplication>

#include <algorithm>

namespace orvanta {

QStringList elementFileFilters()
{
    return {QStringLiteral("*.txt"), QStringLiteral("*.csv"), QStringLiteral("*.json"), QStringLiteral("*.xml")};
}

bool isElementFileName(const QString &name)
{
    const QStringList filters = elementFileFilters();
    return std::any_of(filters.cbegin(), filters.cend(), [&name](const QString &filter) {
        const QString extension = filter.mid(1);
        return name.size() > extension.size() && name.endsWith(extension, Qt::CaseInsensitive);
    });
}

QStringList readElementFileList(const QString &folder)
{
    const StationFile file = readStationFile(stationFilePath(folder, QStringLiteral("Elements.cfg")));
    QStringList names;
    FieldReader reader(file.text);
    while (!reader.atEnd()) {
        const Field field = reader.next();
        if (!field.text.isEmpty())
            names << field.text;
    }
    std::sort(names.begin(), names.end());
    return names;
}

QString elementSourcesMessage()
{
    const QStringList lines = {
        QCoreApplication::translate("ElementSources",
                                    "Les infos Képlériennes ne sont plus disponibles a la NASA sous forme 2Lignes."),
        QCoreApplication::translate(
            "ElementSources",
            "Le service public CelesTrak utilise un programme qui récupère les éléments auprès de la"),
        QCoreApplication::translate("ElementSources", "NASA et les met en forme 2Lignes."),
        QCoreApplication::translate("ElementSources",
                                    "Leur provenance est expliquée sur la page https://celestrak.org/NORAD/elements/"),
        QCoreApplication::translate("ElementSources",
                                    "Il faut d'abord s'inscrire sur https://www.space-track.org/auth/createAccount"),
        QCoreApplication::translate("ElementSources", "pour être autorisé a télécharger les TLE."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void showElementSources(MessageBoxes &messages)
{
    messages.information(elementSourcesMessage());
}

} // namespace orvanta
