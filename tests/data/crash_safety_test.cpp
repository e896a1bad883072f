// Frequences.cfg and the settings file are saved by replacing them whole, so
// a process killed at any moment leaves each one as it was before the save or
// as it is after it. A helper saves both in a loop and is killed with SIGKILL
// at random moments, many times.
#include "helpers/save_versions.h"
#include "platform/ini_settings_store.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <random>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace orvanta {
namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bytes of each version as the program writes them.
struct Versions {
    QByteArray frequencies[2];
    QByteArray settings[2];
};

Versions referenceVersions(const QString &folder)
{
    Versions versions;
    test::RecordingMessageBoxes messages;
    IniSettingsStore store(folder + "/reference.ini", messages);
    for (int version : {0, 1}) {
        EXPECT_TRUE(writeFrequencyFile(folder, test::frequencyVersion(version), nullptr));
        versions.frequencies[version] = readAll(folder + '/' + frequencyFileName);
        test::saveSettingsVersion(store, version);
        versions.settings[version] = readAll(store.path());
    }
    EXPECT_TRUE(messages.shown.empty());
    return versions;
}

// Starts the save loop and waits until both files have been saved once.
pid_t startSaveLoop(const QString &folder, const QString &settingsPath)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const QByteArray program = ORVANTA_SAVE_LOOP;
    const QByteArray folderArg = QFile::encodeName(folder);
    const QByteArray settingsArg = QFile::encodeName(settingsPath);
    char *argv[] = {const_cast<char *>(program.constData()), const_cast<char *>(folderArg.constData()),
                    const_cast<char *>(settingsArg.constData()), nullptr};
    pid_t child = -1;
    if (posix_spawn(&child, program.constData(), &actions, nullptr, argv, environ) != 0)
        child = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    pollfd ready{out[0], POLLIN, 0};
    char byte = 0;
    if (child > 0 && (poll(&ready, 1, 30000) != 1 || read(out[0], &byte, 1) != 1)) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        child = -1;
    }
    close(out[0]);
    return child;
}

TEST(CrashSafetyTest, SavesKilledAtRandomMomentsLeaveWholeFiles)
{
    QTemporaryDir referenceDir;
    QTemporaryDir stationDir;
    const Versions versions = referenceVersions(referenceDir.path());
    ASSERT_NE(versions.frequencies[0], versions.frequencies[1]);
    ASSERT_NE(versions.settings[0], versions.settings[1]);

    const QString folder = stationDir.path();
    const QString frequencyPath = folder + '/' + frequencyFileName;
    const QString settingsPath = folder + "/Orvanta.ini";
    ASSERT_TRUE(QFile::copy(referenceDir.path() + '/' + frequencyFileName, frequencyPath));
    {
        test::RecordingMessageBoxes messages;
        IniSettingsStore store(settingsPath, messages);
        test::saveSettingsVersion(store, 0);
    }
    ASSERT_EQ(readAll(settingsPath), versions.settings[0]);

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // Kills land from at once to a few rounds into the loop (a round, both
    // files flushed to disk, takes a few milliseconds).
    std::uniform_int_distribution<int> delayMicroseconds(0, 25000);
    int kills = 0;
    int found[2][2] = {}; // [file][version]
    const auto start = std::chrono::steady_clock::now();
    while (kills < 200 && std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
        const pid_t child = startSaveLoop(folder, settingsPath);
        ASSERT_GT(child, 0) << "the save loop did not start";
        usleep(delayMicroseconds(random));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the save loop ended by itself (status " << status << ")";
        ++kills;

        const QByteArray frequencies = readAll(frequencyPath);
        const QByteArray settings = readAll(settingsPath);
        const int frequencyVersion = frequencies == versions.frequencies[0] ? 0
                                     : frequencies == versions.frequencies[1] ? 1 : -1;
        const int settingsVersion = settings == versions.settings[0] ? 0 : settings == versions.settings[1] ? 1 : -1;
        ASSERT_NE(frequencyVersion, -1) << "kill " << kills << " (seed " << seed << "): Frequences.cfg is "
                                        << frequencies.size() << " bytes, neither version";
        ASSERT_NE(settingsVersion, -1) << "kill " << kills << " (seed " << seed << "): the settings file is "
                                       << settings.size() << " bytes, neither version";
        ++found[0][frequencyVersion];
        ++found[1][settingsVersion];
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::cout << kills << " kills in " << elapsed.count() << " ms (seed " << seed << "); Frequences.cfg found "
              << found[0][0] << " times in version A, " << found[0][1] << " in version B; the settings file "
              << found[1][0] << " and " << found[1][1] << "\n";
    EXPECT_GE(kills, 50);
    // Both versions were seen, so the kills did land inside the loop.
    EXPECT_GT(found[0][0] * found[0][1], 0);
    EXPECT_GT(found[1][0] * found[1][1], 0);
    // A kill between the naming of the temporary file and its rename leaves
    // that temporary beside the real file ("Frequences.cfg.AbC123"): rare,
    // never read (no .txt, no known name), and it never replaces a file.
    const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    const QRegularExpression temporary(QStringLiteral(R"(^(Frequences\.cfg|Orvanta\.ini)\.\w{6}$)"));
    int temporaries = 0;
    for (const QString &name : left) {
        if (name == frequencyFileName || name == "Orvanta.ini")
            continue;
        EXPECT_TRUE(temporary.match(name).hasMatch()) << name.toStdString();
        ++temporaries;
    }
    std::cout << temporaries << " temporary files left by kills\n";
}

} // namespace
} // namespace orvanta
