#include "data/satnogs_import_window.h"

#include <QFileDialog>

namespace orvanta {

QString chooseSatnogsFile(QWidget *parent)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Importer la liste d'émetteurs SatNOGS DB"), QString(),
                                        QStringLiteral("Liste SatNOGS DB (*.json);;Tous les fichiers (*)"));
}

} // namespace orvanta
