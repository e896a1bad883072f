#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace orvanta {

std::unique_ptr<QTranslator> installQtFrenchTranslations()
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace orvanta
