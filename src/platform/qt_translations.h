#pragma once

#include <QTranslator>

#include <memory>

namespace orvanta {

// Qt's own French texts (standard buttons "Oui", "Non", "Annuler"...), from
// the system's qtbase_fr.qm. The interface is French whatever the desktop's
// language, so they are loaded always. Returns the installed translator,
// which stays in force while it lives, or nothing when the file is missing.
std::unique_ptr<QTranslator> installQtFrenchTranslations();

} // namespace orvanta
