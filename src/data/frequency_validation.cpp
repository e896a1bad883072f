#include "data/frequency_validation.h"

#include <QCoreApplication>

#include "data/frequency_loader.h"

namespace orvanta {

QString satelliteNameProblem(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QCoreApplication::translate("Frequencies", "Entrez le nom du satellite");
    for (QChar c : trimmed) {
        if (c == u',')
            return QCoreApplication::translate("Frequencies", "Le nom du satellite ne doit pas contenir de virgule");
        if (c == u'"')
            return QCoreApplication::translate("Frequencies", "Le nom du satellite ne doit pas contenir de guillemet");
        if (c == u'\r' || c == u'\n')
            return QCoreApplication::translate("Frequencies", "Le nom du satellite doit tenir sur une seule ligne");
        if (c.unicode() < 32 || c.unicode() == 127)
            return QCoreApplication::translate("Frequencies", "Le nom du satellite contient un caractere de controle");
        if (c.unicode() > 255)
            return QCoreApplication::translate("Frequencies",
                                               "Le nom du satellite contient le caractere \"%1\" que le fichier "
                                               "Frequences.cfg ne peut pas garder")
                .arg(c);
    }
    return {};
}

QString frequencyProblem(const QString &frequency)
{
    const QString notANumber =
        QCoreApplication::translate("Frequencies", "La frequence doit etre un nombre en MHz, avec un point "
                                                   "pour les decimales (par exemple 145.800)");
    const QString trimmed = frequency.trimmed();
    if (trimmed.isEmpty())
        return QCoreApplication::translate("Frequencies", "Entrez la frequence du satellite");
    int digits = 0;
    int points = 0;
    for (QChar c : trimmed) {
        if (c.isDigit() && c.unicode() < 128)
            ++digits;
        else if (c == u'.')
            ++points;
        else
            return notANumber;
    }
    if (digits == 0 || points > 1)
        return notANumber;
    if (trimmed.size() > frequencyWidth)
        return QCoreApplication::translate("Frequencies", "La frequence ne doit pas depasser %1 caracteres")
            .arg(frequencyWidth);
    return {};
}

} // namespace orvanta
