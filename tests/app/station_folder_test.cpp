#include "data/station_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

// An installed program (<root>/bin beside <root>/share/orvanta/demo), an empty
// current folder and a home of its own.
class StationFolderTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString bin = root.filePath("install/bin");
    QString demo = root.filePath("install/share/orvanta/demo");
    QString current = root.filePath("work");
    QString home = root.filePath("home");
    QProcessEnvironment env;

    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        writeFile(bin + "/orvanta", "program");
        writeFile(demo + "/Amateur.txt", "ISS (ZARYA)\n1 ...\n2 ...\n");
        writeFile(demo + "/Frequences.cfg", "ISS (ZARYA)\n145.800\nMode B\n");
        QFile::setPermissions(demo + "/Frequences.cfg", QFileDevice::ReadOwner | QFileDevice::ReadOther);
        QDir().mkpath(current);
        env.insert("HOME", home);
    }

    StationFolderChoice choose(const QString &given = QString())
    {
        return chooseStationFolder(given, current, bin, env);
    }
};

TEST_F(StationFolderTest, TheInstalledDemoAndTheUserFolderAreFoundFromTheirVariables)
{
    EXPECT_EQ(installedDemoFolder("/usr/bin"), "/usr/share/orvanta/demo");
    EXPECT_EQ(installedDemoFolder("/opt/orvanta/bin/"), "/opt/orvanta/share/orvanta/demo");

    EXPECT_EQ(userStationFolder(env), home + "/.local/share/Orvanta");
    env.insert("XDG_DATA_HOME", "relative/data"); // to be ignored
    EXPECT_EQ(userStationFolder(env), home + "/.local/share/Orvanta");
    env.insert("XDG_DATA_HOME", root.filePath("data"));
    EXPECT_EQ(userStationFolder(env), root.filePath("data") + "/Orvanta");
    EXPECT_EQ(userStationFolder(QProcessEnvironment()), QString());
}

TEST_F(StationFolderTest, AGivenFolderOrACurrentFolderWithElementsIsUsedAsItIs)
{
    writeFile(current + "/Keps.TXT", "");
    const StationFolderChoice inCurrent = choose();
    EXPECT_EQ(inCurrent.folder, current);
    EXPECT_TRUE(inCurrent.notice.isEmpty());
    EXPECT_TRUE(inCurrent.error.isEmpty());

    const StationFolderChoice given = choose(demo);
    EXPECT_EQ(given.folder, demo);
    EXPECT_TRUE(given.notice.isEmpty());

    const StationFolderChoice absent = choose(root.filePath("absent"));
    EXPECT_TRUE(absent.folder.isEmpty());
    EXPECT_TRUE(absent.error.contains(root.filePath("absent")));

    EXPECT_FALSE(QFileInfo::exists(home + "/.local/share/Orvanta")) << "nothing created when a folder is at hand";
}

TEST_F(StationFolderTest, FirstStartCopiesTheDemoOnceAndSaysSoOnce)
{
    env.insert("XDG_DATA_HOME", root.filePath("data"));
    const QString user = root.filePath("data/Orvanta");
    const QStringList binBefore = QDir(bin).entryList(QDir::AllEntries | QDir::Hidden);

    const StationFolderChoice first = choose();
    ASSERT_TRUE(first.error.isEmpty()) << first.error.toStdString();
    EXPECT_EQ(first.folder, user);
    EXPECT_TRUE(first.notice.contains(user));
    EXPECT_EQ(QDir(user).entryList(QDir::Files), (QStringList{"Amateur.txt", "Frequences.cfg"}));
    EXPECT_EQ(readFile(user + "/Frequences.cfg"), "ISS (ZARYA)\n145.800\nMode B\n");
    EXPECT_TRUE(QFileInfo(user + "/Frequences.cfg").isWritable()) << "a read-only installed file becomes the user's own";
    EXPECT_EQ(QDir(root.filePath("data")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Orvanta"})
        << "no staging folder left behind";

    // The user's own changes survive the next starts, which say nothing.
    writeFile(user + "/Frequences.cfg", "mine");
    writeFile(demo + "/New.txt", "");
    const StationFolderChoice second = choose();
    EXPECT_EQ(second.folder, user);
    EXPECT_TRUE(second.notice.isEmpty());
    EXPECT_EQ(readFile(user + "/Frequences.cfg"), "mine");
    EXPECT_FALSE(QFileInfo::exists(user + "/New.txt"));

    EXPECT_EQ(QDir(bin).entryList(QDir::AllEntries | QDir::Hidden), binBefore);
}

TEST_F(StationFolderTest, WithoutADemoOrAPlaceToPutItNothingIsCreatedAndTheErrorSaysWhy)
{
    const QString user = home + "/.local/share/Orvanta";

    const StationFolderChoice notInstalled = chooseStationFolder(QString(), current, root.filePath("build"), env);
    EXPECT_TRUE(notInstalled.folder.isEmpty());
    EXPECT_TRUE(notInstalled.error.contains("--station")) << notInstalled.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(user));

    writeFile(root.filePath("blocker"), "a file where a folder should be");
    env.insert("XDG_DATA_HOME", root.filePath("blocker/data"));
    const StationFolderChoice unwritable = choose();
    EXPECT_TRUE(unwritable.folder.isEmpty());
    EXPECT_TRUE(unwritable.error.contains(root.filePath("blocker"))) << unwritable.error.toStdString();

    env.insert("XDG_DATA_HOME", root.filePath("data"));
    writeFile(root.filePath("data/Orvanta"), "a file named like the station folder");
    const StationFolderChoice notAFolder = choose();
    EXPECT_TRUE(notAFolder.folder.isEmpty());
    EXPECT_TRUE(notAFolder.error.contains(root.filePath("data/Orvanta")));
    EXPECT_EQ(readFile(root.filePath("data/Orvanta")), "a file named like the station folder");

    const StationFolderChoice homeless = chooseStationFolder(QString(), current, bin, QProcessEnvironment());
    EXPECT_TRUE(homeless.folder.isEmpty());
    EXPECT_FALSE(homeless.error.isEmpty());
}

} // namespace
} // namespace orvanta
