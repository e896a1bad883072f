#pragma once

#include "data/frequency_table.h"

#include <QString>

namespace orvanta {

class FrequencyFileReport;
class MessageBoxes;

enum class NewSatellite {
    Known,   // the satellite already has a record
    Missing, // it has none: the table is loaded, ready for the new record
    Blocked, // a record cannot be added now (file damaged or full); the operator was told
};

// The load done when a satellite is picked from the main window's list: reads
// Frequences.cfg line by line into the table, stopping at the first record
// named `name`. Without a match Nb_Freq is the number of records and
// Index_Freq the first free slot. A damaged file goes to the report.
NewSatellite loadTableUnlessKnown(FrequencyTable &table, const QString &folder, const QString &name,
                                  MessageBoxes &messages, FrequencyFileReport &report);

// What the add-frequency dialog does, apart from its window.
class FrequencyAddition {
public:
    enum class Outcome {
        Saved,   // the record was appended
        Refused, // the entry was refused; the operator can correct it
        GivenUp, // the file cannot take the record now; nothing was written
    };

    FrequencyAddition(const QString &folder, MessageBoxes &messages, FrequencyFileReport &report);

    // Loads the table for a satellite picked from the main window's list and
    // checks that its name can go into the file.
    NewSatellite prepare(const QString &name);
    // Appends the record as the last one. The file is read again first, so
    // whatever the frequency editor wrote meanwhile is kept.
    Outcome save(const QString &name, const QString &frequency, int option);

    const FrequencyTable &table() const { return table_; }

private:
    QString folder_;
    MessageBoxes &messages_;
    FrequencyFileReport &report_;
    FrequencyTable table_;
};

} // namespace orvanta
