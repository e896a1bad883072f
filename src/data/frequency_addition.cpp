#include "data/frequency_addition.h"

#include "data/frequency_file.h"
#include "data/frequency_file_report.h"
#include "data/frequency_loader.h"
#include "data/frequency_validation.h"
#include "platform/message_boxes.h"

#include <QCoreApplication>

#include <algorithm>

namespace orvanta {

namespace {

QString tableFull(const QString &name)
{
    return QCoreApplication::translate("Frequencies",
                                       "La table des frequences est pleine (%1 satellites) : %2 ne peut pas y etre "
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
    std::size_t count = scan.lines.size();
    if (stopAt) {
        const auto match = std::find_if(scan.fields.begin(), scan.fields.end(),
                                        [&](const FrequencyRecord &record) { return record.name == *stopAt; });
        count = static_cast<std::size_t>(match - scan.fields.begin());
    }
    fillSlots(table, {scan.lines.begin(), scan.lines.begin() + static_cast<std::ptrdiff_t>(count)});
    return count < scan.lines.size();
}

// Nothing may be added to a file read only in part, nor past the last slot.
bool roomForOneMore(const FrequencyFileScan &scan, const QString &name, MessageBoxes &messages,
                    FrequencyFileReport &report)
{
    report.report(scan);
    if (!scan.problem.isEmpty())
        return false;
    if (scan.lines.size() >= static_cast<std::size_t>(FrequencyTable::Slots)) {
        messages.information(tableFull(name));
        return false;
    }
    return true;
}

} // namespace

NewSatellite loadTableUnlessKnown(FrequencyTable &table, const QString &folder, const QString &name,
                                  MessageBoxes &messages, FrequencyFileReport &report)
{
    const FrequencyFileScan scan = scanFrequencyFile(folder);
    if (loadLines(table, scan, &name))
        return NewSatellite::Known;
    if (!roomForOneMore(scan, name, messages, report))
        return NewSatellite::Blocked;
    table.Nb_Freq = table.Index_Freq - 1;
    return NewSatellite::Missing;
}

FrequencyAddition::FrequencyAddition(const QString &folder, MessageBoxes &messages, FrequencyFileReport &report)
    : folder_(folder), messages_(messages), report_(report)
{
}

NewSatellite FrequencyAddition::prepare(const QString &name)
{
    const NewSatellite state = loadTableUnlessKnown(table_, folder_, name, messages_, report_);
    if (state != NewSatellite::Missing)
        return state;
    const QString problem = satelliteNameProblem(name);
    if (!problem.isEmpty()) {
        messages_.information(
            QCoreApplication::translate("Frequencies", "%1 ne peut pas etre ajoute a Frequences.cfg :\r\n%2")
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
    if (!roomForOneMore(scan, name, messages_, report_))
        return Outcome::GivenUp;
    table_.Nb_Freq = table_.Index_Freq;
    const int slot = table_.Nb_Freq;
    table_.Freq_Noms[slot] = name.trimmed();
    table_.Freq_Valeurs[slot] = frequency.trimmed();
    table_.Freq_Modes[slot] = frequencyModes()[option >= 1 && option <= 4 ? option - 1 : 0];

    std::vector<FrequencyRecord> records = slotRecords(table_, table_.Nb_Freq);
    for (FrequencyRecord &record : records)
        record.frequency = record.frequency.trimmed();
    QString error;
    if (!writeFrequencyFile(folder_, records, &error)) {
        messages_.information(frequencyWriteFailure(error));
        return Outcome::GivenUp;
    }
    return Outcome::Saved;
}

} // namespace orvanta
