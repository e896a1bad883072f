#include "platform/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QProcessEnvironment>

namespace orvanta {

QString languageCode(InterfaceLanguage language)
{
    return language == InterfaceLanguage::English ? QStringLiteral("en") : QStringLiteral("fr");
}

namespace {

// The language part of a locale name such as "fr_CA.UTF-8" or "en".
QString languageOf(const QString &locale)
{
    return locale.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
}

InterfaceLanguage desktopLanguage(const QProcessEnvironment &environment)
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QLatin1String(variable));
        if (value.isEmpty())
            continue;
        const QString language = languageOf(value);
        if (language == QLatin1String("fr") || language == QLatin1String("C") || language == QLatin1String("POSIX"))
            return InterfaceLanguage::French;
        return InterfaceLanguage::English;
    }
    return InterfaceLanguage::French;
}

bool install(std::unique_ptr<QTranslator> &translator, const QString &name, const QString &folder)
{
    translator = std::make_unique<QTranslator>();
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator.get()))
        return true;
    translator.reset();
    return false;
}

} // namespace

LanguageChoice chooseInterfaceLanguage(const QString &setting, const QProcessEnvironment &environment)
{
    const QString code = setting.trimmed().toLower();
    if (code.isEmpty())
        return {desktopLanguage(environment), {}};
    if (code == QLatin1String("fr"))
        return {InterfaceLanguage::French, {}};
    if (code == QLatin1String("en"))
        return {InterfaceLanguage::English, {}};
    return {InterfaceLanguage::French,
            QCoreApplication::translate("Language", "Langue inconnue \"%1\" : l'interface reste en français.")
                .arg(setting.trimmed())};
}

InterfaceTranslations::InterfaceTranslations(InterfaceLanguage language)
{
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == InterfaceLanguage::English) {
        // Built into the program: missing only when the build went wrong.
        if (install(own_, QStringLiteral("orvanta_en"), QStringLiteral(":/i18n"))) {
            install(qt_, QStringLiteral("qtbase_en"), qtFolder);
            return;
        }
        problem_ = QStringLiteral("The English translation (orvanta_en.qm) is missing: the texts stay in French.");
    }
    install(qt_, QStringLiteral("qtbase_fr"), qtFolder);
}

InterfaceTranslations::~InterfaceTranslations()
{
    for (auto *translator : {own_.get(), qt_.get()})
        if (translator)
            QCoreApplication::removeTranslator(translator);
}

} // namespace orvanta
