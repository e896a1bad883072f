#include "logbook/journal.h"
#include "logbook/journal_work.h"
#include "support/fakes.h"
#include "support/file_modes.h"
#include "support/file_size_limit.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// The station as the log reads it: an FO-29 pass in progress.
struct FakeStation final : LogStation {
    StationFacts now{QDateTime(QDate(2026, 6, 27), QTime(7, 12, 3, 450), Qt::UTC),
                     24278,
                     "JAS-2 (FO-29)",
                     "V/U",
                     145'951'230,
                     435'848'770,
                     "USB",
                     "JN18eu"};
    mutable int readings = 0;
    StationFacts facts() const override
    {
        ++readings;
        return now;
    }
};

// A station folder naming FO-29 for LoTW.
QString stationFolder(const QTemporaryDir &dir)
{
    QFile names(dir.filePath("SatNoms.cfg"));
    names.open(QIODevice::WriteOnly);
    names.write("# LoTW\n24278;FO-29\n");
    return dir.path();
}

struct JournalHarness {
    QTemporaryDir dir;
    FakeStation station;
    test::MemorySettingsStore settings;
    test::RecordingMessageBoxes messages;
    QMainWindow main;
    // Built before "Aide": its menu goes last.
    JournalWork work{{main, nullptr, settings, messages, station, stationFolder(dir), dir.filePath("journal.sqlite")}};

    JournalHarness()
    {
        main.menuBar()->addMenu("&Aide")->setObjectName("Mnu_Aide");
        settings.save("Orvanta", "Journal", "Indicatif Station", "F6XYZ");
    }
    Journal &journal() { return work.journal(); }
    QWidget *window() { return main.findChild<QWidget *>("Journal"); }
    QLineEdit *box(const char *name) { return window()->findChild<QLineEdit *>(name); }
    QString label(const char *name) { return window()->findChild<QLabel *>(name)->text(); }
    void open()
    {
        main.findChild<QAction *>("Mnu_Journal_Contacts")->trigger();
        ASSERT_TRUE(window() && window()->isVisible());
    }
    // Ctrl+J as the operator presses it: the main window shown and active,
    // the focus in one of its text boxes (which takes most keys first).
    void openByKeyboard()
    {
        auto *filter = new QLineEdit(&main);
        main.setCentralWidget(filter);
        main.show();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        filter->setFocus();
        QTest::keyClick(filter, Qt::Key_J, Qt::ControlModifier);
        ASSERT_TRUE(window() && window()->isVisible()) << "Ctrl+J opens the Journal";
        // It comes forward with the focus on the callsign, once the window system says so.
        EXPECT_TRUE(QTest::qWaitFor([this] { return box("Journal_Indicatif")->hasFocus(); }, 5000));
    }
    void type(const char *name, const QString &text) { QTest::keyClicks(box(name), text); }
    void press(const char *name, Qt::Key key) { QTest::keyClick(box(name), key); }
};

// Callsign, Return: the contact carries what the station had at the
// instant of Return, the row is empty again and the focus on the callsign.
TEST(JournalWindow, ReturnLogsWhatTheStationHasAtThatInstant)
{
    JournalHarness h;
    h.openByKeyboard();
    EXPECT_EQ(h.box("Journal_Satellite")->text(), "FO-29");
    EXPECT_EQ(h.box("Journal_RST_Envoye")->text(), "59");
    h.type("Journal_Indicatif", "f4abc");
    h.type("Journal_Locator", "JN03qp");
    h.station.now.instant = h.station.now.instant.addSecs(20);
    h.station.now.downlinkHz = 435'848'500;
    h.press("Journal_Locator", Qt::Key_Return);

    const std::vector<Contact> logged = h.journal().store().contacts();
    ASSERT_EQ(logged.size(), 1u) << h.label("Journal_Etat").toStdString();
    const Contact &c = logged.front();
    EXPECT_EQ(c.call, "F4ABC");
    EXPECT_EQ(c.instant, QDateTime(QDate(2026, 6, 27), QTime(7, 12, 23), Qt::UTC));
    EXPECT_EQ(c.catalogNumber, 24278);
    EXPECT_EQ(c.satName, "FO-29");
    EXPECT_EQ(c.satMode, "V/U");
    EXPECT_EQ(c.uplinkHz, 145'951'230);
    EXPECT_EQ(c.downlinkHz, 435'848'500);
    EXPECT_EQ(c.band, "2m");
    EXPECT_EQ(c.bandRx, "70cm");
    EXPECT_EQ(c.mode + "/" + c.submode, "SSB/USB");
    EXPECT_EQ(c.rstSent + c.rstRcvd, "5959");
    EXPECT_EQ(c.grid, "JN03qp");
    EXPECT_EQ(c.myGrid, "JN18eu");
    EXPECT_EQ(c.stationCallsign, "F6XYZ");
    EXPECT_TRUE(h.box("Journal_Indicatif")->text().isEmpty());
    EXPECT_TRUE(h.box("Journal_Locator")->text().isEmpty());
    EXPECT_TRUE(h.box("Journal_Indicatif")->hasFocus() || !QApplication::focusWidget());

    // Typing the same call again: already worked, and the grid no longer new.
    h.type("Journal_Indicatif", "F4ABC");
    EXPECT_TRUE(h.label("Journal_Deja_Contacte").contains("Déjà contacté 1 fois")) << h.label("Journal_Deja_Contacte").toStdString();
    h.type("Journal_Locator", "JN03");
    EXPECT_FALSE(h.label("Journal_Deja_Contacte").contains("nouveau carré"));
    h.press("Journal_Indicatif", Qt::Key_Escape);
    EXPECT_TRUE(h.box("Journal_Indicatif")->text().isEmpty());
    EXPECT_EQ(h.window()->findChild<QTableView *>("Journal_Liste")->model()->rowCount(), 1);
}

// A filled-in box the operator corrects keeps the correction at Return.
TEST(JournalWindow, CorrectionsOfFilledInBoxesAreKept)
{
    JournalHarness h;
    h.open();
    h.box("Journal_Mode")->selectAll();
    h.type("Journal_Mode", "CW");
    EXPECT_EQ(h.box("Journal_RST_Envoye")->text(), "599") << "the reports follow the mode";
    h.box("Journal_Descente")->selectAll();
    h.type("Journal_Descente", "435.86");
    h.type("Journal_Indicatif", "G0ABC");
    h.press("Journal_Indicatif", Qt::Key_Return);
    const Contact c = h.journal().store().contacts().front();
    EXPECT_EQ(c.mode, "CW");
    EXPECT_EQ(c.rstSent, "599");
    EXPECT_EQ(c.downlinkHz, 435'860'000);
    EXPECT_EQ(c.uplinkHz, 145'951'230);
}

// Bad input stays in the row with the reason; nothing is logged.
TEST(JournalWindow, BadInputIsRefusedWithTheReason)
{
    const struct {
        const char *box;
        const char *text;
        const char *reason;
    } cases[] = {
        {"Journal_Indicatif", "F4 ABC", "espace"},
        {"Journal_Indicatif", "F4AB#", "interdit"},
        {"Journal_Locator", "JN1", "locator"},
        {"Journal_Locator", "ZZ99zz", "locator"},
        {"Journal_RST_Recu", "69", "report"},
        {"Journal_Instant", "2026-06-28 07:12:03", "futur"},
        {"Journal_Instant", "hier", "date"},
        {"Journal_Montee", "145,95", "MHz"},
    };
    for (const auto &bad : cases) {
        SCOPED_TRACE(bad.text);
        JournalHarness h;
        h.open();
        if (QString(bad.box) != "Journal_Indicatif")
            h.type("Journal_Indicatif", "F4ABC");
        h.box(bad.box)->selectAll();
        h.type(bad.box, bad.text);
        h.press("Journal_Indicatif", Qt::Key_Return);
        EXPECT_EQ(h.journal().store().count(), 0);
        EXPECT_TRUE(h.label("Journal_Etat").contains(bad.reason)) << h.label("Journal_Etat").toStdString();
        EXPECT_EQ(h.box(bad.box)->text(), bad.text) << "the row is kept";
    }
}

// A full disk, or a log made read only: the contact stays in the row with the reason.
TEST(JournalWindow, ALogThatCannotBeWrittenKeepsTheContactInTheRow)
{
    JournalHarness h;
    h.open();
    h.type("Journal_Indicatif", "F4ABC");
    h.press("Journal_Indicatif", Qt::Key_Return);
    h.type("Journal_Indicatif", "G0XYZ");
    h.type("Journal_Commentaire", "QRP 5 W");
    {
        test::FileSizeLimit full;
        h.press("Journal_Indicatif", Qt::Key_Return);
    }
    EXPECT_EQ(h.journal().store().count(), 1);
    EXPECT_EQ(h.box("Journal_Indicatif")->text(), "G0XYZ");
    EXPECT_EQ(h.box("Journal_Commentaire")->text(), "QRP 5 W");
    EXPECT_TRUE(h.label("Journal_Etat").contains("non enregistré")) << h.label("Journal_Etat").toStdString();
    h.press("Journal_Indicatif", Qt::Key_Return);
    EXPECT_EQ(h.journal().store().count(), 2) << "logged once the disk has room again";

    // A log file protected against writing before the window opens.
    JournalHarness protectedLog;
    const QString path = protectedLog.dir.filePath("journal.sqlite");
    {
        Contact earlier;
        earlier.call = "F4ABC";
        earlier.satName = "FO-29";
        earlier.instant = QDateTime(QDate(2026, 6, 20), QTime(7, 0), Qt::UTC);
        ASSERT_TRUE(LogStore(path).add(earlier));
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    test::FileModesHonoured asAnyUser;
    if (!asAnyUser.honoured())
        GTEST_SKIP() << "root whose capabilities cannot be lowered writes through file modes";
    protectedLog.open();
    protectedLog.type("Journal_Indicatif", "G0XYZ");
    protectedLog.press("Journal_Indicatif", Qt::Key_Return);
    EXPECT_EQ(protectedLog.journal().store().count(), 1);
    EXPECT_EQ(protectedLog.box("Journal_Indicatif")->text(), "G0XYZ");
    EXPECT_TRUE(protectedLog.label("Journal_Etat").contains("lecture seule"))
        << protectedLog.label("Journal_Etat").toStdString();
}

// A satellite without a LoTW name asks for it in the row; the answer is kept.
TEST(JournalWindow, AnUnknownLotwNameIsAskedOnceAndKept)
{
    JournalHarness h;
    h.station.now.catalogNumber = 43017;
    h.station.now.satelliteName = "FOX-1B";
    h.open();
    EXPECT_TRUE(h.label("Journal_Avis").contains("43017"));
    h.type("Journal_Indicatif", "F4ABC");
    h.press("Journal_Indicatif", Qt::Key_Return);
    EXPECT_EQ(h.journal().store().count(), 0) << "no SAT_NAME, no LoTW confirmation";
    h.type("Journal_Satellite", "ao-91");
    h.press("Journal_Indicatif", Qt::Key_Return);
    ASSERT_EQ(h.journal().store().count(), 1) << h.label("Journal_Etat").toStdString();
    EXPECT_EQ(SatelliteNames(h.dir.path()).nameOf(43017), "AO-91");
    EXPECT_TRUE(h.label("Journal_Avis").isEmpty());
    EXPECT_EQ(h.box("Journal_Satellite")->text(), "AO-91");
}

// Delete asks first; No keeps the contact. Edit replaces it.
TEST(JournalWindow, DeleteAsksFirstAndEditReplaces)
{
    JournalHarness h;
    h.open();
    h.type("Journal_Indicatif", "F4ABC");
    h.press("Journal_Indicatif", Qt::Key_Return);
    auto *list = h.window()->findChild<QTableView *>("Journal_Liste");
    list->selectRow(0);
    h.messages.answers = {false};
    h.window()->findChild<QPushButton *>("Journal_Supprimer")->click();
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_TRUE(h.messages.shown.front().isQuestion);
    EXPECT_EQ(h.journal().store().count(), 1);

    list->selectRow(0);
    h.window()->findChild<QPushButton *>("Journal_Modifier")->click();
    EXPECT_EQ(h.box("Journal_Indicatif")->text(), "F4ABC");
    h.box("Journal_Indicatif")->selectAll();
    h.type("Journal_Indicatif", "F4ABD");
    h.press("Journal_Indicatif", Qt::Key_Return);
    ASSERT_EQ(h.journal().store().count(), 1);
    EXPECT_EQ(h.journal().store().contacts().front().call, "F4ABD");
    EXPECT_EQ(h.journal().store().contacts().front().instant.time(), QTime(7, 12, 3));

    list->selectRow(0);
    h.window()->findChild<QPushButton *>("Journal_Supprimer")->click();
    EXPECT_EQ(h.journal().store().count(), 0);
}

} // namespace
} // namespace orvanta
