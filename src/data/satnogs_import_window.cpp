#include "data/satnogs_import_window.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace orvanta {

QString chooseSatnogsFile(QWidget *parent)
{
    return QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("SatnogsImport", "Importer la liste d'émetteurs SatNOGS DB"), QString(),
        QCoreApplication::translate("SatnogsImport", "Liste SatNOGS DB (*.json);;Tous les fichiers (*)"));
}

} // namespace orvanta
