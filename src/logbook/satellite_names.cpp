#include "logbook/satellite_names.h"

#include "logbook/contact_checks.h"
#include "platform/atomic_file.h"

#include <QCoreApplication>
#include <QFile>

namespace orvanta {

SatelliteNames::SatelliteNames(QString folder) : folder_(std::move(folder))
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (int k = 0; k < lines.size(); ++k) {
        const QString line = lines[k].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char(';'));
        bool number = false;
        const long catalogNumber = fields.value(0).trimmed().toLong(&number);
        const QString name = fields.value(1).trimmed().toUpper();
        const QString fault = satelliteNameFault(name);
        if (fields.size() != 2 || !number || catalogNumber <= 0 || !fault.isEmpty()) {
            problems_ << QCoreApplication::translate("Journal", "%1, ligne %2 : « %3 » (numéro;nom attendu%4)")
                             .arg(satelliteNamesFileName)
                             .arg(k + 1)
                             .arg(line, fault.isEmpty() ? QString() : QStringLiteral(", ") + fault);
            continue;
        }
        names_[catalogNumber] = name;
    }
}

QString SatelliteNames::path() const
{
    return folder_ + QLatin1Char('/') + satelliteNamesFileName;
}

QString SatelliteNames::nameOf(long catalogNumber) const
{
    const auto found = names_.find(catalogNumber);
    return found == names_.end() ? QString() : found->second;
}

bool SatelliteNames::learn(long catalogNumber, const QString &name, QString *error)
{
    const QString upper = name.trimmed().toUpper();
    if (const QString fault = satelliteNameFault(upper); !fault.isEmpty() || catalogNumber <= 0) {
        if (error)
            *error = fault.isEmpty() ? QCoreApplication::translate("Journal", "numéro de catalogue manquant") : fault;
        return false;
    }
    QByteArray content;
    QFile file(path());
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            if (error)
                *error = QCoreApplication::translate("Journal", "%1 illisible : %2").arg(path(), file.errorString());
            return false;
        }
        content = file.readAll();
        file.close();
    } else {
        content = "# Noms des satellites pour LoTW (SAT_NAME), un par ligne : numero de catalogue;nom\n";
    }
    if (!content.isEmpty() && !content.endsWith('\n'))
        content += '\n';
    content += QByteArray::number(qlonglong(catalogNumber)) + ';' + upper.toUtf8() + '\n';
    if (!writeFileAtomically(path(), content, error))
        return false;
    names_[catalogNumber] = upper;
    return true;
}

} // namespace orvanta
