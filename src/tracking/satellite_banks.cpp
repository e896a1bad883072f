#include "tracking/satellite_banks.h"

#include "config/config_station.h"
#include "platform/settings_store.h"
#include "platform/text_numbers.h"

#include <QSet>

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

// A bank never holds more names than this; a stored size beyond it (a
// hand-edited file) would otherwise keep start-up busy for hours.
constexpr int kMostSatellitesInBank = 5000;

int bankCount(double stored)
{
    if (!std::isfinite(stored) || stored < 1)
        return 0;
    return int(std::min<double>(std::floor(stored), kMostSatellitesInBank));
}

bool byName(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

} // namespace

SatelliteBanks::SatelliteBanks(SettingsStore &store, ConfigStation &config) : store_(store), config_(config) {}

QString SatelliteBanks::section(int bank)
{
    return QStringLiteral("Banque%1").arg(bank);
}

QString SatelliteBanks::satelliteKey(int index)
{
    return QStringLiteral("Satellite %1").arg(index);
}

void SatelliteBanks::insertSorted(QStringList &list, const QString &name)
{
    list.insert(std::upper_bound(list.begin(), list.end(), name, byName), name);
}

float &SatelliteBanks::bankSize(int bank)
{
    switch (bank) {
    case 2:
        return config_.Nb_Sat_Banque2;
    case 3:
        return config_.Nb_Sat_Banque3;
    default:
        return config_.Nb_Sat_Banque1;
    }
}

void SatelliteBanks::notify()
{
    keptFrom_.clear();
    if (changed)
        changed();
}

void SatelliteBanks::Charge_ListeSat(const QStringList &names)
{
    for (const QString &name : names)
        insertSorted(listeSat_, QString(name).remove(QLatin1Char('"')));
    notify();
}

void SatelliteBanks::Charge_Banque(int bank)
{
    satSelect_.clear();
    const int count = bankCount(bankSize(bank));
    for (int i = 1; i <= count; ++i) {
        const QString name = store_.get(kApplication, section(bank), satelliteKey(i));
        insertSorted(satSelect_, name);
        listeSat_.removeOne(name);
    }
    notify();
}

void SatelliteBanks::Bank_Click(int bank, const QStringList &names)
{
    listeSat_.clear();
    Charge_ListeSat(names);
    Charge_Banque(bank);
}

void SatelliteBanks::Enregistrer_Click(int bank)
{
    const QString name = section(bank);
    SettingsBatch batch(store_);
    const QString old = store_.get(kApplication, name, QStringLiteral("Nombre de satellites"));
    if (!old.isEmpty()) {
        const int stored = bankCount(leadingNumber(old));
        for (int i = 1; i <= stored; ++i)
            store_.remove(kApplication, name, satelliteKey(i));
    }
    for (int i = 0; i < satSelect_.size(); ++i)
        store_.save(kApplication, name, satelliteKey(i + 1), satSelect_[i]);
    store_.save(kApplication, name, QStringLiteral("Nombre de Satellites"), QString::number(satSelect_.size()));
    bankSize(bank) = float(satSelect_.size());
}

void SatelliteBanks::keepSelection(const QStringList &names)
{
    // New elements usually bring the same names: ListeSat is then what it was.
    if (!keptFrom_.isEmpty() && names == keptFrom_) {
        notify();
        keptFrom_ = names;
        return;
    }
    // One stable sort, in the order insertions would give: inserting each
    // name of a catalogue of thousands would cost the square of its size.
    const QSet<QString> selected(satSelect_.cbegin(), satSelect_.cend());
    listeSat_.clear();
    for (const QString &name : names)
        if (!selected.contains(name))
            listeSat_ << name;
    std::stable_sort(listeSat_.begin(), listeSat_.end(), byName);
    notify();
    keptFrom_ = names;
}

QString SatelliteBanks::selectFromList(int row)
{
    if (row < 0 || row >= listeSat_.size())
        return {};
    const QString name = listeSat_.takeAt(row);
    insertSorted(satSelect_, name);
    notify();
    return name;
}

void SatelliteBanks::unselect(int row)
{
    if (row < 0 || row >= satSelect_.size())
        return;
    insertSorted(listeSat_, satSelect_.takeAt(row));
    notify();
}

} // namespace orvanta
