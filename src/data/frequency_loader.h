#pragma once

#include "data/frequency_file.h"
#include "data/frequency_table.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvanta {

// Column widths of the editor's list: name, frequency, mode. Longer texts are
// shown whole rather than cut.
constexpr int nameWidth = 15;
constexpr int frequencyWidth = 10;
constexpr int modeWidth = 6;

QString padRight(const QString &text, int width);

// The editor's list item of one record: the three texts padded to their
// columns and joined by commas. For display only.
QString listItem(const FrequencyRecord &record);
// The order of the editor's list: ascending text of the items.
bool listedBefore(const FrequencyRecord &a, const FrequencyRecord &b);

// The records into slots 1 onwards, as given; Index_Freq ends as the first
// free slot. Records past the last slot are left out.
void fillSlots(FrequencyTable &table, const std::vector<FrequencyRecord> &records);
// The records of slots 1 to count.
std::vector<FrequencyRecord> slotRecords(const FrequencyTable &table, int count);
// A record as a load stores it in its slot: the name, the frequency in its
// shortest form and the mode, padded to the list's columns.
FrequencyRecord slotForm(const FrequencyRecord &record);

// A frequency text in its shortest decimal form (145.800 gives 145.8); an
// empty text stays empty.
QString shortestFrequency(const QString &frequency);
// A frequency text with three decimals (145.8 gives 145.800), or more when it
// has more (145.8255 stays whole); empty stays empty.
QString threeDecimalFrequency(const QString &frequency);

struct FrequencyLoad {
    QStringList items;      // the editor's list, in ascending text order
    std::vector<int> rowSlots; // the slot of each item of the list, in order
    QString problem;        // why the file was not read whole; empty when it was
    QByteArray fingerprint; // of the file's content, for the report of its problem
    bool found = false;     // the file exists
};

// Reads Frequences.cfg into slots 1 onwards, padded to the list's columns,
// and builds the editor's list. Index_Freq ends as the first free slot;
// Nb_Freq is left to the caller.
FrequencyLoad Charge_Frequences(FrequencyTable &table, const QString &folder);

enum class FrequencyLookup {
    Found,    // the name has a record
    NotFound, // the file is sound and has no record of that name, or there is no file
    Damaged,  // no record of that name before the damaged one: it may stand further on
};

// Looks a satellite up by its exact name (case counts, blanks around the
// name line do not); the first matching record wins. On a match frequence
// gets the record's frequency (empty when its line is empty) and mode its
// mode; otherwise both are left as they were.
FrequencyLookup Cherche_Frequence(const QString &folder, const QString &nom, std::optional<double> &frequence,
                                  QString &mode);

} // namespace orvanta
