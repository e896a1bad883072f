#include "receiver/hamlib_rig.h"
#include "receiver/hamlib_setup_window.h"
#include "support/hamlib_daemon.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

namespace orvanta {
namespace {

std::vector<HamlibModel> someModels()
{
    return {{2, QStringLiteral("Hamlib"), QStringLiteral("NET rigctl"), HamlibModel::Port::Network},
            {1, QStringLiteral("Hamlib"), QStringLiteral("Dummy"), HamlibModel::Port::None},
            {3081, QStringLiteral("Icom"), QStringLiteral("IC-9700"), HamlibModel::Port::Serial},
            {1020, QStringLiteral("Yaesu"), QStringLiteral("FT-817"), HamlibModel::Port::Serial}};
}

HamlibReading unused(const HamlibDevice &)
{
    return {};
}

TEST(HamlibSetup, FilterKeepsModelsHoldingEveryWordWhateverTheCase)
{
    HamlibSetup setup(HamlibKind::Receiver, someModels(), unused, {});
    setup.setFilter(QStringLiteral("icom 97"));
    ASSERT_EQ(setup.shown().size(), 1u);
    EXPECT_EQ(setup.shown()[0].id, 3081);
    setup.setFilter(QStringLiteral("hamlib"));
    EXPECT_EQ(setup.shown().size(), 2u);
    setup.setFilter(QString());
    EXPECT_EQ(setup.shown().size(), 4u);
}

TEST(HamlibSetup, EachKindOfPortAsksForWhatItNeeds)
{
    HamlibSetup setup(HamlibKind::Rotor, someModels(), unused, {});
    EXPECT_EQ(setup.problem(), QStringLiteral("Choisissez un modele dans la liste."));

    setup.choose(1020);
    EXPECT_TRUE(setup.takesSpeed());
    EXPECT_FALSE(setup.problem().isEmpty()) << "a serial model needs its device";
    setup.setPort(QStringLiteral(" /dev/ttyUSB0 "));
    setup.setSpeed(9600);
    EXPECT_TRUE(setup.problem().isEmpty());
    EXPECT_EQ(setup.device(), (HamlibDevice{1020, QStringLiteral("/dev/ttyUSB0"), 9600}));

    // A network model starts from the daemon's usual address; no speed.
    setup.choose(2);
    EXPECT_EQ(setup.port(), QStringLiteral("localhost:4533"));
    EXPECT_EQ(setup.device(), (HamlibDevice{2, QStringLiteral("localhost:4533"), 0}));
    for (const char *bad : {"shack", "shack:", "shack:0", "shack:70000", "/dev/ttyUSB0"}) {
        setup.setPort(QString::fromLatin1(bad));
        EXPECT_FALSE(setup.problem().isEmpty()) << bad;
    }
    setup.setPort(QStringLiteral("shack.local:4533"));
    EXPECT_TRUE(setup.problem().isEmpty());

    setup.choose(1);
    EXPECT_FALSE(setup.takesPort());
    EXPECT_EQ(setup.device(), (HamlibDevice{1, QString(), 0}));
}

TEST(HamlibSetupWindow, FindsTheNetworkModelAndReadsTheDaemonBackWithoutHoldingTheWindow)
{
    test::HamlibDaemon daemon(QStringLiteral("rigctld"), {QStringLiteral("-m"), QStringLiteral("1")});
    ASSERT_TRUE(daemon.start());
    HamlibTiming timing;
    timing.timeoutMs = 300;
    timing.retry = 0;
    HamlibSetup setup(HamlibKind::Receiver, hamlibRigModels(),
                      [timing](const HamlibDevice &device) { return readHamlibRig(device, timing); }, {});
    HamlibSetupWindow window(setup);
    auto *models = window.findChild<QListWidget *>(QStringLiteral("Modeles"));
    auto *port = window.findChild<QLineEdit *>(QStringLiteral("Peripherique"));
    auto *result = window.findChild<QLabel *>(QStringLiteral("Resultat"));
    ASSERT_TRUE(models && port && result);

    window.findChild<QLineEdit *>(QStringLiteral("Filtre"))->setText(QStringLiteral("net rigctl"));
    ASSERT_EQ(models->count(), 1);
    models->setCurrentRow(0);
    EXPECT_EQ(port->text(), QStringLiteral("localhost:4532"));
    EXPECT_FALSE(window.findChild<QComboBox *>(QStringLiteral("Vitesse"))->isEnabled());
    port->setText(daemon.address());

    window.findChild<QPushButton *>(QStringLiteral("Tester"))->click();
    EXPECT_EQ(result->text(), QStringLiteral("Essai en cours..."));
    EXPECT_TRUE(QTest::qWaitFor([&] { return result->text().startsWith(QStringLiteral("Reponse")); }, 3000));
    EXPECT_EQ(result->text(), QStringLiteral("Reponse : 145.000000 MHz"));

    window.accept();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(setup.device(), (HamlibDevice{2, daemon.address(), 0}));
}

TEST(HamlibSetupWindow, ClosingDuringATestDoesNotWaitForTheDevice)
{
    auto release = std::make_shared<std::atomic<bool>>(false);
    QElapsedTimer clock;
    {
        HamlibSetup setup(HamlibKind::Rotor, someModels(),
                          [release](const HamlibDevice &) {
                              while (!*release)
                                  std::this_thread::sleep_for(std::chrono::milliseconds(5));
                              return HamlibReading{true, QStringLiteral("late")};
                          },
                          {2, QStringLiteral("localhost:4533"), 0});
        setup.startTest();
        EXPECT_TRUE(setup.testing());
        clock.start();
    }
    EXPECT_LT(clock.elapsed(), 100);
    *release = true;
    QTest::qWait(50); // the late answer finds nobody to tell
}

TEST(HamlibSetupWindow, OkIsRefusedWhileTheDeviceIsMissing)
{
    HamlibSetup setup(HamlibKind::Receiver, someModels(), unused, {});
    HamlibSetupWindow window(setup);
    window.findChild<QListWidget *>(QStringLiteral("Modeles"))->setCurrentRow(3); // Yaesu FT-817
    window.accept();
    EXPECT_NE(window.result(), QDialog::Accepted);
    EXPECT_TRUE(window.findChild<QLabel *>(QStringLiteral("Resultat"))->text().contains(QStringLiteral("/dev/ttyUSB0")));
}

} // namespace
} // namespace orvanta
