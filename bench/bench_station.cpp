#include "bench_station.h"

#include "bench_application.h"
#include "synthetic_catalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace orvanta::bench {

QString MemoryStore::get(const QString &, const QString &section, const QString &key, const QString &fallback) const
{
    return values_.value(section.toLower() + '/' + key.toLower(), fallback);
}

void MemoryStore::save(const QString &, const QString &section, const QString &key, const QString &value)
{
    values_[section.toLower() + '/' + key.toLower()] = value;
}

void MemoryStore::remove(const QString &, const QString &section, const QString &key)
{
    values_.remove(section.toLower() + '/' + key.toLower());
}

void OpenLine::Output(const QByteArray &bytes)
{
    benchmark::DoNotOptimize(bytes.size());
}

void NoWait::Attente(double)
{
    QCoreApplication::processEvents();
}

BenchStation::BenchStation(int catalogueSize, int selected)
{
    ensureApplication();
    if (!QFile::copy(QString::fromStdString(syntheticCatalogue(catalogueSize)), folder.filePath("Catalogue.txt")))
        throw std::runtime_error("cannot copy the synthetic catalogue");
    QFile frequencies(folder.filePath("Frequences.cfg"));
    frequencies.open(QIODevice::WriteOnly);
    store.save("Orvanta", "Banque1", "Nombre de Satellites", QString::number(selected));
    for (int i = 0; i < selected; ++i) {
        const QString name = QString::fromStdString(syntheticName(i));
        frequencies.write((name + "\r\n145.8\r\nMode B\r\n").toLatin1());
        store.save("Orvanta", "Banque1", QStringLiteral("Satellite %1").arg(i + 1), name);
    }
    store.save("Orvanta", "Setup", "Interface Rotor", "GS232");
}

void BenchStation::start()
{
    station = std::make_unique<Station>(
        StationPlatform{store, messages, clock, waiter, receiverLine, rotorLine, port, sound, help, folder.path()});
    station->start();
    station->window().timer1().stop();
    station->window().timer2().stop();
}

void BenchStation::tick()
{
    QMetaObject::invokeMethod(&station->window().timer1(), "timeout");
}

} // namespace orvanta::bench
