#pragma once

#include <functional>
#include <initializer_list>
#include <string>

// The commands' messages and usage are written in French. A program that
// holds the texts of another language puts in the translator that finds
// them; without one, the French texts are printed as they are.
namespace orvanta::orbit::cli
{

// Context and French text in, the text to print out.
using TextTranslator = std::function<std::string(const char *context, const char *text)>;

void setTextTranslator(TextTranslator translator);

// The text in the language in force. Qt's lupdate collects these calls as it
// collects QCoreApplication::translate (-tr-function-alias translate+=cliText).
std::string cliText(const char *context, const char *text);

// The text with %1, %2... replaced by the values, in one pass (a value that
// holds "%2" stays as it is).
std::string fillIn(const std::string &text, std::initializer_list<std::string> values);

} // namespace orvanta::orbit::cli
