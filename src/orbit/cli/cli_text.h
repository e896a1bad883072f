#pragma once

#include "orbit/engine_text.h"

// The commands' messages and usage are written in French and translated
// through the engine's translator (orbit/engine_text.h), which the program
// puts in when it speaks another language.
namespace orvanta::orbit::cli
{

using orbit::fillIn;
using orbit::setTextTranslator;
using orbit::TextTranslator;

// The text in the language in force. Qt's lupdate collects these calls as it
// collects QCoreApplication::translate (-tr-function-alias translate+=cliText).
inline std::string cliText(const char *context, const char *text)
{
    return orbitText(context, text);
}

} // namespace orvanta::orbit::cli
