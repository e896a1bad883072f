#pragma once

#include <functional>
#include <initializer_list>
#include <string>

// The engine's reasons and errors are written in French and reach the
// operator through the windows and the command-line programs. The program
// that holds the texts of another language puts in the translator that finds
// them, once at start-up; without one, the French texts stay as they are.
namespace orvanta::orbit {

// Context and French text in, the text to show out.
using TextTranslator = std::function<std::string(const char *context, const char *text)>;

void setTextTranslator(TextTranslator translator);

// The text in the language in force. Qt's lupdate collects these calls as it
// collects QCoreApplication::translate (-tr-function-alias translate+=orbitText).
std::string orbitText(const char *context, const char *text);

// Marks a text where it is written, for orbitText to translate later with the
// same context, when it is shown: nothing is looked up while all goes well.
// lupdate reads it as QT_TRANSLATE_NOOP (-tr-function-alias
// QT_TRANSLATE_NOOP+=orbitTextLater).
constexpr const char *orbitTextLater(const char *, const char *text)
{
    return text;
}

// The text with %1, %2... replaced by the values, in one pass (a value that
// holds "%2" stays as it is).
std::string fillIn(const std::string &text, std::initializer_list<std::string> values);

} // namespace orvanta::orbit
