#include "app/engine_language.h"

#include "orbit/engine_text.h"

#include <QCoreApplication>

namespace orvanta {

void translateEngineTexts()
{
    orbit::setTextTranslator(
        [](const char *context, const char *text) { return QCoreApplication::translate(context, text).toStdString(); });
}

} // namespace orvanta
