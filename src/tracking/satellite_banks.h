#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace orvanta {

struct ConfigStation;
class SettingsStore;

// The two satellite lists of the main window and the three banks kept in the
// settings store. ListeSat holds every known satellite not selected,
// Sat_Select the selection the tick follows; both keep alphabetical order
// without regard to case.
class SatelliteBanks {
public:
    SatelliteBanks(SettingsStore &store, ConfigStation &config);

    const QStringList &ListeSat() const { return listeSat_; }
    const QStringList &Sat_Select() const { return satSelect_; }

    // Every name the orbital component holds goes into ListeSat.
    void Charge_ListeSat(const QStringList &names);
    // Replaces the selection with bank 1, 2 or 3 as stored; a stored name is
    // taken out of ListeSat (once) when it is there.
    void Charge_Banque(int bank);
    // Lists rebuilt from the component's names, then the bank loaded.
    void Bank_Click(int bank, const QStringList &names);
    // The selection saved as bank 1, 2 or 3, the bank's old entries removed.
    void Enregistrer_Click(int bank);

    // ListeSat rebuilt from new names, the selection kept as it is.
    void keepSelection(const QStringList &names);

    // A double click on ListeSat: the satellite moves to the selection.
    // Returns its name (empty for a row that does not exist).
    QString selectFromList(int row);
    // A double click on Sat_Select: the satellite goes back to ListeSat.
    void unselect(int row);

    // Called after every change of the lists.
    std::function<void()> changed;

    static QString section(int bank);
    static QString satelliteKey(int index);

private:
    static void insertSorted(QStringList &list, const QString &name);
    float &bankSize(int bank);
    void notify();

    SettingsStore &store_;
    ConfigStation &config_;
    QStringList listeSat_;
    QStringList satSelect_;
    QStringList keptFrom_; // the names ListeSat was last rebuilt from, until the lists change
};

} // namespace orvanta
