#include "data/frequency_editor.h"

#include "data/frequency_file.h"
#include "data/frequency_file_report.h"
#include "data/frequency_validation.h"
#include "platform/message_boxes.h"

#include <QCoreApplication>

#include <algorithm>

namespace orvanta {

namespace {

// The records of the table in the order of the list.
std::vector<FrequencyRecord> inListOrder(const FrequencyTable &table, int count)
{
    std::vector<FrequencyRecord> records = slotRecords(table, count);
    std::stable_sort(records.begin(), records.end(), listedBefore);
    return records;
}

} // namespace

FrequencyEditor::FrequencyEditor(const QString &folder, MessageBoxes &messages, FrequencyFileReport &report)
    : folder_(folder), messages_(messages), report_(report)
{
}

FrequencyLoad FrequencyEditor::load(FrequencyTable &table)
{
    FrequencyLoad loaded = Charge_Frequences(table, folder_);
    report_.report(loaded.problem, loaded.fingerprint);
    return loaded;
}

QStringList FrequencyEditor::open()
{
    FrequencyLoad loaded = load(table_);
    canSave_ = loaded.problem.isEmpty();
    if (canSave_ && loaded.found) {
        std::vector<FrequencyRecord> records = inListOrder(table_, table_.Index_Freq - 1);
        for (FrequencyRecord &record : records)
            record.frequency = threeDecimalFrequency(record.frequency);
        if (write(records))
            loaded = load(table_);
    }
    rowSlots_ = loaded.rowSlots;
    table_.Nb_Freq = table_.Index_Freq - 1;
    table_.Index_Freq = 1;
    return loaded.items;
}

void FrequencyEditor::select(int row)
{
    table_.Index_Freq = row >= 0 && row < static_cast<int>(rowSlots_.size()) ? rowSlots_[row] : row + 1;
}

ShownRecord FrequencyEditor::current() const
{
    const int slot = table_.Index_Freq;
    if (slot < 1 || slot > table_.Nb_Freq)
        return {};
    return {table_.Freq_Noms[slot], threeDecimalFrequency(table_.Freq_Valeurs[slot]),
            modeOption(table_.Freq_Modes[slot])};
}

bool FrequencyEditor::save(const QString &name, const QString &frequency, int option)
{
    // With no record loaded there is nothing to store the boxes into.
    if (table_.Nb_Freq > 0) {
        for (const QString &problem : {satelliteNameProblem(name), frequencyProblem(frequency)}) {
            if (!problem.isEmpty()) {
                messages_.information(problem);
                return false;
            }
        }
    }
    // The file may have changed since the editor opened (a satellite added
    // from the main window): work on what it holds now.
    FrequencyTable fresh;
    if (!load(fresh).problem.isEmpty())
        return false;
    const int count = fresh.Index_Freq - 1;
    const int slot = table_.Index_Freq;
    if (table_.Nb_Freq > 0) {
        if (slot > count || fresh.Freq_Noms[slot] != table_.Freq_Noms[slot]
            || fresh.Freq_Valeurs[slot] != table_.Freq_Valeurs[slot]
            || fresh.Freq_Modes[slot] != table_.Freq_Modes[slot]) {
            messages_.information(QCoreApplication::translate(
                "Frequencies", "Le fichier Frequences.cfg a change depuis l'ouverture de cette fenetre : "
                               "fermez-la et ouvrez-la de nouveau pour modifier ce satellite."));
            return false;
        }
        FrequencyRecord edited{name.trimmed(), frequency, fresh.Freq_Modes[slot]};
        if (option >= 1 && option <= 4)
            edited.mode = frequencyModes()[option - 1];
        const FrequencyRecord stored = slotForm(edited);
        fresh.Freq_Noms[slot] = stored.name;
        fresh.Freq_Valeurs[slot] = stored.frequency;
        fresh.Freq_Modes[slot] = stored.mode;
    }
    // The other records go back exactly as loaded.
    if (!write(inListOrder(fresh, count)))
        return false;
    rowSlots_ = load(table_).rowSlots;
    table_.Nb_Freq = table_.Index_Freq - 1;
    return true;
}

bool FrequencyEditor::write(const std::vector<FrequencyRecord> &records)
{
    QString error;
    if (writeFrequencyFile(folder_, records, &error))
        return true;
    messages_.information(frequencyWriteFailure(error));
    return false;
}

} // namespace orvanta
