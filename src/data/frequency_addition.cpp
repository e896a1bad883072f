#include "data/frequency_addition.h"

#include "data/frequency_file.h"
#include "data/frequency_validation.h"
#include "platform/message_boxes.h"

namespace orvanta {

namespace {

QString tableFull(const QString &name)
{
    return QStringLiteral("La table des frequences est pleine (%1 satellites) : %2 ne peut pas y etre "
                          "ajoute.")
        .arg(FrequencyTable::Slots)
        .arg(name.trimmed());
}

// Reads the sound records line by line into slots 1 onwards, stopping at a
// record named `stopAt` when one is given. True when it stopped there. Names
// are compared as the tracking lookup reads them, on every record, so that a
// satellite it finds is never offered a second record.
bool loadLines(FrequencyTable &table, const FrequencyFileScan &scan, const QString *stopAt)
{
    table.Index_Freq = 1;
    for (std::size_t i = 0; i < scan.lines.size(); ++i) {
        if (stopAt && scan.fields[i].name == *stopAt)
            return true;
        if (table.Index_Freq > FrequencyTable::Slots)
            continue;
        const FrequencyRecord &record = scan.lines[i];
        table.Freq_Noms[table.Index_Freq] = record.name;
        table.Freq_Valeurs[table.Index_Freq] = record.frequency;
        table.Freq_Modes[table.Index_Freq] = record.mode;
        ++table.Index_Freq;
    }
    return false;
}

// Nothing may be added to a file read only in part, nor past the last slot.
bool roomForOneMore(const FrequencyFileScan &scan, const QString &name, MessageBoxes &messages)
{
    if (!scan.problem.isEmpty()) {
        messages.information(scan.problem);
        return false;
    }
    if (scan.lines.size() >= static_cast<std::size_t>(FrequencyTable::Slots)) {
        messages.information(tableFull(name));
        return false;
    }
    return true;
}

} // namespace

NewSatellite loadTableUnlessKnown(FrequencyTable &table, const QString &folder, const QString &name,
                                  MessageBoxes &messages)
{
    const FrequencyFileScan scan = scanFrequencyFile(folder);
    if (loadLines(table, scan, &name))
        return NewSatellite::Known;
    if (!roomForOneMore(scan, name, messages))
        return NewSatellite::Blocked;
    table.Nb_Freq = table.Index_Freq - 1;
    return NewSatellite::Missing;
}

FrequencyAddition::FrequencyAddition(const QString &folder, MessageBoxes &messages)
    : folder_(folder), messages_(messages)
{
}

NewSatellite FrequencyAddition::prepare(const QString &name)
{
    const NewSatellite state = loadTableUnlessKnown(table_, folder_, name, messages_);
    if (state != NewSatellite::Missing)
        return state;
    const QString problem = satelliteNameProblem(name);
    if (!problem.isEmpty()) {
        messages_.information(QStringLiteral("%1 ne peut pas etre ajoute a Frequences.cfg :\r\n%2")
                                  .arg(name, problem));
        return NewSatellite::Blocked;
    }
    return NewSatellite::Missing;
}

FrequencyAddition::Outcome FrequencyAddition::save(const QString &name, const QString &frequency, int option)
{
    for (const QString &problem : {frequencyProblem(frequency), satelliteNameProblem(name)}) {
        if (!problem.isEmpty()) {
            messages_.information(problem);
            return Outcome::Refused;
        }
    }
    // The frequency editor may have rewritten the file while this dialog
    // waited: append to what the file holds now.
    const FrequencyFileScan scan = scanFrequencyFile(folder_);
    loadLines(table_, scan, nullptr);
    if (!roomForOneMore(scan, name, messages_))
        return Outcome::GivenUp;
    table_.Nb_Freq = table_.Index_Freq;
    const int slot = table_.Nb_Freq;
    table_.Freq_Noms[slot] = name.trimmed();
    table_.Freq_Valeurs[slot] = frequency.trimmed();
    table_.Freq_Modes[slot] = frequencyModes()[option >= 1 && option <= 4 ? option - 1 : 0];

    std::vector<FrequencyRecord> records;
    for (int i = 1; i <= table_.Nb_Freq; ++i)
        records.push_back({table_.Freq_Noms[i], table_.Freq_Valeurs[i].trimmed(), table_.Freq_Modes[i]});
    QString error;
    if (!writeFrequencyFile(folder_, records, &error)) {
        messages_.information(frequencyWriteFailure(error));
        return Outcome::GivenUp;
    }
    return Outcome::Saved;
}

} // namespace orvanta
