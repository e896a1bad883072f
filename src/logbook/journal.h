#pragma once

#include "logbook/contact.h"
#include "logbook/log_station.h"
#include "logbook/log_store.h"
#include "logbook/satellite_names.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace orvanta {

class SettingsStore;

// The boxes of the entry row. The first ones are typed; the others are
// filled in from the station until the operator corrects them.
enum class EntryField {
    Call,
    Grid,
    Name,
    Comment,
    RstSent,
    RstRcvd,
    Instant,
    SatName,
    SatMode,
    Uplink,
    Downlink,
    Mode,
    MyGrid,
};
constexpr int kEntryFields = int(EntryField::MyGrid) + 1;

// Which contacts an export takes.
struct ExportChoice {
    enum class Kind { All, SinceLastExport, Dates } kind = Kind::All;
    QDate from, to; // for Dates, both included
};

// What the Journal window does, without a screen: the entry row, logging a
// contact at the instant Return is pressed, "already worked" while the call
// is typed, editing and deleting, the exports and imports.
class Journal {
public:
    struct Links {
        const LogStation &station;
        SettingsStore &settings;
        QString stationFolder; // SatNoms.cfg
        QString databasePath;
    };

    explicit Journal(Links links);
    ~Journal();

    // The store is opened on first use, so a station that never logs never
    // creates the file.
    LogStore &store();

    // The station read again: the filled-in boxes follow it until corrected.
    void refresh();
    QString text(EntryField field) const;
    bool corrected(EntryField field) const { return corrected_[std::size_t(field)]; }
    void edit(EntryField field, const QString &text);

    QString stationCallsign() const;
    QString operatorCall() const;
    void setStationCallsign(const QString &call);
    void setOperatorCall(const QString &call);

    // "Déjà contacté..." and the new grid for what is typed; empty when nothing to say.
    QString workedText() const;
    // What the row needs said before Return: an unknown LoTW name, an unusable log.
    QString notice() const;

    struct Outcome {
        bool done = false;
        QString message;
    };
    // Return: the contact as the row and the station have it now, stored,
    // then the row cleared; or the row kept and the reason.
    Outcome logNow();
    // Escape: typed boxes emptied, corrections dropped, an edit abandoned.
    void clear();

    // Loads a stored contact into the row; the next Return replaces it.
    bool startEdit(qint64 id);
    std::optional<qint64> editing() const { return editing_; }
    Outcome remove(qint64 id);

    Outcome exportAdif(const QString &path, const ExportChoice &choice);
    Outcome importAdif(const QString &path);

private:
    QString stationText(EntryField field, const StationFacts &facts) const;
    std::optional<Contact> contactFromRow(const StationFacts &facts, QString *fault) const;

    Links links_;
    SatelliteNames names_;
    std::unique_ptr<LogStore> store_;
    StationFacts facts_;
    std::array<QString, kEntryFields> texts_;
    std::array<bool, kEntryFields> corrected_{};
    std::optional<qint64> editing_;
    long editedCatalogNumber_ = 0;
    std::vector<AdifField> editedExtra_;
};

} // namespace orvanta
