#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace orvanta {

// The operator's own table, hand-written or edited: it wins over an import.
inline const QString transponderFileName = QStringLiteral("Transpondeurs.cfg");
// The SatNOGS DB import, kept apart because its data carries its own licence.
inline const QString satnogsTransponderFileName = QStringLiteral("Transpondeurs_SatNOGS.cfg");

// No frequency of either link is above this, in Hz (300 GHz).
constexpr qint64 kHighestTransponderHz = 300'000'000'000;

// One transponder or transmitter of a satellite. Frequencies in Hz.
struct Transponder {
    long catalogNumber = 0;
    QString name;
    qint64 uplinkLow = 0;  // both 0: no uplink (a beacon, a downlink-only transmitter)
    qint64 uplinkHigh = 0;
    qint64 downlinkLow = 0; // equal to downlinkHigh for a single frequency
    qint64 downlinkHigh = 0;
    bool inverting = false;
    QString uplinkMode;
    QString downlinkMode;
    double ctcss = 0; // Hz, 0 when the uplink needs no tone
    bool alive = true;

    bool hasUplink() const { return uplinkHigh > 0; }
    bool operator==(const Transponder &) const = default;
};

// Why an entry whose edges each read well cannot be a transponder one works,
// or empty: a passband wider than any transponder's (a typing error such as
// a digit too many), a link in no band of the amateur-satellite service, or
// an uplink that would fall below zero somewhere in the passband.
QString transponderSenseProblem(const Transponder &transponder);

// The line of a transponder in the files: fields separated by ';' in the order
// catalogue;name;uplink low;uplink high;downlink low;downlink high;inverting;
// uplink mode;downlink mode;CTCSS;alive, with "oui"/"non" for the two flags
// and empty fields for no uplink and no tone.
QString transponderLine(const Transponder &transponder);

// Who an entry is: its satellite and its name, without regard to case. An
// entry of the operator's file replaces the import's entry of the same key.
QString transponderKey(const Transponder &transponder);

// One file read line by line; '#' lines and blank lines are skipped. A line
// that cannot be used is left out and said in problems (file and line
// number); the others still count.
struct TransponderFile {
    bool found = false;
    std::vector<Transponder> entries;
    QStringList problems;
};

TransponderFile readTransponderFile(const QString &folder, const QString &name);

// Both files of the station folder: every entry of Transpondeurs.cfg, then the
// imported ones whose satellite and name the operator's file does not hold.
struct TransponderTable {
    std::vector<Transponder> entries;
    QStringList problems;
    int imported = 0; // entries that come from the import

    std::vector<Transponder> forSatellite(long catalogNumber) const;
};

TransponderTable loadTransponders(const QString &folder);

} // namespace orvanta
