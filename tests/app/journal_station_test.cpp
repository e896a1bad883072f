#include "logbook/cli/log_commands.h"
#include "platform/qt_serial_line.h"
#include "station_harness.h"
#include "support/pty.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace orvanta {
namespace {

// The FT-847's two SAT VFOs as the CAT frames set them (packed BCD, tens of Hz).
struct Ft847Vfos {
    qint64 receive = 0, transmit = 0;
    void read(const QByteArray &bytes)
    {
        for (qsizetype at = 0; at + 5 <= bytes.size(); at += 5) {
            qint64 tens = 0;
            for (int i = 0; i < 4; ++i)
                tens = tens * 100 + (quint8(bytes[at + i]) >> 4) * 10 + (quint8(bytes[at + i]) & 0x0F);
            if (bytes[at + 4] == 0x11)
                receive = tens * 10;
            else if (bytes[at + 4] == 0x21)
                transmit = tens * 10;
        }
    }
};

// An ADI reader of its own, for the check: every "<name:length...>" and the
// bytes it announces; records end at <eor>.
std::vector<std::map<QString, QString>> readAdiRecords(const QByteArray &file)
{
    std::vector<std::map<QString, QString>> records(1);
    const QRegularExpression tag(QStringLiteral("<([A-Za-z_]+)(?::(\\d+)[^>]*)?>"));
    const QString text = QString::fromLatin1(file);
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const QString name = m.captured(1).toUpper();
        if (name == QLatin1String("EOH"))
            records.back().clear();
        else if (name == QLatin1String("EOR"))
            records.emplace_back();
        else if (m.hasCaptured(2))
            records.back()[name] = text.mid(m.capturedEnd(), m.captured(2).toInt());
    }
    records.pop_back();
    return records;
}

// Done when: during a rehearsed FO-29 pass, a contact logged with Return
// carries FO-29, V/U, both frequencies as the radio had them and the
// station's locator, and the exported file says the same to another reader.
TEST(JournalStation, AContactLoggedDuringAnFo29PassCarriesThePassAndReadsBackFromAdif)
{
    QTemporaryDir data;
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    test::PtyPair pty;
    test::StationHarness h;
    for (const char *file : {"Transpondeurs.cfg", "SatNoms.cfg"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANTA_SOURCE_DIR "/demo/") + file, h.folder.filePath(file)));
    h.setup("Recepteur", "FT847");
    h.setup("Latitude Observateur", "48.85");
    h.setup("Longitude Observateur", "2.35");
    h.setup("Altitude Observateur", "35");
    h.bank(1, {"JAS-2 (FO-29)"});
    QtSerialLine line(pty.slavePath(), QStringLiteral("19200,n,8,1"), h.messages);
    h.at("2026-06-27T07:06:40Z");
    h.station = std::make_unique<Station>(StationPlatform{h.store, h.messages, h.clock, h.waiter, line, h.rotorLine,
                                                          h.port, h.sound, h.help, h.folder.path()});
    h.station->start();
    h.settle();
    h.click("Prog_RX_2");
    h.tick();
    auto *choice = h.window().findChild<QComboBox *>("Transpondeur_Choix");
    choice->setCurrentIndex(choice->findText("Mode JA", Qt::MatchStartsWith));
    h.window().findChild<QCheckBox *>("Transpondeur_Radio")->click();

    h.tickAt("2026-06-27T07:12:03Z");
    QMetaObject::invokeMethod(h.window().findChild<QTimer *>("Transpondeur_Correction"), "timeout");
    Ft847Vfos radio;
    radio.read(pty.readAll(100));
    ASSERT_GT(radio.receive, 0);

    h.window().findChild<QAction *>("Mnu_Journal_Contacts")->trigger();
    auto *call = h.window().findChild<QLineEdit *>("Journal_Indicatif");
    ASSERT_TRUE(call && call->isVisible());
    QTest::keyClicks(call, "F4ABC");
    QTest::keyClick(call, Qt::Key_Return);

    const QString log = data.filePath("orvanta/journal.sqlite");
    const QString adi = data.filePath("lotw.adi");
    std::ostringstream out, err;
    ASSERT_EQ(runLogCommand({"export", "--adif", adi.toStdString(), "--database", log.toStdString()}, out, err), 0)
        << err.str();
    QFile file(adi);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto records = readAdiRecords(file.readAll());
    ASSERT_EQ(records.size(), 1u);
    auto field = [&](const char *name) { return records[0].count(name) ? records[0].at(name) : QString(); };
    EXPECT_EQ(field("CALL"), "F4ABC");
    EXPECT_EQ(field("QSO_DATE") + field("TIME_ON"), "20260627071203");
    EXPECT_EQ(field("SAT_NAME"), "FO-29");
    EXPECT_EQ(field("SAT_MODE"), "V/U");
    EXPECT_EQ(field("PROP_MODE"), "SAT");
    EXPECT_EQ(field("BAND") + " " + field("BAND_RX"), "2m 70cm");
    EXPECT_NEAR(field("FREQ").toDouble() * 1e6, double(radio.transmit), 10.0);
    EXPECT_NEAR(field("FREQ_RX").toDouble() * 1e6, double(radio.receive), 10.0);
    EXPECT_EQ(field("MODE") + "/" + field("SUBMODE"), "SSB/USB");
    EXPECT_EQ(field("MY_GRIDSQUARE"), "JN18eu");
    h.station.reset();
    qputenv("XDG_DATA_HOME", dataHome);
}

} // namespace
} // namespace orvanta
