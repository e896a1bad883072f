#pragma once

#include "data/frequency_file.h"
#include "data/frequency_table.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace orvanta {

// Column widths of the editor's list: name, frequency, mode. Longer texts are
// shown whole rather than cut.
constexpr int nameWidth = 15;
constexpr int frequencyWidth = 10;
constexpr int modeWidth = 6;

QString padRight(const QString &text, int width);

// The editor's list item of one record: the three texts padded to their
// columns and joined by commas.
QString listItem(const QString &name, const QString &frequency, const QString &mode);
// The item split back at its first two commas.
FrequencyRecord splitListItem(const QString &item);

// A frequency text in its shortest decimal form (145.800 gives 145.8); an
// empty text stays empty.
QString shortestFrequency(const QString &frequency);
// A frequency text with three decimals (145.8 gives 145.800), or more when it
// has more (145.8255 stays whole); empty stays empty.
QString threeDecimalFrequency(const QString &frequency);

struct FrequencyLoad {
    QStringList items; // the editor's list, in ascending text order
    QString problem;   // why the file was not read whole; empty when it was
    bool found = false; // the file exists
};

// Reads Frequences.cfg into slots 1 onwards, padded to the list's columns,
// and builds the editor's list. Index_Freq ends as the first free slot;
// Nb_Freq is left to the caller.
FrequencyLoad Charge_Frequences(FrequencyTable &table, const QString &folder);

// Looks a satellite up by its exact name (case counts, blanks around the
// name line do not); the first matching record wins. On a match frequence
// gets the record's frequency (empty when its line is empty) and mode its
// mode; otherwise both are left as they were.
void Cherche_Frequence(const QString &folder, const QString &nom, std::optional<double> &frequence,
                       QString &mode);

} // namespace orvanta
