#include "app/engine_language.h"
#include "app/station_options.h"
#include "orbit/element_files.h"
#include "orbit/engine_text.h"
#include "platform/interface_language.h"
#include "station_harness.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>

namespace orvanta
{
namespace
{

// The French texts that the English translation replaces (those written the
// same in both languages, such as "Satellite", cannot tell them apart).
std::set<QString> replacedFrenchTexts()
{
    QFile file(QStringLiteral(ORVANTA_SOURCE_DIR "/translations/orvanta_en.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::set<QString> texts;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == QLatin1String("translation")
                 && xml.readElementText(QXmlStreamReader::IncludeChildElements) != source)
            texts.insert(source);
    }
    return texts;
}

// Every text a person reads in the shown windows: captions, titles, tips,
// the hints of empty boxes and the menus' entries.
QStringList shownTexts()
{
    QStringList texts;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        QList<QWidget *> widgets = top->findChildren<QWidget *>();
        widgets << top;
        for (QWidget *widget : widgets) {
            // The windows a window owns count only once they are shown; its
            // menus count always.
            if (!widget->window()->isVisible() && !qobject_cast<QMenu *>(widget))
                continue;
            texts << widget->windowTitle() << widget->toolTip();
            if (auto *label = qobject_cast<QLabel *>(widget))
                texts << label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                texts << button->text();
            else if (auto *box = qobject_cast<QGroupBox *>(widget))
                texts << box->title();
            else if (auto *line = qobject_cast<QLineEdit *>(widget))
                texts << line->placeholderText();
            else if (auto *menu = qobject_cast<QMenu *>(widget))
                texts << menu->title();
            else if (auto *choice = qobject_cast<QComboBox *>(widget))
                for (int i = 0; i < choice->count(); ++i)
                    texts << choice->itemText(i);
            else if (auto *tabs = qobject_cast<QTabWidget *>(widget))
                for (int i = 0; i < tabs->count(); ++i)
                    texts << tabs->tabText(i);
            else if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model())
                for (int column = 0; column < view->model()->columnCount(); ++column)
                    texts << view->model()->headerData(column, Qt::Horizontal).toString();
        }
        for (const QAction *action : top->findChildren<QAction *>()) {
            // Each language is named in its own: "Français" stays.
            if (action->objectName().startsWith(QLatin1String("Mnu_Langue_")))
                continue;
            const auto *owner = qobject_cast<const QWidget *>(action->parent());
            if (!owner || qobject_cast<const QMenu *>(owner) || owner->window()->isVisible())
                texts << action->text() << action->toolTip();
        }
    }
    return texts;
}

// A text that only French writes: its accented letters or its little words.
// Satellite names, numbers and units have neither.
bool looksFrench(const QString &text)
{
    static const QRegularExpression french(
        QStringLiteral("[éèêàâçùûôîœÉÈÀÇ]|\\b(de|du|des|le|la|les|et|est|une|pas|aucun|sur|avec|sans)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return french.match(text).hasMatch();
}

// Started in English, the main window, its menus, the windows they open
// (the schedule, the transponder panel, the rotator pointing, the horizon,
// the log and the remote station among them) and the details of a pass show
// no French text: neither one that has its English translation nor one set
// without going through the translation.
TEST(EnglishInterface, TheWindowsShowNoFrenchTextThatHasItsTranslation)
{
    const std::set<QString> french = replacedFrenchTexts();
    ASSERT_GT(french.size(), 100u);
    const InterfaceTranslations english(InterfaceLanguage::English);
    ASSERT_TRUE(english.problem().isEmpty()) << qPrintable(english.problem());

    test::StationHarness h;
    h.bank(1, {"ISS (ZARYA)", "OSCAR 7 (AO-7)"});
    h.at("2026-06-27T01:30:00Z");
    h.start();
    for (const char *entry : {"Mnu_Observateur", "Mnu_Parametres", "Mnu_Alarmes", "Mnu_Carte", "Mnu_Frequence_Sat",
                              "Mnu_Planning", "Mnu_Transpondeurs_Panneau", "Mnu_Pointage_Rotor", "Mnu_Journal_Contacts",
                              "Mnu_Distance", "Mnu_Peripheriques", "Mnu_Element_Mise_A_Jour", "Mnu_Calibration"})
        if (auto *action = h.window().findChild<QAction *>(QLatin1String(entry)))
            action->trigger();
    for (const char *button : {"Bouton_Horizon", "RX"})
        if (auto *shown = h.window().findChild<QPushButton *>(QLatin1String(button)))
            shown->click();
    h.tick();
    auto *coming = h.window().findChild<QListWidget *>(QStringLiteral("Detail_Pass"));
    ASSERT_TRUE(coming && coming->count() > 0);
    emit coming->itemDoubleClicked(coming->item(0));
    h.settle();
    auto *details = h.window().findChild<QWidget *>(QStringLiteral("Details_Passage"));
    ASSERT_TRUE(details && details->isVisible());
    for (const char *window : {"Observateur", "Alarmes", "Planning_Passages", "Transpondeur", "Pointage_Rotor",
                               "Horizon", "Journal", "AR5000", "Station_Distance"}) {
        auto *shown = h.window().findChild<QWidget *>(QLatin1String(window));
        EXPECT_TRUE(shown && shown->isVisible()) << window;
    }

    QStringList left;
    for (const QString &text : shownTexts())
        if (french.count(text) || looksFrench(text))
            left << text;
    left.removeDuplicates();
    EXPECT_TRUE(left.isEmpty()) << qPrintable(left.join(QLatin1String(" | ")));
    EXPECT_EQ(h.window().findChild<QMenu *>(QStringLiteral("Mnu_Aide"))->title(), "&Help");
    EXPECT_TRUE(h.text("Titre").startsWith("Satellite tracking with")) << qPrintable(h.text("Titre"));
}

// The orbit engine, written without Qt, and the options of orvanta speak the
// language in force once the program has put in its translators, and French
// again without them.
TEST(EnglishInterface, TheOrbitEngineAndTheOptionsSpeakTheLanguageInForce)
{
    const auto reasons = [] {
        orbit::ElementCatalogue catalogue;
        orbit::readElementText("ISS\n1 25544U 98067A   26178.50000000  .00016717  00000-0  10270-3 0  9005\n",
                               "test.txt", catalogue);
        QString error;
        parseStationOptions({QStringLiteral("orvanta"), QStringLiteral("--bogus")}, &error);
        std::string all;
        for (const auto &problem : catalogue.problems)
            all += orbit::problemPlace(problem) + ": " + problem.reason + " | ";
        return all + error.toStdString();
    };
    translateEngineTexts();
    {
        const InterfaceTranslations english(InterfaceLanguage::English);
        EXPECT_EQ(reasons(), "line 2: line 1 without line 2 | unknown option: --bogus");
    }
    EXPECT_EQ(reasons(), "ligne 2: ligne 1 sans ligne 2 | option inconnue : --bogus");
    orbit::setTextTranslator({});
}

} // namespace
} // namespace orvanta
