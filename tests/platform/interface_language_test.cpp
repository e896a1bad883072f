#include "platform/interface_language.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>

namespace orvanta {
namespace {

QProcessEnvironment desktop(std::initializer_list<std::pair<const char *, const char *>> variables)
{
    QProcessEnvironment environment;
    for (const auto &[name, value] : variables)
        environment.insert(QLatin1String(name), QLatin1String(value));
    return environment;
}

TEST(InterfaceLanguage, SettingThenDesktopDecideAndAnUnknownNameKeepsFrench)
{
    const auto english = desktop({{"LANG", "en_GB.UTF-8"}});
    EXPECT_EQ(chooseInterfaceLanguage("fr", english).language, InterfaceLanguage::French);
    EXPECT_EQ(chooseInterfaceLanguage(" EN ", desktop({})).language, InterfaceLanguage::English);

    const LanguageChoice unknown = chooseInterfaceLanguage("klingon", english);
    EXPECT_EQ(unknown.language, InterfaceLanguage::French);
    EXPECT_TRUE(unknown.problem.contains("klingon"));

    EXPECT_EQ(chooseInterfaceLanguage("", english).language, InterfaceLanguage::English);
    EXPECT_EQ(chooseInterfaceLanguage("", desktop({{"LANG", "de_DE.UTF-8"}})).language, InterfaceLanguage::English);
    EXPECT_EQ(chooseInterfaceLanguage("", desktop({{"LANG", "fr_CA.UTF-8"}})).language, InterfaceLanguage::French);
    // A locale that names no language (scripts, services) keeps the first one.
    EXPECT_EQ(chooseInterfaceLanguage("", desktop({{"LANG", "C.UTF-8"}})).language, InterfaceLanguage::French);
    EXPECT_EQ(chooseInterfaceLanguage("", desktop({})).language, InterfaceLanguage::French);
    // The C library's order: LC_ALL, then LC_MESSAGES, then LANG.
    EXPECT_EQ(chooseInterfaceLanguage("", desktop({{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}})).language,
              InterfaceLanguage::English);
    EXPECT_EQ(chooseInterfaceLanguage("", desktop({{"LC_ALL", "fr_FR.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}})).language,
              InterfaceLanguage::French);
}

TEST(InterfaceLanguage, EnglishIsInForceWhileItsTranslationsLive)
{
    const char *source = "Langue inconnue \"%1\" : l'interface reste en français.";
    {
        const InterfaceTranslations english(InterfaceLanguage::English);
        EXPECT_TRUE(english.problem().isEmpty()) << qPrintable(english.problem());
        EXPECT_NE(QCoreApplication::translate("Language", source), QString::fromUtf8(source));
    }
    EXPECT_EQ(QCoreApplication::translate("Language", source), QString::fromUtf8(source));
}

// Reads the messages of a translation file: each source text with its
// translation, and whether it is still to be done.
struct Message {
    QString context, source, translation;
    bool finished = true;
};

// An element's text; lupdate writes a carriage return as <byte value="xd"/>.
QString elementText(QXmlStreamReader &xml)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.hasError();) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::Characters)
            text += xml.text();
        else if (token == QXmlStreamReader::EndElement)
            --depth;
        else if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (xml.name() == QLatin1String("byte"))
                text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16));
        }
    }
    return text;
}

std::vector<Message> readTranslations(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.push_back({context, {}, {}, true});
        else if (xml.name() == QLatin1String("source") && !messages.empty())
            messages.back().source = elementText(xml);
        else if (xml.name() == QLatin1String("translation") && !messages.empty()) {
            messages.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.back().translation = elementText(xml);
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    return messages;
}

std::multiset<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%[0-9]+"));
    std::multiset<QString> found;
    for (const auto &match : marker.globalMatch(text))
        found.insert(match.captured());
    return found;
}

// Every text of the sources has its English translation, with the same
// placeholders: the file kept in the repository is read again from the
// sources as the build would, and nothing may be new or left unfinished.
TEST(InterfaceLanguage, EveryTextOfTheSourcesHasItsEnglishTranslation)
{
    QTemporaryDir work;
    const QString kept = QStringLiteral(ORVANTA_SOURCE_DIR "/translations/orvanta_en.ts");
    const QString fresh = work.filePath("orvanta_en.ts");
    ASSERT_TRUE(QFile::copy(kept, fresh));
    QProcess lupdate;
    lupdate.start(QStringLiteral(ORVANTA_LUPDATE),
                  {QStringLiteral("-extensions"), QStringLiteral("cpp,h"), QStringLiteral("-tr-function-alias"),
                   QStringLiteral("translate+=cliText,translate+=orbitText,QT_TRANSLATE_NOOP+=orbitTextLater"),
                   QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-silent"), QStringLiteral(ORVANTA_SOURCE_DIR "/src"), QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().constData();

    const auto messages = readTranslations(fresh);
    EXPECT_EQ(messages.size(), readTranslations(kept).size()) << "run: cmake --build build --target update_translations";
    for (const Message &message : messages) {
        const QString where = message.context + QStringLiteral(": ") + message.source;
        EXPECT_TRUE(message.finished && !message.translation.isEmpty()) << "untranslated: " << qPrintable(where);
        EXPECT_EQ(placeholders(message.source), placeholders(message.translation)) << qPrintable(where);
    }
}

// A French text written in the sources with its accents, but handed to no
// translation call (tr, QCoreApplication::translate, cliText, orbitText and
// their markers), would reach an English operator in French. Continuation
// lines of a text begun on the line above belong to that call.
TEST(InterfaceLanguage, NoAccentedTextOfTheSourcesBypassesTheTranslation)
{
    static const QRegularExpression accent(QStringLiteral("[éèêàâçùûôîœÉÈÀÇ]"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    static const QRegularExpression call(QStringLiteral(
        R"re(\b(tr|translate|cliText|orbitText|orbitTextLater|QT_TRANSLATE_NOOP|QT_TR_NOOP)\s*\(\s*("[^"]*"\s*,\s*)?$)re"));
    // Said in both languages on purpose, and a language named in its own.
    const QStringList meant = {QStringLiteral("La langue choisie sera celle du prochain démarrage d'Orvanta.\\n"),
                               QStringLiteral("Français")};
    QStringList bypassing;
    QDirIterator files(QStringLiteral(ORVANTA_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        int number = 0;
        for (const QByteArray &bytes : file.readAll().split('\n')) {
            ++number;
            const QString line = QString::fromUtf8(bytes);
            const QString start = line.trimmed();
            if (start.startsWith(QLatin1String("//")) || start.startsWith(QLatin1Char('"')))
                continue;
            for (const auto &text : literal.globalMatch(line)) {
                const QString before = line.left(text.capturedStart());
                if (!accent.match(text.captured(1)).hasMatch() || meant.contains(text.captured(1))
                    || (before.count(QLatin1Char('"')) % 2 == 0 && before.contains(QLatin1String("//")))
                    || call.match(before).hasMatch())
                    continue;
                bypassing << QStringLiteral("%1:%2: %3").arg(file.fileName().section('/', -2), QString::number(number),
                                                              text.captured(1));
            }
        }
    }
    EXPECT_TRUE(bypassing.isEmpty()) << qPrintable(bypassing.join('\n'));
}

} // namespace
} // namespace orvanta
