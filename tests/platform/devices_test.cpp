#include "platform/interface_language.h"
#include "platform/linux_parallel_port.h"
#include "platform/qt_message_boxes.h"
#include "platform/qt_serial_line.h"
#include "platform/qt_sound_player.h"
#include "support/fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// /dev/port takes the I/O address as the file offset; a plain file stands in
// for it so the test sees each byte where the port would get it.
TEST(ParallelPort, WritesTheLowByteAtTheAddress)
{
    QTemporaryDir dir;
    const QString fakePort = dir.filePath("port");
    QFile file(fakePort);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1024, '\0'));
    file.close();

    test::RecordingMessageBoxes messages;
    {
        LinuxParallelPort port(messages, fakePort);
        port.Out32(890, 0x10B); // only the low byte reaches the port
        port.Out32(888, 100);
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(static_cast<unsigned char>(bytes[890]), 0x0B);
    EXPECT_EQ(static_cast<unsigned char>(bytes[888]), 100);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(ParallelPort, AnUnreachablePortIsReportedOnce)
{
    test::RecordingMessageBoxes messages;
    LinuxParallelPort port(messages, "/nonexistent/port");
    port.Out32(890, 10);
    port.Out32(888, 100);
    port.Out32(890, 11);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("/nonexistent/port"));
}

TEST(SerialLine, ALineThatCannotOpenSaysWhichAndWhyAndDropsWrites)
{
    test::RecordingMessageBoxes messages;
    QtSerialLine line("/dev/ttyNONEXISTENT", "9600,n,8,1", messages);
    line.setPortOpen(true);
    EXPECT_FALSE(line.PortOpen());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("/dev/ttyNONEXISTENT"));
    line.Output("VA\r\n"); // dropped, no crash
    EXPECT_FALSE(line.setSettings("9600,x,8,1"));
    EXPECT_FALSE(line.setSettings("fast"));
    EXPECT_EQ(line.Settings(), "9600,n,8,1");
}

TEST(Sound, AMissingFileReturnsAtOnce)
{
    QtSoundPlayer player;
    QElapsedTimer elapsed;
    elapsed.start();
    player.playAndWait("/nonexistent/Nouveau_Sat.wav");
    EXPECT_LT(elapsed.elapsed(), 1000);
}

TEST(MessageBoxes, QuestionAnswersWhatTheOperatorClicked)
{
    QtMessageBoxes boxes;
    QString seenText;
    QTimer::singleShot(50, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seenText = box->text();
        EXPECT_EQ(box->windowTitle(), "Parkage");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(boxes.question("Voulez vous parquer les antennes?", "Parkage"));
    EXPECT_EQ(seenText, "Voulez vous parquer les antennes?");
}

TEST(MessageBoxes, StandardButtonsReadFrenchWithQtsTranslations)
{
    const InterfaceTranslations translations(InterfaceLanguage::French);
    ASSERT_TRUE(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm"))
        << "qtbase_fr.qm missing: install qt6-translations-l10n";
    QtMessageBoxes boxes;
    QStringList buttons;
    QTimer::singleShot(50, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        buttons << box->button(QMessageBox::Yes)->text().remove('&') << box->button(QMessageBox::No)->text().remove('&');
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(boxes.question("Voulez vous parquer les antennes?", "Parkage"));
    EXPECT_EQ(buttons, (QStringList{"Oui", "Non"}));
}

// Both devices failing at start-up: the second box opens inside the first.
TEST(MessageBoxes, ABoxOpenedOverAnotherStepsAsideFromIt)
{
    QWidget window;
    window.resize(800, 600);
    window.show();
    QtMessageBoxes qtBoxes(&window);
    MessageBoxes &boxes = qtBoxes;
    QRect first, second;
    QTimer::singleShot(50, [&] {
        first = QApplication::activeModalWidget()->frameGeometry();
        QTimer::singleShot(50, [&] {
            second = QApplication::activeModalWidget()->frameGeometry();
            qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->accept();
        });
        boxes.information("Le rotor ne repond pas");
        qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->accept();
    });
    boxes.information("La radio ne repond pas");
    ASSERT_FALSE(first.isNull());
    // The first one's title and the start of its text stay in sight.
    EXPECT_GE(second.left() - first.left(), 20);
    EXPECT_GE(second.top() - first.top(), 20);
}

} // namespace
} // namespace orvanta
