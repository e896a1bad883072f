#pragma once

// The assembled station on recorded devices, a fake clock and a scratch
// station folder holding the demo's element sets.

#include "app/station.h"
#include "platform/help_viewer.h"
#include "support/fakes.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace orvanta::test {

class RecordingHelpViewer final : public HelpViewer {
public:
    QStringList shown;
    void show(const QString &htmlFile) override { shown << htmlFile; }
};

struct StationHarness {
    MemorySettingsStore store;
    RecordingMessageBoxes messages;
    FakeClock clock;
    Trace trace;
    RecordingWaiter waiter{&trace};
    RecordingSerialLine receiverLine{&trace};
    RecordingSerialLine rotorLine{&trace};
    RecordingParallelPort port{&trace};
    RecordingSoundPlayer sound;
    RecordingHelpViewer help;
    QTemporaryDir folder;
    std::unique_ptr<Station> station;
    std::optional<RemoteListen> remote; // the remote station's server, when set before start()

    StationHarness()
    {
        QFile::copy(QStringLiteral(ORVANTA_SOURCE_DIR "/tests/orbit/data/amateur-2026-06.txt"),
                    folder.filePath("Amateur.txt"));
        writeFile("Elements.cfg", "Amateur.txt\r\n");
        writeFile("Frequences.cfg", "ISS (ZARYA)\r\n145.8\r\nMode B\r\nOSCAR 7 (AO-7)\r\n145.9775\r\nMode C\r\n");
    }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(folder.filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }

    void setup(const QString &key, const QString &value) { store.save("Orvanta", "Setup", key, value); }

    void bank(int number, const QStringList &names)
    {
        const QString section = QStringLiteral("Banque%1").arg(number);
        store.save("Orvanta", section, "Nombre de Satellites", QString::number(names.size()));
        for (int i = 0; i < names.size(); ++i)
            store.save("Orvanta", section, QStringLiteral("Satellite %1").arg(i + 1), names[i]);
    }

    void at(const QString &isoUtc) { clock.now = QDateTime::fromString(isoUtc, Qt::ISODate).toUTC(); }

    Station &start()
    {
        station = std::make_unique<Station>(StationPlatform{store, messages, clock, waiter, receiverLine, rotorLine,
                                                            port, sound, help, folder.path(), nullptr, nullptr,
                                                            remote});
        station->start();
        settle();
        return *station;
    }

    MainWindow &window() { return station->window(); }

    // Lets the messages a tick leaves for afterwards appear.
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    void tick()
    {
        QMetaObject::invokeMethod(&window().timer1(), "timeout");
        settle();
    }

    void tickAt(const QString &isoUtc)
    {
        at(isoUtc);
        tick();
    }

    void click(const QString &button)
    {
        auto *found = window().findChild<QAbstractButton *>(button);
        if (found)
            found->click();
    }

    // The text of a box or a label of the main window.
    QString text(const QString &control) const
    {
        if (const auto *edit = station->window().findChild<QLineEdit *>(control))
            return edit->text();
        if (const auto *shown = station->window().findChild<QLabel *>(control))
            return shown->text();
        return {};
    }

    QStringList lines(const QString &list) const
    {
        QStringList out;
        if (auto *widget = station->window().findChild<QListWidget *>(list))
            for (int i = 0; i < widget->count(); ++i)
                out << widget->item(i)->text();
        return out;
    }
};

} // namespace orvanta::test
