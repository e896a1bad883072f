#include "platform/ini_settings_store.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvanta {
namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class SettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    test::RecordingMessageBoxes messages;
    QString path() const { return dir.filePath("config/Orvanta/Orvanta.ini"); }
};

TEST_F(SettingsStoreTest, NamesCompareWithoutCaseAndSurviveARestart)
{
    {
        IniSettingsStore store(path(), messages);
        EXPECT_EQ(store.get("Orvanta", "Setup", "Longitude Observateur", "2"), "2");
        store.save("Orvanta", "Setup", "Longitude observateur", "48.85");
        store.save("Orvanta", "Banque1", "Satellite 1", "ISS (ZARYA)");
        store.save("Orvanta", "Banque1", "Nombre de Satellites", "1");
        EXPECT_EQ(store.get("Orvanta", "setup", "Longitude Observateur"), "48.85");
    }
    IniSettingsStore again(path(), messages);
    EXPECT_EQ(again.get("Orvanta", "Setup", "Longitude Observateur", "2"), "48.85");
    EXPECT_EQ(again.get("orvanta", "BANQUE1", "nombre de satellites"), "1");
    EXPECT_EQ(again.get("Orvanta", "Banque1", "Satellite 1"), "ISS (ZARYA)");
    EXPECT_TRUE(messages.shown.empty());

    // A person can read the file; the first spelling of a key stays.
    const QByteArray text = readFile(path());
    EXPECT_TRUE(text.contains("[Setup]\nLongitude observateur=48.85\n")) << text.toStdString();
}

TEST_F(SettingsStoreTest, DeleteRemovesOneEntry)
{
    IniSettingsStore store(path(), messages);
    store.save("Orvanta", "Banque2", "Satellite 1", "AO-7");
    store.save("Orvanta", "Banque2", "Satellite 2", "FO-29");
    store.remove("Orvanta", "banque2", "SATELLITE 1");
    IniSettingsStore again(path(), messages);
    EXPECT_EQ(again.get("Orvanta", "Banque2", "Satellite 1", "absent"), "absent");
    EXPECT_EQ(again.get("Orvanta", "Banque2", "Satellite 2"), "FO-29");
}

TEST_F(SettingsStoreTest, ValuesWithLineBreaksAndBackslashesRoundTrip)
{
    const QString odd = "a\\b\nc\rd=e [x]";
    {
        IniSettingsStore store(path(), messages);
        store.save("Orvanta", "Setup", "Odd", odd);
    }
    IniSettingsStore again(path(), messages);
    EXPECT_EQ(again.get("Orvanta", "Setup", "Odd"), odd);
}

TEST_F(SettingsStoreTest, ABatchIsOneWrite)
{
    IniSettingsStore store(path(), messages);
    {
        SettingsBatch batch(store);
        store.save("Orvanta", "Setup", "A", "1");
        EXPECT_FALSE(QFile::exists(path()));
        store.save("Orvanta", "Setup", "B", "2");
    }
    EXPECT_EQ(readFile(path()), QByteArray("[Setup]\nA=1\nB=2\n"));
}

TEST_F(SettingsStoreTest, ACorruptFileIsReportedAndKeptAside)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    const QByteArray corrupt("[Setup]\nLongitude observateur=3\nthis line means nothing\n");
    writeFile(path(), corrupt);

    IniSettingsStore store(path(), messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("illisible"));
    EXPECT_TRUE(messages.shown[0].text.contains(path()));
    EXPECT_EQ(store.get("Orvanta", "Setup", "Longitude Observateur", "2"), "2");
    EXPECT_EQ(readFile(path()), corrupt); // nothing written yet

    store.save("Orvanta", "Setup", "Longitude observateur", "5");
    EXPECT_EQ(readFile(path() + ".corrompu"), corrupt);
    EXPECT_EQ(readFile(path()), QByteArray("[Setup]\nLongitude observateur=5\n"));
}

// Runs check in a child process as a user who cannot read a mode-000 file:
// the tests may run as root, who reads it anyway, so there the child becomes
// nobody. Returns the child's exit status.
int asAUserWhoCannotReadIt(const std::function<int()> &check)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(90);
        _exit(check());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SettingsStoreTest, AnUnreadableFileIsSetAsideByRenamingAndTheSaveGoesThrough)
{
    const QString folder = QFileInfo(path()).absolutePath();
    QDir().mkpath(folder);
    const QByteArray old("[Setup]\nLongitude observateur=3\n");
    writeFile(path(), old);
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::WriteOther
                      | QFile::ExeOther;
    for (const QString &d : {dir.path(), dir.filePath("config"), folder})
        QFile::setPermissions(d, open);
    QFile::setPermissions(path(), {});

    const int status = asAUserWhoCannotReadIt([&] {
        IniSettingsStore store(path(), messages);
        store.save("Orvanta", "Setup", "Longitude observateur", "5");
        if (messages.shown.size() != 1 || !messages.shown[0].text.contains("illisible"))
            return 1; // the file was readable after all, or the save was refused
        IniSettingsStore again(path(), messages);
        return again.get("Orvanta", "Setup", "Longitude observateur") == "5" && messages.shown.size() == 1 ? 0 : 2;
    });
    EXPECT_EQ(status, 0);
    QFile::setPermissions(path() + ".corrompu", QFile::ReadOwner);
    EXPECT_EQ(readFile(path() + ".corrompu"), old);
}

TEST_F(SettingsStoreTest, OnlyOurOwnTemporariesOlderThanTheFileAreRemovedAtStartUp)
{
    const QDir folder(QFileInfo(path()).absolutePath());
    QDir().mkpath(folder.path());
    writeFile(path(), "[Setup]\nA=1\n");
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QStringList older{"Orvanta.ini.a1B2c3", "Orvanta.ini.zzzzzz", "Orvanta.ini.corrompu", "Orvanta.ini.abc12",
                            "Orvanta.ini.ab-def", "Autre.ini.q8W7e6", "Orvanta.ini.a1B2c3.bak"};
    for (const QString &name : older + QStringList{"Orvanta.ini.N3wer0"}) {
        writeFile(folder.filePath(name), "[Setup]\nA=0\n");
        QFile f(folder.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(older.contains(name) ? now.addSecs(-60) : now.addSecs(60), QFileDevice::FileModificationTime);
    }

    IniSettingsStore store(path(), messages);
    QStringList left = folder.entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left.join(' ').toStdString(), "Autre.ini.q8W7e6 Orvanta.ini Orvanta.ini.N3wer0 Orvanta.ini.a1B2c3.bak "
                                             "Orvanta.ini.ab-def Orvanta.ini.abc12 Orvanta.ini.corrompu");
    EXPECT_EQ(store.get("Orvanta", "Setup", "A"), "1");
}

TEST_F(SettingsStoreTest, TextThatIsNotUtf8IsCorrupt)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    writeFile(path(), QByteArray("[Setup]\nNom=\xff\xfe\n"));
    IniSettingsStore store(path(), messages);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(SettingsStoreTest, HandEditedBlanksAroundTheValueAreNotPartOfIt)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    writeFile(path(), "[Setup]\nRecepteur = FT847\nPeripherique Ligne Recepteur = /dev/ttyUSB0 \n"
                      "  Vitesse Transmission Com1\t=\t9600\t\r\nVide =  \n");
    {
        IniSettingsStore store(path(), messages);
        EXPECT_EQ(store.get("Orvanta", "Setup", "Recepteur"), "FT847");
        EXPECT_EQ(store.get("Orvanta", "Setup", "Peripherique Ligne Recepteur"), "/dev/ttyUSB0");
        EXPECT_EQ(store.get("Orvanta", "Setup", "Vitesse Transmission Com1"), "9600");
        EXPECT_EQ(store.get("Orvanta", "Setup", "Vide", "defaut"), "");
        EXPECT_TRUE(messages.shown.empty());

        // Values whose own ends are blanks, or that stand between quotes, still come back whole.
        store.save("Orvanta", "Banque1", "Satellite 1", " AO-7  ");
        store.save("Orvanta", "Banque1", "Satellite 2", "\"FO-29\"");
        store.save("Orvanta", "Banque1", "Satellite 3", "\"");
    }
    IniSettingsStore again(path(), messages);
    EXPECT_EQ(again.get("Orvanta", "Banque1", "Satellite 1"), " AO-7  ");
    EXPECT_EQ(again.get("Orvanta", "Banque1", "Satellite 2"), "\"FO-29\"");
    EXPECT_EQ(again.get("Orvanta", "Banque1", "Satellite 3"), "\"");
    EXPECT_EQ(again.get("Orvanta", "Setup", "Recepteur"), "FT847");
}

TEST_F(SettingsStoreTest, ABackslashThatIsNoEscapeIsKept)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    writeFile(path(), "[Setup]\nDossier=C:\\Stations\\Orvanta\\\nDeux=a\\\\b\nLigne=a\\nb\n"
                      "[Banque1]\nNombre de satellites=1\n");
    IniSettingsStore store(path(), messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(store.get("Orvanta", "Setup", "Dossier"), "C:\\Stations\\Orvanta\\");
    EXPECT_EQ(store.get("Orvanta", "Setup", "Deux"), "a\\b");
    EXPECT_EQ(store.get("Orvanta", "Setup", "Ligne"), "a\nb");
    EXPECT_EQ(store.get("Orvanta", "Banque1", "Nombre de satellites"), "1");
}

TEST_F(SettingsStoreTest, EachCorruptFileIsKeptUnderANameOfItsOwn)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    const QByteArray first("[Setup]\nfirst line that means nothing\n");
    const QByteArray second("[Setup]\nsecond line that means nothing\n");
    const QByteArray third("no section\n");
    writeFile(path() + ".corrompu", first);
    writeFile(path(), second);
    {
        IniSettingsStore store(path(), messages);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].text.contains(path() + ".corrompu.1")) << messages.shown[0].text.toStdString();
        store.save("Orvanta", "Setup", "A", "1");
    }
    EXPECT_EQ(readFile(path() + ".corrompu"), first);
    EXPECT_EQ(readFile(path() + ".corrompu.1"), second);

    writeFile(path(), third);
    IniSettingsStore store(path(), messages);
    store.save("Orvanta", "Setup", "A", "2");
    EXPECT_EQ(readFile(path() + ".corrompu"), first);
    EXPECT_EQ(readFile(path() + ".corrompu.1"), second);
    EXPECT_EQ(readFile(path() + ".corrompu.2"), third);
}

TEST_F(SettingsStoreTest, AFailedWriteIsReportedOnceAndKeepsTheOldFile)
{
    IniSettingsStore store(path(), messages);
    store.save("Orvanta", "Setup", "A", "1");
    const QByteArray before = readFile(path());
    ASSERT_EQ(before, QByteArray("[Setup]\nA=1\n"));
    {
        const test::FileSizeLimit limit;
        store.save("Orvanta", "Setup", "A", QString(1000, QChar('2')));
        store.save("Orvanta", "Setup", "A", QString(1000, QChar('3')));
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("n'a pas ete enregistree"));
    EXPECT_EQ(readFile(path()), before);
    EXPECT_EQ(QDir(QFileInfo(path()).absolutePath()).entryList(QDir::Files), QStringList{"Orvanta.ini"})
        << "no temporary file left behind";

    store.save("Orvanta", "Setup", "A", "4"); // the disk takes it again
    EXPECT_EQ(readFile(path()), QByteArray("[Setup]\nA=4\n"));
}

// Bytes the process has written to a file of the folder other than the
// settings file itself: the save's temporary file, which may have no name.
qint64 temporaryBytes(pid_t process, const QString &folder, const QString &settingsFile)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(process);
    for (const QString &fd : QDir(fds).entryList(QDir::Files | QDir::System)) {
        const QString target = QFile::symLinkTarget(fds + '/' + fd);
        if (target.startsWith(folder + '/') && target != settingsFile)
            return QFileInfo(fds + '/' + fd).size();
    }
    return 0;
}

// The save is killed once its temporary file holds part of the new text, so
// the kill lands in the middle of the write.
TEST_F(SettingsStoreTest, AKilledSaveLeavesThePreviousFileWhole)
{
    {
        IniSettingsStore store(path(), messages);
        store.save("Orvanta", "Setup", "Longitude observateur", "2");
    }
    const QString folder = QFileInfo(path()).absolutePath();
    const QString huge(40 * 1024 * 1024, QChar('x'));

    int killedDuringTheWrite = 0;
    for (int attempt = 0; attempt < 5 && killedDuringTheWrite < 2; ++attempt) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            test::RecordingMessageBoxes quiet;
            IniSettingsStore store(path(), quiet);
            store.save("Orvanta", "Setup", "Longitude observateur", huge);
            _exit(0);
        }
        int status = 0;
        bool finished = false;
        while (temporaryBytes(child, folder, QFileInfo(path()).absoluteFilePath()) == 0) {
            if (waitpid(child, &status, WNOHANG) == child) {
                finished = true;
                break;
            }
        }
        if (!finished) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
        }

        IniSettingsStore after(path(), messages);
        const QString value = after.get("Orvanta", "Setup", "Longitude observateur");
        EXPECT_TRUE(value == "2" || value == huge) << "a mixed file";
        EXPECT_TRUE(messages.shown.empty());
        if (!finished && value == "2")
            ++killedDuringTheWrite;
        if (value != "2") { // the save ended before the kill: put the old value back
            IniSettingsStore restore(path(), messages);
            restore.save("Orvanta", "Setup", "Longitude observateur", "2");
        }
    }
    EXPECT_GE(killedDuringTheWrite, 1) << "no kill landed while the new file was being written";
}

} // namespace
} // namespace orvanta
