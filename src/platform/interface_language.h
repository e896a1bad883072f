#pragma once

#include <QString>
#include <QTranslator>

#include <memory>

class QProcessEnvironment;

namespace orvanta {

// French is the interface's first language: its texts are the sources that
// the English translation is made from.
enum class InterfaceLanguage { French, English };

// The language setting's values, as kept in the settings file.
QString languageCode(InterfaceLanguage language);

struct LanguageChoice {
    InterfaceLanguage language = InterfaceLanguage::French;
    // Set when the setting names a language we do not have.
    QString problem;
};

// The setting decides ("fr" or "en"); without one, the desktop's language
// (LC_ALL, then LC_MESSAGES, then LANG, as the C library reads them): French
// for a French desktop or one that names no language (C, POSIX), English for
// any other.
LanguageChoice chooseInterfaceLanguage(const QString &setting, const QProcessEnvironment &environment);

// Puts the chosen language in force for the whole program, Qt's own standard
// buttons and dialogs included, for as long as it lives.
class InterfaceTranslations {
public:
    explicit InterfaceTranslations(InterfaceLanguage language);
    ~InterfaceTranslations();
    InterfaceTranslations(const InterfaceTranslations &) = delete;
    InterfaceTranslations &operator=(const InterfaceTranslations &) = delete;

    // What could not be loaded (the program then shows its French texts).
    QString problem() const { return problem_; }

private:
    std::unique_ptr<QTranslator> own_;
    std::unique_ptr<QTranslator> qt_;
    QString problem_;
};

} // namespace orvanta
