#include "platform/qt_serial_line.h"
#include "receiver/ar5000_panel.h"
#include "receiver/ft847_receiver.h"
#include "receiver/pty_marking_waiter.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace orvanta {
namespace {

QByteArrayList bytes(std::initializer_list<int> values)
{
    QByteArrayList out;
    for (int v : values)
        out << QByteArray(1, static_cast<char>(v));
    return out;
}

const QByteArrayList kCatOn = bytes({0x00, 0x00, 0x00, 0x00, 0x00});

class Ft847Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        line.setPortOpen(true);
        ASSERT_TRUE(line.PortOpen()) << messages.texts().join('\n').toStdString();
        ASSERT_EQ(pty.baud(), 19200);
    }

    // Each byte is written on its own and followed by a pause (0.1 s, and
    // after the first `slow` bytes the satellite frames' shorter one), at
    // 4800 baud, 8 data bits, no parity, 2 stop bits.
    void expectSent(const QByteArrayList &expected, qsizetype slow = -1)
    {
        EXPECT_EQ(waiter.beforeEachWait, expected);
        std::vector<double> gaps(expected.size(), Ft847Receiver::kSatelliteByteGap);
        std::fill_n(gaps.begin(), slow < 0 ? expected.size() : slow, Ft847Receiver::kByteGap);
        EXPECT_EQ(waiter.waits, gaps);
        EXPECT_EQ(pty.readAll(50), QByteArray()) << "nothing after the last pause";
        EXPECT_EQ(line.Settings(), "4800,n,8,2");
        EXPECT_EQ(pty.baud(), 4800);
        EXPECT_EQ(pty.stopBits(), 2);
        EXPECT_EQ(pty.dataBits(), 8);
        EXPECT_FALSE(pty.parityEnabled());
        waiter.clear();
    }

    test::PtyPair pty;
    test::RecordingMessageBoxes messages;
    QtSerialLine line{pty.slavePath(), QStringLiteral("19200,n,8,1"), messages};
    test::PtyMarkingWaiter waiter{pty};
    ReceiverLineQueue queue;
    Ft847Receiver ft847{line, waiter, messages, queue};
};

TEST_F(Ft847Test, FrequencyIsPackedBcdOfTensOfHertz)
{
    ft847.Frequence_FT847(145.8);
    expectSent(bytes({0x14, 0x58, 0x00, 0x00, 0x01}));
    ft847.Frequence_FT847(435.12345);
    expectSent(bytes({0x43, 0x51, 0x23, 0x45, 0x01}));
    ft847.Frequence_FT847(29.35);
    expectSent(bytes({0x02, 0x93, 0x50, 0x00, 0x01}));
    ft847.Frequence_FT847(145.825675); // halves away from zero at 10 Hz
    expectSent(bytes({0x14, 0x58, 0x25, 0x68, 0x01}));
    ft847.Frequence_FT847(999.99999);
    expectSent(bytes({0x99, 0x99, 0x99, 0x99, 0x01}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Ft847Test, ModesSetTheMainVfoAfterCatOn)
{
    const std::pair<const char *, int> modes[] = {
        {"Mode A", 0x04}, {"Mode B", 0x08}, {"Mode C", 0x01}, {"Mode D", 0x01}};
    for (const auto &[mode, modeByte] : modes) {
        ft847.Programme_FT847(receiverModeOf(QString::fromLatin1(mode)));
        expectSent(kCatOn + bytes({modeByte, 0x00, 0x00, 0x00, 0x07}));
    }
    for (const QString &other : {QStringLiteral("mode a"), QString(), QStringLiteral("Mode E")}) {
        ft847.Programme_FT847(receiverModeOf(other));
        expectSent(kCatOn);
    }
    ft847.Fin_Controle(); // CAT OFF hands the knobs back
    expectSent(bytes({0x00, 0x00, 0x00, 0x00, 0x80}));
}

TEST_F(Ft847Test, FrequenciesTheRadioCannotHoldSendNothing)
{
    const std::pair<double, const char *> refused[] = {
        {1296.5, "1296.5"}, {999.999996, "999.999996"}, {-145.8, "-145.8"}}; // 999.999996 rounds to 1000 MHz
    for (const auto &[frequency, text] : refused) {
        messages.shown.clear();
        ft847.Frequence_FT847(frequency);
        EXPECT_EQ(messages.texts(),
                  QStringList{QStringLiteral("Frequence FT847 non envoyee : la frequence %1 MHz est hors limites")
                                  .arg(text)});
        EXPECT_TRUE(waiter.waits.empty());
        EXPECT_EQ(pty.readAll(50), QByteArray());
        ft847.Frequence_FT847(145.8); // goes out: the next refusal is worth a message
        waiter.clear();
    }
}

// With Doppler correction on, a frequency out of the radio's range changes at
// every tick: the operator hears of each kind of refusal once, until a
// frequency goes out again.
TEST_F(Ft847Test, EachKindOfRefusalIsShownOnceWhateverTheValue)
{
    ft847.Frequence_FT847(1296.0012);
    ft847.Frequence_FT847(1296.0031);
    ft847.Frequence_FT847(-3);
    ft847.Frequence_FT847(std::nan(""));
    EXPECT_EQ(messages.texts(),
              QStringList{"Frequence FT847 non envoyee : la frequence 1296.0012 MHz est hors limites"});
    EXPECT_TRUE(waiter.waits.empty());
    EXPECT_EQ(line.Settings(), "19200,n,8,1") << "a refusal leaves the line as it was";

    ft847.Frequence_FT847(145.8);
    ft847.Frequence_FT847(1296.0052);
    EXPECT_EQ(messages.shown.size(), 2u) << "reported again once a frequency went out";
}

TEST_F(Ft847Test, ABlockAskedForDuringAPauseWaitsForTheCurrentOnes)
{
    waiter.duringWait = [this] { ft847.Frequence_FT847(145.8); };
    ft847.Programme_FT847(ReceiverMode::B);
    expectSent(kCatOn + bytes({0x08, 0x00, 0x00, 0x00, 0x07}) + bytes({0x14, 0x58, 0x00, 0x00, 0x01}));
}

// The AR5000 panel shares the line: a click during a frame waits for its end
// rather than putting text between two CAT bytes.
TEST_F(Ft847Test, APanelCommandWaitsForTheFrameToEnd)
{
    Ar5000Panel panel{line, queue, [] { return true; }};
    waiter.duringWait = [&] { panel.selectOption("Mode", 4); };
    ft847.Frequence_FT847(145.8);
    EXPECT_EQ(waiter.beforeEachWait, bytes({0x14, 0x58, 0x00, 0x00, 0x01}));
    EXPECT_EQ(pty.readAll(), QByteArray("MD3\r\nEX\r\n"));
}

// FO-29's inverting transponder: USB down, LSB up, both SAT VFOs set after
// satellite mode on; frequencies move alone; normal mode again with 8E.
// The frequencies are worked out as the frames go out, each for when it lands.
TEST_F(Ft847Test, SatelliteModeSetsBothVfosAndEnds)
{
    ft847.startSatellite("USB", "lsb", 435861770, 145946590);
    expectSent(kCatOn + bytes({0x00, 0x00, 0x00, 0x00, 0x4E}) + bytes({0x01, 0x00, 0x00, 0x00, 0x17}) +
                   bytes({0x00, 0x00, 0x00, 0x00, 0x27}) + bytes({0x8A, 0x00, 0x00, 0x00, 0x2A}) +
                   bytes({0x43, 0x58, 0x61, 0x77, 0x11}) + bytes({0x14, 0x59, 0x46, 0x59, 0x21}),
               5);
    std::vector<double> asked;
    const auto frequencies = [&asked](std::optional<qint64> receive, std::optional<qint64> transmit) {
        return [&asked, receive, transmit](ft847::SatelliteVfo vfo, double landsIn) {
            asked.push_back(landsIn);
            return vfo == ft847::SatelliteVfo::Receive ? receive : transmit;
        };
    };
    using Turn = Ft847Receiver::SatelliteTurn;
    ft847.satelliteFrequencies([] { return Turn{}; }, frequencies(435861760, std::nullopt));
    expectSent(bytes({0x43, 0x58, 0x61, 0x76, 0x11}), 0);
    ft847.satelliteFrequencies([] { return Turn{}; }, frequencies(435861750, 145946600));
    expectSent(bytes({0x43, 0x58, 0x61, 0x75, 0x11}) + bytes({0x14, 0x59, 0x46, 0x60, 0x21}), 0);
    EXPECT_EQ(asked, std::vector<double>(4, 4 * Ft847Receiver::kSatelliteByteGap));
    ft847.endSatellite();
    expectSent(bytes({0x00, 0x00, 0x00, 0x00, 0x8E}), 0);

    // The SAT RX read back before the frames: the radio's five bytes, or
    // nothing when it is silent and has been given 0.3 s after the read.
    std::vector<std::optional<qint64>> read;
    ft847.setSatelliteReader([&read](std::optional<qint64> hertz) { read.push_back(hertz); });
    for (const bool answers : {true, false}) {
        if (answers)
            waiter.duringWait = [this] { pty.write(QByteArray("\x43\x58\x61\x76\x01", 5)); };
        ft847.satelliteFrequencies([] { return Turn{true, false}; }, frequencies(std::nullopt, std::nullopt));
        EXPECT_EQ(waiter.beforeEachWait.join() + pty.readAll(50), QByteArray("\0\0\0\0\x13", 5));
        EXPECT_EQ(std::vector<double>(waiter.waits.begin(), waiter.waits.begin() + 4),
                  std::vector<double>(4, Ft847Receiver::kSatelliteByteGap));
        EXPECT_NEAR(std::accumulate(waiter.waits.begin() + 4, waiter.waits.end(), 0.0), answers ? 0 : 0.3, 0.02)
            << "no pause after the read's last byte but the wait for the answer";
        waiter.clear();
    }
    EXPECT_EQ(read, (std::vector<std::optional<qint64>>{435861760, std::nullopt}));

    // A data mode leaves the radio's mode as it is. An FM repeater's tone
    // turns the encoder on; a tone the radio lacks is said and not sent.
    ft847.startSatellite("BPSK", "FM", 435000000, 145000000, 67.0);
    expectSent(kCatOn + bytes({0x00, 0x00, 0x00, 0x00, 0x4E}) + bytes({0x08, 0x00, 0x00, 0x00, 0x27}) +
               bytes({0x4A, 0x00, 0x00, 0x00, 0x2A}) + bytes({0x3F, 0x00, 0x00, 0x00, 0x2B}) +
                   bytes({0x43, 0x50, 0x00, 0x00, 0x11}) + bytes({0x14, 0x50, 0x00, 0x00, 0x21}),
               5);
    EXPECT_TRUE(messages.shown.empty());
    ft847.startSatellite("CW", "CWR", 435000000, 145000000, 250.3);
    EXPECT_EQ(waiter.beforeEachWait.mid(10, 20), bytes({0x02, 0, 0, 0, 0x17, 0x03, 0, 0, 0, 0x27, 0x4A, 0, 0, 0, 0x2A,
                                                        0x00, 0, 0, 0, 0x2B}));
    waiter.clear();
    ft847.startSatellite("FM", "FM", 435000000, 145000000, 150.0);
    EXPECT_EQ(waiter.beforeEachWait.mid(20, 5), bytes({0x8A, 0, 0, 0, 0x2A}));
    EXPECT_EQ(messages.texts(), QStringList{"Tonalité CTCSS non envoyée : le FT847 n'a pas de tonalité de 150 Hz"});
    waiter.clear();

    // An L-band uplink, or a downlink out of the receiver's coverage: nothing
    // goes out, and only the link out of range is named.
    for (const auto &[receive, transmit, text] : {
             std::tuple{435000000LL, 1269000000LL, "Mode satellite non engagé : le FT847 ne peut pas émettre sur 1269.00000 MHz"},
             std::tuple{2401000000LL, 435000000LL, "Mode satellite non engagé : le FT847 ne peut pas recevoir sur 2401.00000 MHz"},
         }) {
        Ft847Receiver fresh(line, waiter, messages, queue); // each refusal is news to its own driver
        messages.shown.clear();
        EXPECT_FALSE(fresh.startSatellite("USB", "LSB", receive, transmit));
        EXPECT_TRUE(waiter.waits.empty());
        EXPECT_EQ(messages.texts(), QStringList{QString::fromUtf8(text)});
    }
}

} // namespace
} // namespace orvanta
