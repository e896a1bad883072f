#include "data/element_sources.h"

#include "data/element_file_list.h"
#include "data/field_reader.h"
#include "data/station_file.h"

#include <QCoreApplication>

#include <algorithm>

namespace orvanta {

namespace {

// The reader only reads the element files of the station folder by their
// extensions ("*.txt", "*.csv", "*.json", "*.xml"), and a name with
// a folder in it could make a download land outside the station.
QString fileNameProblem(const QString &name)
{
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(u':'))
        return QCoreApplication::translate("ElementSources", "le nom de fichier « %1 » ne doit pas contenir de dossier")
            .arg(name);
    if (!isElementFileName(name))
        return QCoreApplication::translate(
                   "ElementSources",
                   "le fichier « %1 » n'est pas un fichier d'éléments « *.txt », « *.csv », « *.json » "
                   "ou « *.xml »")
            .arg(name);
    return {};
}

} // namespace

ElementSourcesFile readElementSources(const QString &folder)
{
    ElementSourcesFile result;
    const StationFile file = readStationFile(stationFilePath(folder, elementSourcesFileName));
    if (file.state == StationFile::State::Missing)
        return result;
    result.found = true;
    if (file.state == StationFile::State::Unreadable) {
        result.problems << QCoreApplication::translate("ElementSources", "%1 illisible : %2")
                               .arg(elementSourcesFileName, file.error);
        return result;
    }
    LineReader lines(file.text);
    for (int number = 1; !lines.atEnd(); ++number) {
        const QString line = lines.next().trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const auto refuse = [&](const QString &why) {
            result.problems << QCoreApplication::translate("ElementSources", "%1, ligne %2 : %3")
                                   .arg(elementSourcesFileName)
                                   .arg(number)
                                   .arg(why);
        };
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0) {
            refuse(
                QCoreApplication::translate("ElementSources", "« %1 » : il manque « = » entre le fichier et l'adresse")
                    .arg(line));
            continue;
        }
        const ElementSource source{line.left(equals).trimmed(), line.mid(equals + 1).trimmed()};
        if (source.fileName.isEmpty()) {
            refuse(QCoreApplication::translate("ElementSources", "nom de fichier absent avant « = »"));
            continue;
        }
        if (const QString problem = fileNameProblem(source.fileName); !problem.isEmpty()) {
            refuse(problem);
            continue;
        }
        if (source.address.isEmpty()) {
            refuse(QCoreApplication::translate("ElementSources", "adresse absente pour %1").arg(source.fileName));
            continue;
        }
        const auto same = std::find_if(result.sources.cbegin(), result.sources.cend(), [&](const ElementSource &kept) {
            return kept.fileName.compare(source.fileName, Qt::CaseInsensitive) == 0;
        });
        if (same != result.sources.cend()) {
            refuse(QCoreApplication::translate("ElementSources", "%1 a déjà une source, cette ligne est ignorée")
                       .arg(source.fileName));
            continue;
        }
        result.sources << source;
    }
    return result;
}

bool writeElementSources(const QString &folder, const QList<ElementSource> &sources, QString *error)
{
    QStringList lines;
    for (const ElementSource &source : sources)
        lines << source.fileName + u'=' + source.address;
    return writeStationFile(stationFilePath(folder, elementSourcesFileName), lines, error);
}

} // namespace orvanta
